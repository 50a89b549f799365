#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/Shortcut.h"
#include "platform/SpecialFolder.h"
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

std::string Replace(std::string text, char from, const std::string& to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, 1, to);
    }
    return text;
}

// What desktop-file-validate says about `path`, with its exit status in front.
std::string Validate(const std::string& path) {
    const std::string command = "desktop-file-validate '" + Replace(path, '\'', "'\\''") + "' 2>&1";
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
        return "C:\\" + Replace(directory, '/', "\\");
    }
};

TEST_F(ShortcutTest, TheLauncherNamesTheInstalledProgramByItsHostPath) {
    struct Case {
        const char* name;
        const char* directory;  // below C:
        const char* exeName;
        const char* lnkName;
        const char* launcher;  // its file, and its Name without ".desktop"
        const char* exec;      // '@' stands for C:'s folder
        const char* path;
    };
    const Case cases[] = {
        {"plain", "Games", "Lettrino", "Word Game.lnk", "Word Game", "@/Games/LETTRINO", "@/Games"},
        {"blanks", "Program Files/Word Game", "LETTRINO", "Word Game.lnk", "Word Game",
         "\"@/Program Files/Word Game/LETTRINO\"", "@/Program Files/Word Game"},
        {"double quotes", "Say \"Hi\"", "lettrino", "Word Game.lnk", "Word Game",
         "\"@/Say \\\\\"Hi\\\\\"/LETTRINO\"", "@/Say \"Hi\""},
        {"percent and blank", "100% Fun", "Lettrino", "Fun.lnk", "Fun", "\"@/100%% Fun/LETTRINO\"",
         "@/100% Fun"},
        {"percent alone", "Fun%", "Lettrino", "Fun.lnk", "Fun", "@/Fun%%/LETTRINO", "@/Fun%"},
        {"shell characters", "Cash $5 `x` & it's (1)", "Lettrino", "Cash.lnk", "Cash",
         "\"@/Cash \\\\$5 \\\\`x\\\\` & it's (1)/LETTRINO\"", "@/Cash $5 `x` & it's (1)"},
        {"non-ASCII letters", "Jeux été", "lettrino", "Célébration.lnk", "Célébration",
         "\"@/Jeux été/LETTRINO\"", "@/Jeux été"},
        {"link name with a folder and no extension", "Games", "Lettrino", "Menu\\Word Game",
         "Word Game", "@/Games/LETTRINO", "@/Games"},
    };
    const std::string drive = Canonical("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallProgram(c.directory);
        WriteIni(std::string("[Setup]\nName=Word Game\n[Shortcuts]\nExeName=") + c.exeName +
                 "\nLnkName=" + c.lnkName + "\n");
        // An earlier launcher of the same name gives way to the new one.
        m_scope.MakeDirectories(kApplications);
        const std::string launcher =
            m_scope.Host(kApplications + std::string(c.launcher) + ".desktop");
        m_scope.Drive().Write(kApplications + std::string(c.launcher) + ".desktop", "old");
        m_ui.Answer(MessageResult::No);
        m_ui.Answer(MessageResult::Ok);

        setup::CreateProductShortcuts(Windows(c.directory));

        EXPECT_EQ(m_scope.Drive().Read(kApplications + std::string(c.launcher) + ".desktop"),
                  std::string("[Desktop Entry]\nType=Application\nName=") + c.launcher + "\nExec=" +
                      Replace(c.exec, '@', drive) + "\nPath=" + Replace(c.path, '@', drive) + "\n");
        EXPECT_EQ(Validate(launcher), "0:");
        EXPECT_EQ(Mode(launcher), 0644u);
        // Nothing else is left in the folder: no temporary file, no desktop launcher.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_scope.Host(kApplications)),
                                std::filesystem::directory_iterator()),
                  1);
        EXPECT_TRUE(std::filesystem::is_empty(m_scope.Host("home/Desktop")));
        std::filesystem::remove_all(m_scope.Host(kApplications));
    }
}

TEST_F(ShortcutTest, TheLinkNameAndDescriptionAreWrittenFaithfullyOrNotAtAll) {
    struct Case {
        const char* linkName;
        const char* description;
        const char* launcher;  // nullptr: nothing may be written
        const char* lines;     // after Exec and Path
    };
    const Case cases[] = {
        {"Tool.lnk", "Finds words; 100% \\ sure", "Tool.desktop",
         "Comment=Finds words; 100% \\\\ sure\n"},
        {" Lead.lnk", "", " Lead.desktop", ""},
        {"..\\..\\Escape.lnk", "", "Escape.desktop", ""},
        {"Tool.lnk", "two\nlines", nullptr, ""},
        {"Tool.lnk", "caf\xE9", nullptr, ""},
        {"Caf\xE9.lnk", "", nullptr, ""},
    };
    InstallProgram("Tools");
    const std::string drive = Canonical("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linkName);
        platform::CreateShortcut("C:\\Tools\\Lettrino", c.linkName, "C:\\Tools", c.description,
                                 platform::kFolderPrograms);
        const std::vector<std::string> files = FilesOnDrive();
        if (c.launcher == nullptr) {
            EXPECT_EQ(files, std::vector<std::string>{"Tools/LETTRINO"});
            continue;
        }
        const std::string launcher = kApplications + std::string(c.launcher);
        EXPECT_EQ(files, (std::vector<std::string>{"Tools/LETTRINO", launcher}));
        const std::string name = std::string(c.launcher).substr(0, std::strlen(c.launcher) - 8);
        EXPECT_EQ(m_scope.Drive().Read(launcher),
                  "[Desktop Entry]\nType=Application\nName=" +
                      (name[0] == ' ' ? "\\s" + name.substr(1) : name) + "\nExec=" + drive +
                      "/Tools/LETTRINO\nPath=" + drive + "/Tools\n" + c.lines);
        EXPECT_EQ(Validate(m_scope.Host(launcher)), "0:");
        std::filesystem::remove(m_scope.Host(launcher));
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
