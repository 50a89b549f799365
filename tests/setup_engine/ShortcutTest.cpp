#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/KnownFolder.h"
#include "platform/Shortcut.h"
#include "setup/engine/PostCopyActions.h"
#include "tests/setup_engine/PostCopyFixture.h"

using platform::MessageResult;
using testing_support::CEnvironmentScope;
using testing_support::ReplaceAll;

namespace {

const char kApplications[] = "home/.local/share/applications/";

// The success message for product `name`, as the user reads it.
std::string Success(const std::string& name) {
    return name + " was successfully installed.\r\n\r\nTo run " + name +
           ":\r\n\r\n1) Press the Start button with the mouse.\r\n2) Click \"Programs\" with the "
           "mouse.\r\n3) Click the " +
           name + " icon with the mouse.\r\n\r\nor:\n\r\n\rDouble-click the " + name +
           " desktop icon if you created one.";
}

// What desktop-file-validate says about `path`, with its exit status in front.
std::string Validate(const std::string& path) {
    const std::string command =
        "desktop-file-validate '" + ReplaceAll(path, "'", "'\\''") + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return "cannot run desktop-file-validate";
    }
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = ::pclose(pipe);
    return std::to_string(status) + ":" + output;
}

unsigned Mode(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// The product's program lies in C:\<directory> as LETTRINO, upper-cased by the copy.
class ShortcutTest : public testing_support::CPostCopyFixture {
protected:
    void InstallProgram(const std::string& directory) const {
        m_scope.MakeDirectories(directory);
        m_scope.Drive().Write(directory + "/LETTRINO", "#!/bin/sh\n");
        std::filesystem::permissions(m_scope.Host(directory + "/LETTRINO"),
                                     std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
    }
    static std::string Windows(const std::string& directory) {
        return "C:\\" + ReplaceAll(directory, "/", "\\");
    }
};

// '@' stands for C:'s folder in the expected launcher; a row without a launcher
// expects nothing to be written.
TEST_F(ShortcutTest, TheLauncherHoldsTheInstalledProgramFaithfullyOrNothingIsWritten) {
    struct Case {
        const char* directory;  // below C:, holding LETTRINO
        const char* exeName;
        const char* linkName;
        const char* description;
        const char* launcher;  // the file's name
        std::string text;      // after "[Desktop Entry]\nType=Application\n"
        const char* categories = "";
        const char* image = nullptr;  // a file beside the program
    };
    const std::string tools = "Exec=@/Tools/LETTRINO\nPath=@/Tools\n";
    const Case cases[] = {
        {"Games", "Lettrino", "Word Game.lnk", "", "Word Game.desktop",
         "Name=Word Game\nExec=@/Games/LETTRINO\nPath=@/Games\n"},
        {"Program Files/Word Game", "lettrino", "Word Game.lnk", "", "Word Game.desktop",
         "Name=Word Game\nExec=\"@/Program Files/Word Game/LETTRINO\"\nPath=@/Program Files/Word "
         "Game\n"},
        {"Say \"Hi\"", "LETTRINO", "Hi", "", "Hi.desktop",
         "Name=Hi\nExec=\"@/Say \\\\\"Hi\\\\\"/LETTRINO\"\nPath=@/Say \"Hi\"\n"},
        {"100% Fun", "Lettrino", "Fun.lnk", "", "Fun.desktop",
         "Name=Fun\nExec=\"@/100%% Fun/LETTRINO\"\nPath=@/100% Fun\n"},
        {"Fun%", "Lettrino", "Fun.lnk", "", "Fun.desktop",
         "Name=Fun\nExec=@/Fun%%/LETTRINO\nPath=@/Fun%\n"},
        {"Cash $5 `x` & it's (1)", "Lettrino", "Cash.lnk", "", "Cash.desktop",
         "Name=Cash\nExec=\"@/Cash \\\\$5 \\\\`x\\\\` & it's (1)/LETTRINO\"\nPath=@/Cash $5 `x` & "
         "it's (1)\n"},
        {"Jeux été", "lettrino", "Célébration.lnk", "", "Célébration.desktop",
         "Name=Célébration\nExec=\"@/Jeux été/LETTRINO\"\nPath=@/Jeux été\n"},
        {"Tools", "Lettrino", "Tool.lnk", "Finds words; 100% \\ sure", "Tool.desktop",
         "Name=Tool\n" + tools + "Comment=Finds words; 100% \\\\ sure\n"},
        {"Tools", "Lettrino", " Lead.lnk", "", " Lead.desktop", "Name=\\sLead\n" + tools},
        {"Tools", "Lettrino", "..\\..\\Escape.lnk", "", "Escape.desktop", "Name=Escape\n" + tools},
        {"Tools", "Lettrino", "Tool.lnk", "two\nlines", nullptr, ""},
        {"Tools", "Lettrino", "Tool.lnk", "caf\xE9", nullptr, ""},
        {"Tools", "Lettrino", "Caf\xE9.lnk", "", nullptr, ""},
        {"Tools", "Lettrino", ".lnk", "", nullptr, ""},
        {"Games", "Lettrino", "Word Game.lnk", "", "Word Game.desktop",
         "Name=Word Game\nExec=@/Games/LETTRINO\nPath=@/Games\nIcon=@/Games/lettrino.svg\n"
         "Categories=Game;LogicGame;\n",
         ";Game;;LogicGame", "lettrino.svg"},
        {"Games", "Lettrino", "Word Game.lnk", "", "Word Game.desktop",
         "Name=Word Game\nExec=@/Games/LETTRINO\nPath=@/Games\nIcon=@/Games/LETTRINO.PNG\n",
         "Game;Logic Game", "LETTRINO.PNG"},
    };
    const std::string drive = Canonical("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linkName);
        InstallProgram(c.directory);
        std::vector<std::string> expected = {c.directory + std::string("/LETTRINO")};
        if (c.image != nullptr) {
            expected.push_back(c.directory + std::string("/") + c.image);
            m_scope.Drive().Write(expected.back(), "picture");
        }
        // An earlier launcher of the same name gives way to the new one.
        m_scope.MakeDirectories(kApplications);
        const std::string launcher = kApplications + std::string(c.launcher ? c.launcher : "");
        if (c.launcher != nullptr) {
            m_scope.Drive().Write(launcher, "old");
        }

        platform::CreateShortcut(Windows(c.directory) + "\\" + c.exeName, c.linkName,
                                 Windows(c.directory), c.description, platform::kFolderPrograms,
                                 c.categories);

        if (c.launcher != nullptr) {
            expected.push_back(launcher);
            EXPECT_EQ(m_scope.Drive().Read(launcher),
                      "[Desktop Entry]\nType=Application\n" + ReplaceAll(c.text, "@", drive));
            EXPECT_EQ(Validate(m_scope.Host(launcher)), "0:");
            EXPECT_EQ(Mode(m_scope.Host(launcher)), 0644u);
        }
        // Nothing else: no temporary file, no launcher elsewhere.
        EXPECT_EQ(FilesOnDrive(), expected);
        std::filesystem::remove_all(m_scope.Host(c.directory));
        std::filesystem::remove_all(m_scope.Host(kApplications));
    }
}

// The standard product's SETUP.INI.
const char kIni[] =
    "[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=Word Game.lnk\n";

// Each row's boxes come in order with their answers; its launchers are the only
// files written.
TEST_F(ShortcutTest, LaunchersGoToTheSpecialFoldersThatExistAndMissingValuesAreReported) {
    using Dialogue = std::vector<std::pair<std::string, MessageResult>>;
    struct Case {
        const char* name;
        std::function<void(CEnvironmentScope&)> prepare;
        Dialogue boxes;
        std::vector<std::string> launchers;  // below C:, besides SETUP.INI and the program
        std::string ini = kIni;
    };
    const std::string menu = std::string(kApplications) + "Word Game.desktop";
    const std::string desktop = "home/Desktop/Word Game.desktop";
    const std::pair<std::string, MessageResult> noName = {
        "error:Error:  Name item not specified in the [Setup] section in SETUP.INI.",
        MessageResult::Ok};
    const std::pair<std::string, MessageResult> noShortcut = {
        "error:Error:  ExeName and/or LnkName not specified in [Shortcuts] section in SETUP.INI.",
        MessageResult::Ok};
    const std::string ask = "question:Create desktop shortcut?";
    const std::pair<std::string, MessageResult> noMenu = {
        "error:No launcher for Word Game could be written in the applications menu.",
        MessageResult::Ok};
    const std::pair<std::string, MessageResult> noDesktop = {
        "error:No launcher for Word Game could be written on the desktop.", MessageResult::Ok};
    // The success message comes whether or not a launcher could be written.
    const Dialogue yes = {{ask, MessageResult::Yes},
                          {"info:" + Success("Word Game"), MessageResult::Ok}};
    const Dialogue no = {{ask, MessageResult::No},
                         {"info:" + Success("Word Game"), MessageResult::Ok}};
    const Case cases[] = {
        {"No: the menu only", {}, no, {menu}},
        {"Yes: the menu and the desktop", {}, yes, {menu, desktop}},
        {"no desktop folder: one is made",
         [this](auto&) { std::filesystem::remove(m_scope.Host("home/Desktop")); },
         yes,
         {menu, desktop}},
        {"another installation's launcher stays",
         [&](auto&) {
             m_scope.MakeDirectories(kApplications);
             m_scope.Drive().Write(menu,
                                   "[Desktop Entry]\nType=Application\nName=Word "
                                   "Game\nExec=/opt/game/run\n");
         },
         no,
         {menu, std::string(kApplications) + "Word Game-2.desktop"}},
        {"a reinstall replaces its own launcher",
         [](auto&) {
             platform::CreateShortcut("C:\\Games\\LETTRINO", "Word Game.lnk", "C:\\Games", "",
                                      platform::kFolderPrograms);
         },
         no,
         {menu}},
        {"the desktop folder of user-dirs.dirs",
         [this](auto&) {
             m_scope.MakeDirectories("home/.config");
             m_scope.MakeDirectories("home/Bureau");
             m_scope.Drive().Write("home/.config/user-dirs.dirs",
                                   "# written by the session\nXDG_DOWNLOAD_DIR=\"$HOME/\"\n"
                                   "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
         },
         yes,
         {"home/Bureau/Word Game.desktop", menu}},
        {"an absolute desktop folder under XDG_CONFIG_HOME",
         [this](CEnvironmentScope& environment) {
             m_scope.MakeDirectories("config");
             m_scope.MakeDirectories("Other Desk");
             environment.Set("XDG_CONFIG_HOME", m_scope.Host("config"));
             m_scope.Drive().Write("config/user-dirs.dirs",
                                   "XDG_DESKTOP_DIR=\"" + Canonical("Other Desk") + "\"\n");
         },
         yes,
         {menu, "Other Desk/Word Game.desktop"}},
        {"XDG_DATA_HOME, created with its parents",
         [this](auto& environment) { environment.Set("XDG_DATA_HOME", m_scope.Host("data/deep")); },
         no,
         {"data/deep/applications/Word Game.desktop"}},
        {"a relative XDG_DATA_HOME is ignored",
         [](auto& environment) { environment.Set("XDG_DATA_HOME", "data"); },
         no,
         {menu}},
        {"no home folder: nothing at all, and said",
         [](auto& environment) { environment.Set("HOME", ""); },
         {noMenu, {ask, MessageResult::Yes}, noDesktop, yes[1]},
         {}},
        {"no home folder, but XDG_DATA_HOME",
         [this](auto& environment) {
             environment.Unset("HOME");
             environment.Set("XDG_DATA_HOME", m_scope.Host("data"));
         },
         {yes[0], noDesktop, yes[1]},
         {"data/applications/Word Game.desktop"}},
        {"the launcher is named after LnkName",
         {},
         no,
         {std::string(kApplications) + "Other.desktop"},
         "[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=Other.lnk\n"},
        {"no Name: the rest goes on with an empty name",
         {},
         {noName, {ask, MessageResult::Yes}, {"info:" + Success(""), MessageResult::Ok}},
         {menu, desktop},
         "[Shortcuts]\nExeName=LETTRINO\nLnkName=Word Game.lnk\n"},
        {"no LnkName",
         {},
         {noShortcut},
         {},
         "[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=\n"},
        {"no ExeName and no Name",
         {},
         {noName, noShortcut},
         {},
         "[Setup]\nName=\n[Shortcuts]\nLnkName=Word Game.lnk\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CEnvironmentScope restore;
        for (const char* folder : {"home", "config", "Other Desk", "data", "cwd"}) {
            std::filesystem::remove_all(m_scope.Host(folder));
        }
        m_scope.MakeDirectories("home/Desktop");
        m_scope.MakeDirectories("cwd");
        m_scope.Enter("cwd");
        InstallProgram("Games");
        WriteIni(c.ini);
        if (c.prepare) {
            c.prepare(restore);
        }
        std::vector<std::string> boxes;
        for (const auto& [box, answer] : c.boxes) {
            boxes.push_back(box);
            m_ui.Answer(answer);
        }

        setup::CreateProductShortcuts("C:\\Games");

        std::vector<std::string> expected = c.launchers;
        expected.insert(expected.end(), {"Games/LETTRINO", "My Setup/SETUP.INI"});
        std::sort(expected.begin(), expected.end());
        std::vector<std::string> files = FilesOnDrive();
        std::erase_if(files,
                      [](const std::string& file) { return file.ends_with("user-dirs.dirs"); });
        EXPECT_EQ(files, expected);
        for (const std::string& file : c.launchers) {
            const bool onDesktop = file.find("applications/") == std::string::npos;
            EXPECT_EQ(Mode(m_scope.Host(file)), onDesktop ? 0755u : 0644u) << file;
            EXPECT_EQ(Validate(m_scope.Host(file)), "0:") << file;
        }
        EXPECT_EQ(Boxes(), boxes);
        EXPECT_TRUE(m_ui.ScriptUsedUp());
        m_ui.ClearTranscript();
    }
}

}  // namespace
