// List boxes: sorted insertion, the exact case-insensitive search and the
// multi-column flow.
#include <gtest/gtest.h>

#include "framework/ListBox.h"
#include "tests/support/TestDialog.h"
#ifndef _WIN32
#include <QApplication>
#include <QListWidget>
#include <QScrollBar>

#include "framework/qt/QtWidget.h"
#endif

namespace {

using namespace framework;
using testing_support::CTestDialog;

constexpr CControlTemplate ListOf(unsigned style) {
    return {ControlKind::ListBox, 10, 0, 4, 4, 100, 60, StyleTabStop | style};
}

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
        CTestDialog dialog({ListOf(row.bSorted ? StyleSorted : StyleNone)});
        CListBox& list = dialog.Item<CListBox>(10);
        for (const char* text : {"zebra", "apple", "cherry", "Banana", "CHERRY"}) {
            list.AddString(text);
        }
        EXPECT_EQ(Entries(list), row.expected);
    }
}

TEST(ListBoxTest, FindStringExactIgnoresCaseButNotLength) {
    CTestDialog dialog({ListOf(StyleSorted)});
    CListBox& list = dialog.Item<CListBox>(10);
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

// Where the Qt backend puts the entries.
#ifndef _WIN32
TEST(ListBoxTest, MultiColumnFillsColumnsTopToBottomThenScrollsSideways) {
    CTestDialog dialog({ListOf(StyleBorder | StyleSorted | StyleMultiColumn | StyleHScroll)});
    QListWidget& list = *WidgetAs<QListWidget>(*dialog.GetDlgItem(10));
    list.setGeometry(0, 0, 200, 80);
    for (int i = 0; i < 60; ++i) {
        dialog.Item<CListBox>(10).AddString("W" + std::to_string(100 + i));
    }
    dialog.ShowWindow();
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
#endif

}  // namespace
