#pragma once

#include <string>

#include "framework/Dialog.h"

namespace framework {

// One pass of data exchange between a dialog's controls and its members: towards
// the members when saving, towards the controls otherwise.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool bSaveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(bSaveAndValidate) {}

    bool Failed() const { return m_bFailed; }

    // Binds `pMember` to the control `nId`, which must be of the member's class;
    // a missing or different control leaves the member null.
    template <class T>
    void Control(int nId, T*& pMember) {
        pMember = m_dialog.GetDlgItemAs<T>(nId);
    }

    // Moves the text of control `nId` to or from `value`.
    void Text(int nId, std::string& value);

    // The same for an edit field that takes at most `nMaxChars` characters. Towards
    // the field the text goes in whole and the field then takes no more than that
    // from the user; from the field a longer text is refused: the user is told the
    // limit, the field gets the focus with all its text selected, and the exchange
    // fails, leaving `value` as it was.
    void Text(int nId, std::string& value, int nMaxChars);

    void Fail() { m_bFailed = true; }
    bool IsSaving() const { return m_bSaveAndValidate; }

private:
    CDialog& m_dialog;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
};

}  // namespace framework
