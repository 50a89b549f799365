#pragma once

#include <QListWidget>
#include <string>

#include "framework/Wnd.h"

namespace framework {

// A list of text entries. Sorted lists keep their entries in alphabetical order
// (ignoring letter case); multi-column lists fill a column from top to bottom, then
// the next one to its right, and scroll horizontally. A list with the focus shows it
// even when it has no entries, and its border stays whole at any scale factor.
class CListBox : public CWnd<QListWidget> {
public:
    explicit CListBox(QWidget* pParent);

    void SetSorted(bool bSorted) { m_bSorted = bSorted; }
    void SetMultiColumn(bool bMultiColumn);

    // Adds `text` (in order when sorted, else at the end); returns its index.
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    std::string GetText(int nIndex) const;

    // The index of the first entry after `nStartAfter` (-1: from the beginning)
    // equal to `text` ignoring letter case, searching round to the start; -1 if none.
    int FindStringExact(int nStartAfter, const std::string& text) const;

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bSorted = false;
};

}  // namespace framework
