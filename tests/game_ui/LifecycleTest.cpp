// Loading at start-up, leaving the game (Exit, close box, Escape) and help.
#include <sys/resource.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <ostream>
#include <set>

#include "framework/WinApp.h"
#include "game/engine/Dictionary.h"
#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"
#include "tests/support/ScriptedUserInterface.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using platform::MessageResult;
using testing_support::CProcessExit;

using LifecycleTest = CGameFixture;

TEST_F(LifecycleTest, DictionaryLoadsOnlyOnceTheDialogIsUp) {
    m_dir.Write("Lettrino.txt", "SEA\r\n");
    OpenDialogOnly();
    EXPECT_EQ(m_pDlg->GetDictionary(), nullptr);
    QCoreApplication::sendPostedEvents();
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
    EXPECT_EQ(m_pDlg->GetDictionary()->GetSize(), 1u);
    EXPECT_EQ(m_ui.BusyChanges(), (std::vector<bool>{true, false}));
}

// Notes every widget painted while the dialog has no dictionary yet, and whether
// the busy pointer was on for each of those paints.
class CPaintWatcher : public QObject {
public:
    explicit CPaintWatcher(CGameFixture& f) : m_f(f) {
        m_f.m_pDlg->installEventFilter(this);
        for (QWidget* pControl : m_f.m_pDlg->GetControls()) {
            pControl->installEventFilter(this);
        }
    }
    std::set<QObject*> m_painted;
    bool m_bPaintedIdle = false;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint && m_f.m_pDlg->GetDictionary() == nullptr) {
            m_painted.insert(pObject);
            m_bPaintedIdle = m_bPaintedIdle || m_f.m_ui.BusyDepth() == 0;
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
    QCoreApplication::sendPostedEvents();
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
    EXPECT_TRUE(watcher.m_painted.contains(m_pDlg.get()));
    for (QWidget* pControl : m_pDlg->GetControls()) {
        EXPECT_TRUE(watcher.m_painted.contains(pControl) || pControl->isHidden())
            << pControl->metaObject()->className();
    }
    EXPECT_FALSE(watcher.m_bPaintedIdle);
}

TEST_F(LifecycleTest, MissingDictionaryEndsTheProgramWithMessage102) {
    m_ui.Answer(MessageResult::Ok);
    OpenDialogOnly();
    try {
        QCoreApplication::sendPostedEvents();
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
    f.m_pDlg->close();
}
void Escape(CGameFixture& f) {
    QTest::keyClick(f.m_pDlg.get(), Qt::Key_Escape);
}
void EscapeInField(CGameFixture& f) {
    f.Press(Qt::Key_Escape);
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

// Sets a resource limit of the process for its lifetime.
class CLimitScope {
public:
    CLimitScope(int resource, rlim_t value) : m_resource(resource) {
        ::getrlimit(m_resource, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = value;
        ::setrlimit(m_resource, &limit);
    }
    ~CLimitScope() { ::setrlimit(m_resource, &m_old); }
    CLimitScope(const CLimitScope&) = delete;
    CLimitScope& operator=(const CLimitScope&) = delete;

private:
    int m_resource;
    rlimit m_old{};
};

// The lowest descriptor number that is free: as a limit, no file can be opened.
rlim_t LowestFreeDescriptor() {
    const int descriptor = ::dup(0);
    ::close(descriptor);
    return static_cast<rlim_t>(descriptor);
}

TEST_F(LifecycleTest, FailedSaveKeepsTheGameOpenAndAsksAgain) {
    struct Case {
        const char* name;
        int resource;
        std::string message;  // the text after the path
    };
    // The file-size limit relies on the program's start-up: without it the signal
    // sent at the limit would end the process, and the player's words with it.
    const Case cases[] = {
        {"no file can be opened", RLIMIT_NOFILE, "An unknown error occurred while accessing "},
        {"file-size limit reached", RLIMIT_FSIZE, "Disk full while accessing "},
    };
    for (const Case& c : cases) {
        m_pDlg.reset();
        OpenSplatterGame();
        StartGame();
        m_ui.Answer(MessageResult::Yes);
        AddWord("TAPE");
        const std::string original = m_dir.Read("Lettrino.txt");
        m_ui.ClearTranscript();
        m_ui.Answer(MessageResult::Yes);
        m_ui.Answer(MessageResult::Ok);
        {
            CLimitScope limit(c.resource,
                              c.resource == RLIMIT_NOFILE ? LowestFreeDescriptor() : 100);
            Click(framework::CommandOk);
        }
        EXPECT_FALSE(m_pDlg->IsEnded()) << c.name;
        ASSERT_EQ(m_ui.Transcript().size(), 2u) << c.name;
        EXPECT_EQ(m_ui.Transcript()[1].text, c.message + m_dir.File("Lettrino.txt") + ".");
        EXPECT_EQ(m_dir.Read("Lettrino.txt"), original) << c.name;
        EXPECT_EQ(FoundWords(), std::vector<std::string>{"TAPE"}) << c.name;

        m_ui.ClearTranscript();
        m_ui.Answer(MessageResult::Yes);
        Click(framework::CommandOk);
        EXPECT_TRUE(m_pDlg->IsEnded()) << c.name;
        ASSERT_EQ(m_ui.Transcript().size(), 1u) << c.name;
        EXPECT_EQ(m_ui.Transcript()[0].text, "Save changes to dictionary?");
        EXPECT_NE(m_dir.Read("Lettrino.txt").find("TAPE\r\n"), std::string::npos) << c.name;
    }
}

TEST_F(LifecycleTest, EscapeLeavesTheGameAsItWas) {
    OpenSplatterGame();
    StartGame();
    Type("SEA");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(m_pDlg->IsEnded());
    EXPECT_TRUE(m_pDlg->isVisible());
    EXPECT_EQ(Field(), "SEA");
    EXPECT_TRUE(IsEnabled(IDC_QUIT_GAME));
}

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

    QTest::keyClick(m_pDlg->GetDlgItem(IDC_START_GAME), Qt::Key_F1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(m_app.GetHelpWindow(), pHelp.data());
    EXPECT_TRUE(pHelp->isVisible());

    // F1 inside a dialog the game opened reaches the same help command.
    pHelp->close();
    m_ui.OnNextDialog([](framework::CDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_F1); });
    Click(IDC_ABOUT);
    ASSERT_FALSE(pHelp.isNull());
    EXPECT_TRUE(pHelp->isVisible());

    Click(framework::CommandOk);
    EXPECT_TRUE(m_pDlg->IsEnded());
    EXPECT_TRUE(pHelp.isNull());
    EXPECT_EQ(m_ui.Transcript().size(), 1u);  // the About box; no message
}

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
