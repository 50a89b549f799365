// The question dialog: its four ways out and where it opens.
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "framework/Static.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/QuestionDlg.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"

namespace setup_ui_test {
namespace {

using namespace setup;
using framework::CDialog;

struct CAnswerCase {
    const char* name;
    std::function<void(CDialog&)> act;
    int nAnswer;
    friend void PrintTo(const CAnswerCase& c, std::ostream* os) { *os << c.name; }
};

class QuestionAnswerTest : public CSetupFixture,
                           public ::testing::WithParamInterface<CAnswerCase> {};

// It opens at the owner's client origin, titled, with the whole question wrapped.
TEST_P(QuestionAnswerTest, AnswersWithTheButtonPressedAndNothingOtherwise) {
    OpenMainDialog();
    m_pMain->move(140, 90);
    const std::string question =
        "Remove C:\\" + std::string(40, 'D') + "\\" + std::string(60, 'F') + ".TXT?";
    m_ui.OnNextDialog([&](CDialog& dialog) {
        EXPECT_EQ(dialog.pos(), m_pMain->mapToGlobal(QPoint(0, 0)));
        EXPECT_EQ(dialog.GetWindowText(), kCaption);
        auto* pQuestion = dialog.GetDlgItemAs<QLabel>(IDC_QUESTION);
        EXPECT_EQ(pQuestion->text().toStdString(), question);
        EXPECT_TRUE(pQuestion->wordWrap());
        EXPECT_EQ(AccessibleName(pQuestion), question);
        const auto* pIcon = dialog.GetDlgItemAs<framework::CStatic>(IDC_QUESTION_ICON);
        EXPECT_EQ(pIcon->pixmap().size(), QSize(32, 32));
        EXPECT_FALSE(pIcon->accessibleName().isEmpty());
        // No default button: Enter presses the one with the focus, "&Yes" at first.
        EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_YES));
        for (const int nId : {IDC_NO, IDC_YES_TO_ALL}) {
            EXPECT_FALSE(dialog.GetDlgItemAs<QPushButton>(nId)->isDefault()) << nId;
        }
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
        CAnswerCase{"EnterOnNo", [](CDialog& d) { KeyOnItem(d, IDC_NO, Qt::Key_Return); },
                    kAnswerNo},
        CAnswerCase{"Escape", [](CDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, kAnswerNone},
        CAnswerCase{"CloseBox", [](CDialog& d) { d.close(); }, kAnswerNone}),
    kCaseName);

}  // namespace
}  // namespace setup_ui_test
