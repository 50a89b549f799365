// The one-line edit: upper-casing on every way in, the limit that binds typing
// only, and its notifications.
#include <gtest/gtest.h>
#include <ostream>

#include "framework/Edit.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TestDialog.h"
#ifndef _WIN32
#include <QLineEdit>

#include "framework/qt/QtWidget.h"
#endif

namespace {

using namespace framework;
using namespace testing_support;

constexpr CControlTemplate kField = {ControlKind::Edit, 10, 0, 4, 4, 100, 12, StyleTabStop};
constexpr CControlTemplate kButton = {ControlKind::PushButton, 11, 0, 4, 20, 40, 14, StyleTabStop};

struct CInputCase {
    const char* name;
    int nLimit;
    std::function<void(CDialog&, CEdit&)> act;
    const char* expected;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CInputCase& c, std::ostream* os) { *os << c.name; }
};

class EditInputTest : public ::testing::TestWithParam<CInputCase> {};

TEST_P(EditInputTest, UpperCasesEverythingAndLimitsTypingOnly) {
    CTestDialog dialog({kField});
    CEdit& edit = dialog.Item<CEdit>(10);
    edit.SetUpperCase(true);
    edit.LimitText(GetParam().nLimit);
    dialog.ShowWindow();
    edit.SetFocus();
    GetParam().act(dialog, edit);
    EXPECT_EQ(edit.GetWindowText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditInputTest,
    ::testing::Values(
        CInputCase{"Typed", 0, [](CDialog& d, CEdit&) { Type(d, "MixEd"); }, "MIXED"},
        CInputCase{"SetByProgram", 0, [](CDialog&, CEdit& e) { e.SetWindowText("abc"); }, "ABC"},
        CInputCase{"Pasted", 0, [](CDialog& d, CEdit&) { Paste(d, "paste"); }, "PASTE"},
        // Only one-for-one capitals, and none that turns a foreign letter into A-Z.
        CInputCase{"TypedForeignLetters", 0,
                   [](CDialog& d, CEdit&) { Type(d, "stra\u00DFe \u0131\u017F\u00E9"); },
                   "STRA\u00DFE \u0131\u017F\u00C9"},
        CInputCase{"ForeignLettersSetByProgram", 0,
                   [](CDialog&, CEdit& e) { e.SetWindowText("\u00DF\u0131\u017F"); },
                   "\u00DF\u0131\u017F"},
        CInputCase{"TypedBeyondTheLimit", 3, [](CDialog& d, CEdit&) { Type(d, "abcde"); }, "ABC"},
        CInputCase{"PastedBeyondTheLimit", 3, [](CDialog& d, CEdit&) { Paste(d, "abcde"); }, ""},
        CInputCase{"SetByProgramBeyondTheLimit", 3,
                   [](CDialog&, CEdit& e) { e.SetWindowText("abcde"); }, "ABCDE"},
        CInputCase{"TypedAfterProgramFilledPastTheLimit", 3,
                   [](CDialog& d, CEdit& e) {
                       e.SetWindowText("abcd");
                       Press(d, Key::End);
                       Type(d, "x");
                   },
                   "ABCD"},
        CInputCase{"ShortenedAfterProgramFilledPastTheLimit", 3,
                   [](CDialog& d, CEdit& e) {
                       e.SetWindowText("abcde");
                       for (const Key key : {Key::End, Key::Backspace, Key::Home, Key::Delete}) {
                           Press(d, key);
                       }
                   },
                   "BCD"},
        CInputCase{"SelectionReplacedPastTheLimit", 3,
                   [](CDialog& d, CEdit& e) {
                       e.SetWindowText("abcde");
                       e.SetSel(1, 3);
                       Type(d, "x");
                   },
                   "AXDE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditTest, WithoutUpperCasingKeepsTheCase) {
    CTestDialog dialog({kField});
    CEdit& edit = dialog.Item<CEdit>(10);
    edit.SetWindowText("MiXed");
    EXPECT_EQ(edit.GetWindowText(), "MiXed");
    edit.SetUpperCase(true);  // turning it on converts what is there
    EXPECT_EQ(edit.GetWindowText(), "MIXED");
}

TEST(EditTest, ReportsChangesByUserAndProgramAndFocus) {
    CTestDialog dialog({kField, kButton});
    CEdit& edit = dialog.Item<CEdit>(10);
    std::vector<std::string> changes;
    int focusCount = 0;
    dialog.m_fnOnCommand = [&](int nId, CommandCode code) {
        if (nId == 10 && code == CommandCode::Changed) {
            changes.push_back(edit.GetWindowText());
        }
        focusCount += nId == 10 && code == CommandCode::SetFocus;
    };

    edit.SetWindowText("ab");
    Type(dialog, "c");
    EXPECT_EQ(changes, (std::vector<std::string>{"ab", "abc"}));

    ActivateWindow(dialog);
    dialog.GetDlgItem(11)->SetFocus();
    focusCount = 0;
    Press(dialog, Key::Tab);
    EXPECT_EQ(focusCount, 1);
    Press(dialog, Key::Tab);
    EXPECT_EQ(focusCount, 1);  // losing the focus is no gain
}

TEST(EditTest, SelectionAndCaret) {
    CTestDialog dialog({kField});
    CEdit& edit = dialog.Item<CEdit>(10);
    edit.SetWindowText("HELLO");
    struct Row {
        int start, end;
    };
    for (const Row row : {Row{1, 3}, Row{5, 5}, Row{0, 5}, Row{2, 2}}) {
        edit.SetSel(row.start, row.end);
        int start = -1;
        int end = -1;
        edit.GetSel(start, end);
        EXPECT_EQ(start, row.start);
        EXPECT_EQ(end, row.end);
    }
}

// The Qt backend's field takes the rules for what is set on it directly too, and
// shows the selection SetSel makes.
#ifndef _WIN32
TEST(EditTest, TheWidgetTakesTheRulesAndShowsTheSelection) {
    CTestDialog dialog({kField});
    CEdit& edit = dialog.Item<CEdit>(10);
    auto* pField = WidgetAs<QLineEdit>(edit);
    edit.SetUpperCase(true);
    pField->setText("xyz");
    EXPECT_EQ(edit.GetWindowText(), "XYZ");
    for (const auto& [nStart, nEnd] : {std::pair(1, 3), std::pair(3, 3), std::pair(0, 3)}) {
        edit.SetSel(nStart, nEnd);
        EXPECT_EQ(pField->hasSelectedText(), nStart != nEnd) << nStart << nEnd;
    }
}
#endif

}  // namespace
