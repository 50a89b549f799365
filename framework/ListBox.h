#pragma once

#include <string>

#include "framework/Wnd.h"

namespace framework {

// A list of text entries. Sorted lists keep their entries in alphabetical order
// (ignoring letter case), equal entries in the order they came; multi-column lists
// fill a column from top to bottom, then the next one to its right, and scroll
// horizontally. A list with the focus shows it even when it has no entries.
class CListBox : public CWnd {
public:
    CListBox() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    bool IsSorted() const { return m_bSorted; }

    // Adds `text` (in order when sorted, else at the end); returns its index.
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    std::string GetText(int nIndex) const;

    // The index of the first entry after `nStartAfter` (-1: from the beginning)
    // equal to `text` ignoring letter case, searching round to the start; -1 if none.
    int FindStringExact(int nStartAfter, const std::string& text) const;

private:
    // Where `text` goes: before the first entry that sorts after it when sorted.
    int InsertionIndex(const std::string& text) const;
    void InsertString(int nIndex, const std::string& text);

    bool m_bSorted = false;
};

// Whether `a` sorts before (<0), with (0) or after (>0) `b` in a list, ignoring
// letter case.
int CompareListEntries(const std::string& a, const std::string& b);

}  // namespace framework
