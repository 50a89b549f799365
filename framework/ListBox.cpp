#include "framework/ListBox.h"

namespace framework {

int CListBox::InsertionIndex(const std::string& text) const {
    const int count = GetCount();
    if (!m_bSorted) {
        return count;
    }
    // Before the first entry that sorts after the new one, so equal entries keep the
    // order in which they came.
    for (int i = 0; i < count; ++i) {
        if (CompareListEntries(GetText(i), text) > 0) {
            return i;
        }
    }
    return count;
}

int CListBox::AddString(const std::string& text) {
    const int nIndex = InsertionIndex(text);
    InsertString(nIndex, text);
    return nIndex;
}

int CListBox::FindStringExact(int nStartAfter, const std::string& text) const {
    const int total = GetCount();
    if (total == 0) {
        return -1;
    }
    const int first = (nStartAfter < 0 || nStartAfter >= total) ? 0 : nStartAfter + 1;
    for (int step = 0; step < total; ++step) {
        const int index = (first + step) % total;
        if (CompareListEntries(GetText(index), text) == 0) {
            return index;
        }
    }
    return -1;
}

}  // namespace framework
