#include "framework/DataExchange.h"

#include <QString>

#include "framework/Edit.h"
#include "platform/Format.h"
#include "platform/SystemStrings.h"
#include "platform/UserInterface.h"

namespace framework {

void CDataExchange::Text(int nId, std::string& value) {
    if (m_bFailed) {
        return;  // An earlier refusal ends the pass, as it put the focus where it is due.
    }
    if (m_bSaveAndValidate) {
        value = m_dialog.GetDlgItemText(nId);
    } else {
        m_dialog.SetDlgItemText(nId, value);
    }
}

void CDataExchange::Text(int nId, std::string& value, int nMaxChars) {
    if (m_bFailed) {
        return;
    }
    auto* pEdit = m_dialog.GetDlgItemAs<CEdit>(nId);
    if (!m_bSaveAndValidate) {
        Text(nId, value);
        if (pEdit) {
            pEdit->LimitText(nMaxChars);
        }
        return;
    }
    const std::string text = m_dialog.GetDlgItemText(nId);
    // Counted as the field counts its limit: in characters, not bytes.
    if (QString::fromStdString(text).size() > nMaxChars) {
        platform::UserInterface().MessageBox(
            platform::FormatString(platform::LoadSystemString(platform::IDS_SYS_MAX_CHARS),
                                   {nMaxChars}),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        if (pEdit) {
            m_dialog.GotoDlgCtrl(pEdit);
            pEdit->selectAll();
        }
        Fail();
        return;
    }
    value = text;
}

}  // namespace framework
