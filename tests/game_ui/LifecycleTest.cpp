// Loading at start-up, leaving the game (Exit, close box, Escape) and help.
#include <filesystem>
#include <ostream>

#include "framework/WinApp.h"
#include "game/engine/Dictionary.h"
#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"
#ifndef _WIN32
#include "tests/support/ResourceLimit.h"
#endif
#include "tests/support/ScriptedUserInterface.h"
#ifndef _WIN32
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <set>

#include "framework/qt/DialogWindow.h"
#include "framework/qt/HelpWindow.h"
#include "framework/qt/QtWidget.h"
#endif

namespace game_ui_test {
namespace {

using namespace lettrino;
using platform::MessageResult;
using testing_support::CProcessExit;
using testing_support::Key;

using LifecycleTest = CGameFixture;

TEST_F(LifecycleTest, DictionaryLoadsOnlyOnceTheDialogIsUp) {
    m_dir.Write("Lettrino.txt", "SEA\r\n");
    OpenDialogOnly();
    EXPECT_EQ(m_pDlg->GetDictionary(), nullptr);
    testing_support::DeliverPostedCommands(*m_pDlg);
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
    EXPECT_EQ(m_pDlg->GetDictionary()->GetSize(), 1u);
    EXPECT_EQ(m_ui.BusyChanges(), (std::vector<bool>{true, false}));
}

// The Qt backend's paints.
#ifndef _WIN32
// Notes the widgets painted before the dictionary exists; `m_bIdle`, a paint without
// the busy pointer.
class CPaintWatcher : public QObject {
public:
    explicit CPaintWatcher(CGameFixture& f) : m_f(f) {}
    std::set<QObject*> m_painted;
    bool m_bIdle = false;

protected:
    bool eventFilter(QObject* pWidget, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint && m_f.m_pDlg->GetDictionary() == nullptr) {
            m_painted.insert(pWidget);
            m_bIdle = m_bIdle || m_f.m_ui.BusyDepth() == 0;
        }
        return false;
    }

private:
    CGameFixture& m_f;
};

TEST_F(LifecycleTest, TheWindowIsPaintedBeforeTheDictionaryIsRead) {
    m_dir.Write("Lettrino.txt", "SEA\r\n");
    OpenDialogOnly();
    CPaintWatcher watcher(*this);
    m_pDlg->GetWindow().installEventFilter(&watcher);
    for (framework::CWnd* pControl : m_pDlg->GetControls()) {
        framework::Widget(*pControl)->installEventFilter(&watcher);
    }
    QCoreApplication::sendPostedEvents();
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
    EXPECT_EQ(watcher.m_painted.size(), 1 + m_pDlg->GetControls().size());
    EXPECT_FALSE(watcher.m_bIdle);
}
#endif

TEST_F(LifecycleTest, MissingDictionaryEndsTheProgramWithMessage102) {
    m_ui.Answer(MessageResult::Ok);
    OpenDialogOnly();
    try {
        testing_support::DeliverPostedCommands(*m_pDlg);
        ADD_FAILURE() << "the program went on without a dictionary";
    } catch (const CProcessExit& exit) {
        EXPECT_EQ(exit.exitCode, 0);
    }
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text,
              "Cannot load dictionary file \"" + m_dir.File("Lettrino.txt") + "\".");
    EXPECT_EQ(m_ui.Transcript()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(m_ui.Transcript()[0].title, "Lettrino");
}

struct CExitCase {
    const char* name;
    bool bAddWord;
    std::vector<MessageResult> answers;
    std::function<void(CGameFixture&)> leave;
    bool bEnded;
    bool bSaved;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CExitCase& c, std::ostream* os) { *os << c.name; }
};

class ExitTest : public CGameFixture, public ::testing::WithParamInterface<CExitCase> {};

TEST_P(ExitTest, LeavesAsAskedAndSavesOnlyWhenTold) {
    OpenSplatterGame();
    const std::string original = m_dir.Read("Lettrino.txt");
    StartGame();
    if (GetParam().bAddWord) {
        m_ui.Answer(MessageResult::Yes);
        AddWord("TAPE");
    }
    m_ui.ClearTranscript();
    for (MessageResult answer : GetParam().answers) {
        m_ui.Answer(answer);
    }
    GetParam().leave(*this);
    EXPECT_EQ(m_pDlg->IsEnded(), GetParam().bEnded);
    if (GetParam().bEnded) {
        EXPECT_EQ(m_pDlg->GetModalResult(), framework::CommandOk);
    }
    std::vector<std::string> boxes;
    for (const auto& shown : m_ui.Transcript()) {
        boxes.push_back(shown.text);
    }
    EXPECT_EQ(boxes,
              std::vector<std::string>(GetParam().answers.size(), "Save changes to dictionary?"));
    const std::string now = m_dir.Read("Lettrino.txt");
    if (GetParam().bSaved) {
        EXPECT_NE(now.find("TAPE\r\n"), std::string::npos);
        EXPECT_EQ(m_dir.Read("Lettrino.bak"), original);
    } else {
        EXPECT_EQ(now, original);
    }
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

void ClickExit(CGameFixture& f) {
    f.Click(framework::CommandOk);
}
void CloseBox(CGameFixture& f) {
    testing_support::Close(*f.m_pDlg);
}
void Escape(CGameFixture& f) {
    f.m_pDlg->GetDlgItem(framework::CommandOk)->SetFocus();
    f.Press(Key::Escape);
}
void EscapeInField(CGameFixture& f) {
    f.Press(Key::Escape);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExitTest,
    ::testing::Values(
        CExitCase{"ExitNothingAdded", false, {}, ClickExit, true, false},
        CExitCase{"ExitAddedNo", true, {MessageResult::No}, ClickExit, true, false},
        CExitCase{"ExitAddedYes", true, {MessageResult::Yes}, ClickExit, true, true},
        CExitCase{"CloseBoxNothingAdded", false, {}, CloseBox, true, false},
        CExitCase{"CloseBoxAddedYes", true, {MessageResult::Yes}, CloseBox, true, true},
        CExitCase{"EscapeDoesNothing", true, {}, Escape, false, false},
        CExitCase{"EscapeInTheFieldDoesNothing", true, {}, EscapeInField, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32
// A full disk made with a file size limit, which Windows does not have.
TEST_F(LifecycleTest, FailedSaveKeepsTheGameOpenAndAsksAgain) {
    OpenSplatterGame();
    StartGame();
    m_ui.Answer(MessageResult::Yes);
    AddWord("TAPE");
    m_ui.ClearTranscript();
    m_ui.Answer(MessageResult::Yes);
    m_ui.Answer(MessageResult::Ok);
    {
        // The program's start-up makes the write at the limit fail; without it the
        // process would end here, and the player's words with it.
        testing_support::CResourceLimit limit(RLIMIT_FSIZE, 100);
        Click(framework::CommandOk);
    }
    EXPECT_FALSE(m_pDlg->IsEnded());
    ASSERT_EQ(m_ui.Transcript().size(), 2u);
    EXPECT_EQ(m_ui.Transcript()[1].text,
              "Disk full while accessing " + m_dir.File("Lettrino.txt") + ".");
    EXPECT_EQ(FoundWords(), std::vector<std::string>{"TAPE"});

    m_ui.ClearTranscript();
    m_ui.Answer(MessageResult::Yes);
    Click(framework::CommandOk);
    EXPECT_TRUE(m_pDlg->IsEnded());
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text, "Save changes to dictionary?");
    EXPECT_NE(m_dir.Read("Lettrino.txt").find("TAPE\r\n"), std::string::npos);
}
#endif

TEST_F(LifecycleTest, EscapeLeavesTheGameAsItWas) {
    OpenSplatterGame();
    StartGame();
    Type("SEA");
    Press(Key::Escape);
    EXPECT_FALSE(m_pDlg->IsEnded());
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    EXPECT_EQ(Field(), "SEA");
    EXPECT_TRUE(IsEnabled(IDC_QUIT_GAME));
}

// The help window is the Qt backend's.
#ifndef _WIN32
TEST_F(LifecycleTest, HelpOpensFromButtonAndF1AndClosesOnExit) {
    m_dir.Write("Lettrino.HLP", "<html><body><h1>Lettrino Help</h1></body></html>");
    OpenSplatterGame();
    Click(IDC_HELP_CONTENTS);
    QPointer<framework::CHelpWindow> pHelp = m_app.GetHelpWindow();
    ASSERT_FALSE(pHelp.isNull());
    EXPECT_TRUE(pHelp->isVisible());
    pHelp->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(pHelp.isNull());
    EXPECT_FALSE(pHelp->isVisible());

    m_pDlg->GetDlgItem(IDC_START_GAME)->SetFocus();
    Press(Key::F1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(m_app.GetHelpWindow(), pHelp.data());
    EXPECT_TRUE(pHelp->isVisible());

    // F1 inside a dialog the game opened reaches the same help command.
    pHelp->close();
    m_ui.OnNextDialog([](framework::CDialog& dialog) {
        testing_support::Press(dialog, Key::F1);
        testing_support::Press(dialog, Key::Escape);
    });
    Click(IDC_ABOUT);
    ASSERT_FALSE(pHelp.isNull());
    EXPECT_TRUE(pHelp->isVisible());

    Click(framework::CommandOk);
    EXPECT_TRUE(m_pDlg->IsEnded());
    EXPECT_TRUE(pHelp.isNull());
    EXPECT_EQ(m_ui.Transcript().size(), 1u);  // the About box; no message
}
#endif

TEST_F(LifecycleTest, HelpThatCannotBeShownIsReportedAndTheGameGoesOn) {
    OpenSplatterGame();
    m_ui.Answer(MessageResult::Ok);
    Click(IDC_HELP_CONTENTS);
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text, "Failed to launch help.");
    EXPECT_EQ(m_ui.Transcript()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(m_app.GetHelpWindow(), nullptr);
    EXPECT_FALSE(m_pDlg->IsEnded());
}

}  // namespace
}  // namespace game_ui_test
