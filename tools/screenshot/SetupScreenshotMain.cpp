// Renders the installer's four dialogs on the offscreen platform from a realistic
// SETUP.INI in a temporary folder: the main dialog, the directory dialog (also with
// its drive list opened), the progress dialog part-way and the question dialog with
// a long path.
//
//   setup_screenshots <output folder>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#include "platform/DriveMap.h"
#include "platform/Format.h"
#include "platform/ProgramPath.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/DirectoryDlg.h"
#include "setup/ui/DriveComboBox.h"
#include "setup/ui/Resource.h"
#include "setup/ui/SetupApp.h"
#include "setup/ui/SetupDlg.h"
#include "tools/screenshot/ScreenshotUserInterface.h"

namespace {

// The dialog with its drive list opened below it, as one picture.
void SaveWithDropDown(CScreenshotUserInterface& ui, framework::CDialog& dialog) {
    auto& directory = dynamic_cast<setup::CDirectoryDlg&>(dialog);
    QWidget& window = dialog.GetWindow();
    ui.Save(window, "setup-directory");
    auto* pCombo = framework::WidgetAs<QComboBox>(*directory.m_cboDrive);
    pCombo->showPopup();
    QApplication::processEvents();
    QWidget* pPopup = pCombo->view()->window();
    const QPixmap base = window.grab();
    const QPixmap list = pPopup->grab();
    // Placed in the windows' own pixels; the pictures hold device pixels, as many more
    // as the screen's scale factor says.
    const QPoint offset = pPopup->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, 0));
    const QRect bounds = QRect(QPoint(0, 0), window.size()) | QRect(offset, pPopup->size());
    const qreal ratio = base.devicePixelRatio();
    QPixmap canvas((QSizeF(bounds.size()) * ratio).toSize());
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.drawPixmap(-bounds.topLeft(), base);
        painter.drawPixmap(offset - bounds.topLeft(), list);
    }
    pCombo->hidePopup();
    const std::string path = ui.OutputDir() + "/setup-directory-drives.png";
    if (canvas.save(QString::fromStdString(path))) {
        std::printf("%s\n", path.c_str());
    } else {
        ui.m_bFailed = true;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    // The installer as it would run from a product folder on drive D:, with C: and a
    // diskette drive A: beside it.
    std::string folder =
        (std::filesystem::temp_directory_path() / "setup-screenshots-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    for (const char* drive : {"A", "C", "D/LETTRINO"}) {
        std::filesystem::create_directories(std::filesystem::path(folder) / drive);
    }
    // The delivered product's own SETUP.INI, so the pictures show what a user sees.
    std::filesystem::copy_file(PRODUCT_INI, std::filesystem::path(folder) / "D/LETTRINO/SETUP.INI");
    platform::MapDrive('A', folder + "/A");
    platform::MapDrive('C', folder + "/C");
    platform::MapDrive('D', folder + "/D");
    platform::OverrideProgramPath(folder + "/D/LETTRINO/setup");

    CScreenshotUserInterface ui(argv[1], {{setup::IDD_QUESTION, "setup-question"}});
    ui.OnDialog(setup::IDD_DIRECTORY,
                [&ui](framework::CDialog& dialog) { SaveWithDropDown(ui, dialog); });
    platform::SetUserInterface(&ui);
    {
        setup::CSetupApp app;
        platform::SetDisplayName(setup::ReadIniString("Setup", "Caption"));
        setup::CSetupDlg dialog;
        app.m_pMainWnd = &dialog;
        dialog.CreateAndInitialize();
        dialog.ShowWindow();
        ui.Save(dialog.GetWindow(), "setup-main");

        setup::CDialogInstallerWindows windows;
        std::string fullPath;
        windows.ChooseDirectory(fullPath);

        platform::CStringArray copied;
        windows.RunProgress("C:\\GAMES\\LETTRINO", copied, [&ui](setup::CCopyProgress& progress) {
            progress.SetStatusText(
                platform::FormatString(setup::LoadSetupString(setup::IDS_COPYING_FILE), {2, 4}));
            progress.SetProgress(5, 8);
            if (auto* pDialog = dynamic_cast<framework::CDialog*>(&progress)) {
                ui.Save(pDialog->GetWindow(), "setup-progress");
            }
            progress.EndProgress();
        });

        windows.AskQuestion(
            "Remove C:\\GAMES\\LETTRINO\\DICTIONARIES\\ENGLISH\\AMERICAN\\LARGE\\"
            "LETTRINO-WORDS-OF-THREE-TO-SIXTEEN-LETTERS.TXT?");
        app.m_pMainWnd = nullptr;
    }
    platform::SetUserInterface(nullptr);
    platform::ResetDriveMap();
    std::filesystem::remove_all(folder);
    return ui.m_bFailed ? 1 : 0;
}
