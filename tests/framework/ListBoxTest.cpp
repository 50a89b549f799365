// List boxes: sorted insertion, the exact case-insensitive search and the
// multi-column flow.
#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>

#include "framework/ListBox.h"

namespace {

using framework::CListBox;

std::vector<std::string> Entries(const CListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.GetCount(); ++i) {
        entries.push_back(list.GetText(i));
    }
    return entries;
}

TEST(ListBoxTest, SortedListsOrderIgnoringCaseUnsortedKeepArrival) {
    struct Row {
        bool bSorted;
        std::vector<std::string> expected;
    };
    for (const Row& row : {Row{true, {"apple", "Banana", "cherry", "CHERRY", "zebra"}},
                           Row{false, {"zebra", "apple", "cherry", "Banana", "CHERRY"}}}) {
        CListBox list(nullptr);
        list.SetSorted(row.bSorted);
        for (const char* text : {"zebra", "apple", "cherry", "Banana", "CHERRY"}) {
            list.AddString(text);
        }
        EXPECT_EQ(Entries(list), row.expected);
    }
}

TEST(ListBoxTest, FindStringExactIgnoresCaseButNotLength) {
    CListBox list(nullptr);
    list.SetSorted(true);
    for (const char* text : {"PLATE", "PLATTER", "SEA", "SEAL"}) {
        list.AddString(text);
    }
    struct Row {
        int nStartAfter;
        const char* text;
        int expected;
    };
    for (const Row row :
         {Row{-1, "sea", 2}, Row{-1, "SEAL", 3}, Row{-1, "SE", -1}, Row{-1, "PLATTERS", -1},
          Row{2, "plate", 0}, Row{3, "Sea", 2}, Row{99, "seal", 3}, Row{-1, "", -1}}) {
        EXPECT_EQ(list.FindStringExact(row.nStartAfter, row.text), row.expected) << row.text;
    }
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.FindStringExact(-1, "SEA"), -1);
}

TEST(ListBoxTest, MultiColumnFillsColumnsTopToBottomThenScrollsSideways) {
    QWidget window;
    CListBox list(&window);
    list.SetSorted(true);
    list.SetMultiColumn(true);
    list.setGeometry(0, 0, 200, 80);
    for (int i = 0; i < 60; ++i) {
        list.AddString("W" + std::to_string(100 + i));
    }
    window.show();
    QApplication::processEvents();
    const QRect first = list.visualItemRect(list.item(0));
    const QRect second = list.visualItemRect(list.item(1));
    EXPECT_EQ(first.x(), second.x());
    EXPECT_GT(second.y(), first.y());
    const QRect last = list.visualItemRect(list.item(59));
    EXPECT_GT(last.x(), first.x());
    EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(list.verticalScrollBar()->maximum(), 0);
}

}  // namespace
