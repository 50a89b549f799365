#pragma once

#include <QComboBox>
#include <string>

#include "framework/Wnd.h"

namespace framework {

// A drop-down list: the user picks one of its entries and cannot type. Entries stay
// in the order they were added. The layout gives the height of the opened list; the
// closed control is one line high.
class CComboBox : public CWnd<QComboBox> {
public:
    explicit CComboBox(QWidget* pParent);

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
    std::string GetWindowText() const;

    // The most pixels the opened list may take.
    void SetDroppedHeight(int nPixels) { m_nDroppedHeight = nPixels; }
    int GetDroppedHeight() const { return m_nDroppedHeight; }

    void showPopup() override;

private:
    int m_nDroppedHeight = 0;
};

}  // namespace framework
