// Plays a short scripted game on the offscreen platform and saves a picture of
// every dialog on the way: the main dialog before, during and after a game, and
// the Start Game, Quit Game and About dialogs, and the help window.
//
//   lettrino_screenshots <output folder>
//
// The shipped dictionary beside this program is used, with a fixed seed, so the
// pictures come out the same every time.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "framework/Edit.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/HelpWindow.h"
#include "framework/qt/QtWidget.h"
#include "game/engine/Dictionary.h"
#include "game/ui/LettrinoApp.h"
#include "game/ui/LettrinoDlg.h"
#include "game/ui/Resource.h"
#include "platform/ProgramPath.h"
#include "platform/RuntimeRandom.h"
#include "tools/screenshot/ScreenshotUserInterface.h"

namespace {

void Click(lettrino::CLettrinoDlg& dialog, int nId) {
    QTest::mouseClick(framework::Widget(*dialog.GetDlgItem(nId)), Qt::LeftButton);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    // The game's files are looked for as if this program were the game.
    const std::string self = platform::ProgramPath();
    platform::OverrideProgramPath(self.substr(0, self.find_last_of('/') + 1) + "Lettrino");
    CScreenshotUserInterface ui(argv[1], {{lettrino::IDD_START_GAME, "start-game"},
                                          {lettrino::IDD_QUIT_GAME, "quit-game"},
                                          {lettrino::IDD_ABOUT, "about"}});
    platform::SetUserInterface(&ui);

    lettrino::CLettrinoApp app;
    app.InitApplication();
    platform::RuntimeRandom().Seed(4242);

    lettrino::CLettrinoDlg dialog;
    app.m_pMainWnd = &dialog;
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    QCoreApplication::sendPostedEvents();  // loads the dictionary
    ui.Save(dialog.GetWindow(), "main-before-game");

    Click(dialog, lettrino::IDC_START_GAME);
    platform::CStringArray formable;
    dialog.GetDictionary()->FindFormableWords(dialog.GetPuzzleWord(), formable);
    QWidget* pWord = framework::Widget(*dialog.GetDlgItem(lettrino::IDC_WORD));
    // Enough words to fill more than one column of the found list.
    for (std::size_t i = 0; i < formable.size() && i < 24; i += 1) {
        pWord->setFocus();
        QTest::keyClicks(pWord, QString::fromStdString(formable[i]));
        QTest::keyClick(pWord, Qt::Key_Return);
    }
    // A word half typed, with its cubes taken.
    QTest::keyClicks(pWord, QString::fromStdString(formable.back().substr(0, 3)));
    ui.Save(dialog.GetWindow(), "main-in-game");

    Click(dialog, lettrino::IDC_QUIT_GAME);
    ui.Save(dialog.GetWindow(), "main-after-quit");
    Click(dialog, lettrino::IDC_ABOUT);
    Click(dialog, lettrino::IDC_HELP_CONTENTS);
    if (QWidget* pHelp = app.GetHelpWindow()) {
        ui.Save(*pHelp, "help");
    }
    app.ShowHelp(framework::HelpCommand::Quit);

    app.m_pMainWnd = nullptr;
    platform::SetUserInterface(nullptr);
    return ui.m_bFailed ? 1 : 0;
}
