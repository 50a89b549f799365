#include "framework/DataExchange.h"

#include <algorithm>

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
    // Counted in characters, as the field counts its limit, not in bytes: every byte
    // but a UTF-8 continuation byte begins one.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (characters > nMaxChars) {
        platform::UserInterface().MessageBox(
            platform::FormatString(platform::LoadSystemString(platform::IDS_SYS_MAX_CHARS),
                                   {nMaxChars}),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        if (pEdit) {
            m_dialog.GotoDlgCtrl(pEdit);
            pEdit->SetSel(0, -1);
        }
        Fail();
        return;
    }
    value = text;
}

}  // namespace framework
