#pragma once

#include <string>

#include "framework/Wnd.h"

namespace framework {

// A drop-down list: the user picks one of its entries and cannot type. Entries stay
// in the order they were added. The layout gives the height of the opened list; the
// closed control is one line high.
class CComboBox : public CWnd {
public:
    CComboBox() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    // Appends `text`; returns its index.
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    // The entry at `nIndex`; empty when there is none.
    std::string GetLBText(int nIndex) const;

    // Selects entry `nIndex`; an index outside the list clears the selection and
    // gives -1, otherwise the index is returned.
    int SetCurSel(int nIndex);
    // The selected index, or -1 when nothing is selected.
    int GetCurSel() const;
    // The selected entry's text; empty when nothing is selected.
    std::string GetWindowText() const override;
};

}  // namespace framework
