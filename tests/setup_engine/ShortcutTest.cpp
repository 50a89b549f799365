#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/Shortcut.h"
#include "platform/KnownFolder.h"
#include "setup/engine/PostCopyActions.h"
#include "tests/setup_engine/PostCopyFixture.h"

using platform::MessageResult;

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

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
    return text;
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
        const char* text;      // after "[Desktop Entry]\nType=Application\n"
    };
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
         "Name=Tool\nExec=@/Tools/LETTRINO\nPath=@/Tools\nComment=Finds words; 100% \\\\ sure\n"},
        {"Tools", "Lettrino", " Lead.lnk", "", " Lead.desktop",
         "Name=\\sLead\nExec=@/Tools/LETTRINO\nPath=@/Tools\n"},
        {"Tools", "Lettrino", "..\\..\\Escape.lnk", "", "Escape.desktop",
         "Name=Escape\nExec=@/Tools/LETTRINO\nPath=@/Tools\n"},
        {"Tools", "Lettrino", "Tool.lnk", "two\nlines", nullptr, nullptr},
        {"Tools", "Lettrino", "Tool.lnk", "caf\xE9", nullptr, nullptr},
        {"Tools", "Lettrino", "Caf\xE9.lnk", "", nullptr, nullptr},
    };
    const std::string drive = Canonical("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linkName);
        InstallProgram(c.directory);
        // An earlier launcher of the same name gives way to the new one.
        m_scope.MakeDirectories(kApplications);
        const std::string launcher = kApplications + std::string(c.launcher ? c.launcher : "");
        if (c.launcher != nullptr) {
            m_scope.Drive().Write(launcher, "old");
        }

        platform::CreateShortcut(Windows(c.directory) + "\\" + c.exeName, c.linkName,
                                 Windows(c.directory), c.description, platform::kFolderPrograms);

        std::vector<std::string> expected = {c.directory + std::string("/LETTRINO")};
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

TEST_F(ShortcutTest, LaunchersGoToTheSpecialFoldersThatExist) {
    struct Case {
        const char* name;
        std::function<void(testing_support::CEnvironmentScope&)> prepare;
        MessageResult answer;
        std::vector<std::string> launchers;  // below C:, besides SETUP.INI and the program
    };
    const std::string launcher = "Word Game.desktop";
    const Case cases[] = {
        {"No: the menu only",
         [](testing_support::CEnvironmentScope&) {},
         MessageResult::No,
         {kApplications + launcher}},
        {"Yes: the menu and the desktop",
         [](testing_support::CEnvironmentScope&) {},
         MessageResult::Yes,
         {"home/.local/share/applications/" + launcher, "home/Desktop/" + launcher}},
        {"no desktop folder: none is made",
         [this](testing_support::CEnvironmentScope&) {
             std::filesystem::remove(m_scope.Host("home/Desktop"));
         },
         MessageResult::Yes,
         {kApplications + launcher}},
        {"the desktop folder of user-dirs.dirs",
         [this](testing_support::CEnvironmentScope&) {
             m_scope.MakeDirectories("home/.config");
             m_scope.MakeDirectories("home/Bureau");
             m_scope.Drive().Write("home/.config/user-dirs.dirs",
                                   "# written by the session\nXDG_DOWNLOAD_DIR=\"$HOME/\"\n"
                                   "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
         },
         MessageResult::Yes,
         {"home/Bureau/" + launcher, kApplications + launcher}},
        {"an absolute desktop folder under XDG_CONFIG_HOME",
         [this](testing_support::CEnvironmentScope& environment) {
             m_scope.MakeDirectories("config");
             m_scope.MakeDirectories("Other Desk");
             environment.Set("XDG_CONFIG_HOME", m_scope.Host("config"));
             m_scope.Drive().Write("config/user-dirs.dirs",
                                   "XDG_DESKTOP_DIR=\"" + Canonical("Other Desk") + "\"\n");
         },
         MessageResult::Yes,
         {kApplications + launcher, "Other Desk/" + launcher}},
        {"XDG_DATA_HOME, created with its parents",
         [this](testing_support::CEnvironmentScope& environment) {
             environment.Set("XDG_DATA_HOME", m_scope.Host("data/deep"));
         },
         MessageResult::No,
         {"data/deep/applications/" + launcher}},
        {"a relative XDG_DATA_HOME is ignored",
         [](testing_support::CEnvironmentScope& environment) {
             environment.Set("XDG_DATA_HOME", "data");
         },
         MessageResult::No,
         {kApplications + launcher}},
        {"no home folder: nothing at all",
         [](testing_support::CEnvironmentScope& environment) { environment.Set("HOME", ""); },
         MessageResult::Yes,
         {}},
        {"no home folder, but XDG_DATA_HOME",
         [this](testing_support::CEnvironmentScope& environment) {
             environment.Unset("HOME");
             environment.Set("XDG_DATA_HOME", m_scope.Host("data"));
         },
         MessageResult::Yes,
         {"data/applications/" + launcher}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::CEnvironmentScope restore;
        for (const char* folder : {"home", "config", "Other Desk", "data", "cwd"}) {
            std::filesystem::remove_all(m_scope.Host(folder));
        }
        m_scope.MakeDirectories("home/Desktop");
        m_scope.MakeDirectories("cwd");
        m_scope.Enter("cwd");
        InstallProgram("Games");
        WriteIni("[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=Word Game.lnk\n");
        c.prepare(restore);
        m_ui.Answer(c.answer);
        m_ui.Answer(MessageResult::Ok);

        setup::CreateProductShortcuts("C:\\Games");

        std::vector<std::string> expected = c.launchers;
        expected.push_back("Games/LETTRINO");
        expected.push_back("My Setup/SETUP.INI");
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
        // The success message comes whether or not a launcher could be written.
        EXPECT_EQ(Boxes().back(), "info:" + Success("Word Game"));
        m_ui.ClearTranscript();
    }
}

TEST_F(ShortcutTest, MissingValuesAreReportedInOrder) {
    struct Case {
        const char* name;
        const char* ini;
        std::vector<MessageResult> answers;
        std::vector<std::string> boxes;
        std::size_t launchers;
    };
    const std::string noName =
        "error:Error:  Name item not specified in the [Setup] section in SETUP.INI.";
    const std::string noShortcut =
        "error:Error:  ExeName and/or LnkName not specified in [Shortcuts] section in SETUP.INI.";
    const std::string ask = "question:Create desktop shortcut?";
    const Case cases[] = {
        {"complete",
         "[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=Other.lnk\n",
         {MessageResult::No, MessageResult::Ok},
         {ask, "info:" + Success("Word Game")},
         1},
        {"no Name: the rest goes on with an empty name",
         "[Shortcuts]\nExeName=LETTRINO\nLnkName=Word Game.lnk\n",
         {MessageResult::Ok, MessageResult::Yes, MessageResult::Ok},
         {noName, ask, "info:" + Success("")},
         2},
        {"no LnkName",
         "[Setup]\nName=Word Game\n[Shortcuts]\nExeName=LETTRINO\nLnkName=\n",
         {MessageResult::Ok},
         {noShortcut},
         0},
        {"no ExeName and no Name",
         "[Setup]\nName=\n[Shortcuts]\nLnkName=Word Game.lnk\n",
         {MessageResult::Ok, MessageResult::Ok},
         {noName, noShortcut},
         0},
    };
    InstallProgram("Games");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIni(c.ini);
        for (MessageResult answer : c.answers) {
            m_ui.Answer(answer);
        }
        setup::CreateProductShortcuts("C:\\Games");
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(m_ui.ScriptUsedUp());
        EXPECT_EQ(FilesOnDrive().size(), 2 + c.launchers);
        m_ui.ClearTranscript();
        std::filesystem::remove_all(m_scope.Host("home/.local"));
        for (const auto& entry :
             std::filesystem::directory_iterator(m_scope.Host("home/Desktop"))) {
            std::filesystem::remove(entry.path());
        }
    }
}

}  // namespace
