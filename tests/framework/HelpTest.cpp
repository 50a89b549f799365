// The help window and the names the application derives from its program file.
#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "framework/WinApp.h"
#include "framework/qt/HelpWindow.h"
#include "platform/ProgramPath.h"
#include "platform/UserInterface.h"
#include "tests/support/ScriptedDialogUserInterface.h"
#include "tests/support/TempDir.h"

namespace {

using framework::CWinApp;
using framework::HelpCommand;
using testing_support::CScriptedDialogUserInterface;
using testing_support::CTempDir;

TEST(ProgramNameTest, DisplayNameIsTheFileNameWithoutExtension) {
    struct Row {
        const char* path;
        const char* expected;
    };
    for (const Row row :
         {Row{"/opt/app-1.2/Lettrino", "Lettrino"}, Row{"/usr/bin/Lettrino.exe", "Lettrino"},
          Row{"C:\\GAMES\\LETTRINO.EXE", "LETTRINO"}, Row{"/home/u/.local/bin/game", "game"},
          Row{"/x/.hidden", ".hidden"}, Row{"plain", "plain"},
          Row{"/x/archive.tar.gz", "archive.tar"}}) {
        EXPECT_EQ(framework::ProgramBaseName(row.path), row.expected) << row.path;
    }
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::OverrideProgramPath(m_dir.File("Game"));
        m_app.InitApplication();
    }
    void TearDown() override { platform::OverrideProgramPath(""); }

    CTempDir m_dir;
    CScriptedDialogUserInterface m_ui;
    CWinApp m_app;
};

TEST_F(HelpTest, NamesComeFromTheProgramPath) {
    EXPECT_EQ(platform::DisplayName(), "Game");
    EXPECT_EQ(m_app.GetHelpFilePath(), m_dir.File("Game.HLP"));
}

TEST_F(HelpTest, OpensTheDocumentAtItsContentsAndClosesOnRequest) {
    std::string body = "<html><head><title>Game Help</title></head><body><h1>Contents</h1>";
    for (int i = 0; i < 200; ++i) {
        body += "<p>Line " + std::to_string(i) + "</p>";
    }
    m_dir.Write("Game.HLP", body + "</body></html>");

    m_app.OnHelp();
    QPointer<framework::CHelpWindow> pWindow = m_app.GetHelpWindow();
    ASSERT_NE(pWindow, nullptr);
    EXPECT_TRUE(pWindow->isVisible());
    EXPECT_EQ(pWindow->windowTitle().toStdString(), "Game Help");
    EXPECT_TRUE(pWindow->toPlainText().startsWith("Contents"));
    EXPECT_TRUE(m_ui.Transcript().empty());

    // Asked again while open and scrolled away, it returns to the contents.
    pWindow->verticalScrollBar()->setValue(pWindow->verticalScrollBar()->maximum());
    m_app.OnHelp();
    EXPECT_EQ(m_app.GetHelpWindow(), pWindow.data());
    EXPECT_EQ(pWindow->verticalScrollBar()->value(), 0);
    QTest::keyClick(pWindow, Qt::Key_Escape);  // closes it, as it closes a dialog
    EXPECT_FALSE(pWindow->isVisible());

    m_app.ShowHelp(HelpCommand::Quit);
    EXPECT_TRUE(pWindow.isNull());
    m_app.ShowHelp(HelpCommand::Quit);  // closing twice is harmless
}

TEST_F(HelpTest, FindsTheDocumentWhateverItsLetterCase) {
    m_dir.Write("game.hlp", "<p>Contents</p>");
    m_app.OnHelp();
    EXPECT_NE(m_app.GetHelpWindow(), nullptr);
    EXPECT_TRUE(m_ui.Transcript().empty());
}

TEST_F(HelpTest, MissingDocumentReportsFailureAndOpensNothing) {
    m_ui.Answer(platform::MessageResult::Ok);
    m_app.OnHelp();
    EXPECT_EQ(m_app.GetHelpWindow(), nullptr);
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text, "Failed to launch help.");
    EXPECT_EQ(m_ui.Transcript()[0].title, "Game");
    EXPECT_EQ(m_ui.Transcript()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(m_ui.Transcript()[0].buttons, platform::MessageButtons::Ok);
}

}  // namespace
