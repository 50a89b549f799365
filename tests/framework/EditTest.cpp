// The one-line edit: upper-casing on every way in, the limit that binds typing
// only, and its notifications.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "framework/Edit.h"
#include "tests/support/ScriptedDialogUserInterface.h"

namespace {

using framework::CEdit;

struct CInputCase {
    const char* name;
    int nLimit;
    std::function<void(CEdit&)> act;
    const char* expected;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CInputCase& c, std::ostream* os) { *os << c.name; }
};

class EditInputTest : public ::testing::TestWithParam<CInputCase> {};

TEST_P(EditInputTest, UpperCasesEverythingAndLimitsTypingOnly) {
    QWidget window;
    CEdit edit(&window);
    edit.SetUpperCase(true);
    edit.LimitText(GetParam().nLimit);
    window.show();
    edit.setFocus();
    GetParam().act(edit);
    EXPECT_EQ(edit.GetWindowText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditInputTest,
    ::testing::Values(
        CInputCase{"Typed", 0, [](CEdit& e) { QTest::keyClicks(&e, "MixEd"); }, "MIXED"},
        CInputCase{"SetByProgram", 0, [](CEdit& e) { e.SetWindowText("abc"); }, "ABC"},
        CInputCase{"SetThroughTheWidget", 0, [](CEdit& e) { e.setText("xyz"); }, "XYZ"},
        CInputCase{"Pasted", 0,
                   [](CEdit& e) {
                       QApplication::clipboard()->setText("paste");
                       e.paste();
                   },
                   "PASTE"},
        // Only one-for-one capitals, and none that turns a foreign letter into A-Z.
        CInputCase{"TypedForeignLetters", 0,
                   [](CEdit& e) {
                       // Keys without an ASCII key code arrive as text only.
                       for (const QChar c : QString::fromUtf8("stra\u00DFe \u0131\u017F\u00E9")) {
                           QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_unknown, QString(c),
                                               Qt::NoModifier);
                       }
                   },
                   "STRA\u00DFE \u0131\u017F\u00C9"},
        CInputCase{"ForeignLettersSetByProgram", 0,
                   [](CEdit& e) { e.SetWindowText("\u00DF\u0131\u017F"); }, "\u00DF\u0131\u017F"},
        CInputCase{"TypedBeyondTheLimit", 3, [](CEdit& e) { QTest::keyClicks(&e, "abcde"); },
                   "ABC"},
        CInputCase{"PastedBeyondTheLimit", 3,
                   [](CEdit& e) {
                       QApplication::clipboard()->setText("abcde");
                       e.paste();
                   },
                   ""},
        CInputCase{"SetByProgramBeyondTheLimit", 3, [](CEdit& e) { e.SetWindowText("abcde"); },
                   "ABCDE"},
        CInputCase{"TypedAfterProgramFilledPastTheLimit", 3,
                   [](CEdit& e) {
                       e.SetWindowText("abcd");
                       e.end(false);
                       QTest::keyClicks(&e, "x");
                   },
                   "ABCD"},
        CInputCase{"ShortenedAfterProgramFilledPastTheLimit", 3,
                   [](CEdit& e) {
                       e.SetWindowText("abcde");
                       e.end(false);
                       QTest::keyClick(&e, Qt::Key_Backspace);
                       e.home(false);
                       QTest::keyClick(&e, Qt::Key_Delete);
                   },
                   "BCD"},
        CInputCase{"SelectionReplacedPastTheLimit", 3,
                   [](CEdit& e) {
                       e.SetWindowText("abcde");
                       e.setSelection(1, 2);
                       QTest::keyClicks(&e, "x");
                   },
                   "AXDE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditTest, WithoutUpperCasingKeepsTheCase) {
    CEdit edit(nullptr);
    edit.SetWindowText("MiXed");
    EXPECT_EQ(edit.GetWindowText(), "MiXed");
    edit.SetUpperCase(true);  // turning it on converts what is there
    EXPECT_EQ(edit.GetWindowText(), "MIXED");
}

TEST(EditTest, ReportsChangesByUserAndProgramAndFocus) {
    QWidget window;
    CEdit edit(&window);
    QPushButton other(&window);
    window.show();
    std::vector<std::string> changes;
    QObject::connect(&edit, &QLineEdit::textChanged,
                     [&](const QString& text) { changes.push_back(text.toStdString()); });
    int focusCount = 0;
    edit.m_fnOnSetFocus = [&] { ++focusCount; };

    edit.SetWindowText("ab");
    QTest::keyClicks(&edit, "c");
    EXPECT_EQ(changes, (std::vector<std::string>{"ab", "abc"}));

    testing_support::ActivateWindow(window);
    other.setFocus();
    focusCount = 0;
    edit.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(focusCount, 1);
    other.setFocus();
    EXPECT_EQ(focusCount, 1);  // losing the focus is no gain
}

TEST(EditTest, SelectionAndCaret) {
    CEdit edit(nullptr);
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
        EXPECT_EQ(edit.hasSelectedText(), row.start != row.end);
    }
}

}  // namespace
