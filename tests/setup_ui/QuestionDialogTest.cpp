// The question dialog: its four ways out and what it shows.
#include <ostream>

#include "framework/Static.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/QuestionDlg.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"
#ifndef _WIN32
#include <QLabel>
#include <QPushButton>

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#endif

namespace setup_ui_test {
namespace {

using namespace setup;
using framework::CDialog;
using namespace testing_support;

struct CAnswerCase {
    const char* name;
    std::function<void(CDialog&)> act;
    int nAnswer;
    friend void PrintTo(const CAnswerCase& c, std::ostream* os) { *os << c.name; }
};

class QuestionAnswerTest : public CSetupFixture,
                           public ::testing::WithParamInterface<CAnswerCase> {};

// It opens titled, with the whole question.
TEST_P(QuestionAnswerTest, AnswersWithTheButtonPressedAndNothingOtherwise) {
    OpenMainDialog();
    const std::string question =
        "Remove C:\\" + std::string(40, 'D') + "\\" + std::string(60, 'F') + ".TXT?";
    m_ui.OnNextDialog([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), kCaption);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_QUESTION), question);
        EXPECT_EQ(AccessibleName(*dialog.GetDlgItem(IDC_QUESTION)), question);
        const auto* pIcon = dialog.GetDlgItemAs<framework::CStatic>(IDC_QUESTION_ICON);
        EXPECT_TRUE(pIcon->HasIcon());
        EXPECT_FALSE(AccessibleName(*pIcon).empty());
        // No default button: Enter presses the one with the focus, "&Yes" at first.
        EXPECT_EQ(dialog.GetFocusedControl(), dialog.GetDlgItem(IDC_YES));
        EXPECT_EQ(dialog.GetDefaultButtonId(), IDC_YES);
        GetParam().act(dialog);
    });
    EXPECT_EQ(CDialogInstallerWindows().AskQuestion(question), GetParam().nAnswer);
    EXPECT_EQ(Shown(), std::vector<std::string>{"[107]"});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, QuestionAnswerTest,
    ::testing::Values(
        CAnswerCase{"Yes", [](CDialog& d) { ClickItem(d, IDC_YES); }, kAnswerYes},
        CAnswerCase{"No", [](CDialog& d) { ClickItem(d, IDC_NO); }, kAnswerNo},
        CAnswerCase{"YesToAll", [](CDialog& d) { ClickItem(d, IDC_YES_TO_ALL); }, kAnswerYesToAll},
        CAnswerCase{"EnterOnNo", [](CDialog& d) { KeyOnItem(d, IDC_NO, Key::Enter); }, kAnswerNo},
        CAnswerCase{"Escape", [](CDialog& d) { Press(d, Key::Escape); }, kAnswerNone},
        CAnswerCase{"CloseBox", [](CDialog& d) { Close(d); }, kAnswerNone}),
    kCaseName);

// Where the Qt backend opens it and what it shows: at the owner's client origin, the
// question wrapped, its icon at its size, and no button looks like the default but
// the focused one.
#ifndef _WIN32
TEST_F(CSetupFixture, TheQuestionOpensAtTheOwnersOriginWrapped) {
    OpenMainDialog();
    m_pMain->GetWindow().move(140, 90);
    m_ui.OnNextDialog([&](CDialog& dialog) {
        using framework::WidgetAs;
        EXPECT_EQ(dialog.GetWindow().pos(), m_pMain->GetWindow().mapToGlobal(QPoint(0, 0)));
        EXPECT_TRUE(WidgetAs<QLabel>(*dialog.GetDlgItem(IDC_QUESTION))->wordWrap());
        EXPECT_EQ(WidgetAs<QLabel>(*dialog.GetDlgItem(IDC_QUESTION_ICON))->pixmap().size(),
                  QSize(32, 32));
        for (const int nId : {IDC_NO, IDC_YES_TO_ALL}) {
            EXPECT_FALSE(WidgetAs<QPushButton>(*dialog.GetDlgItem(nId))->isDefault()) << nId;
        }
        ClickItem(dialog, IDC_YES);
    });
    EXPECT_EQ(CDialogInstallerWindows().AskQuestion("Remove C:\\" + std::string(60, 'F') + "?"),
              kAnswerYes);
}
#endif

}  // namespace
}  // namespace setup_ui_test
