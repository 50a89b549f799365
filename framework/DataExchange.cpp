#include "framework/DataExchange.h"

namespace framework {

void CDataExchange::Text(int nId, std::string& value) {
    if (m_bSaveAndValidate) {
        value = m_dialog.GetDlgItemText(nId);
    } else {
        m_dialog.SetDlgItemText(nId, value);
    }
}

}  // namespace framework
