#include "platform/ProgramFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/ProgramPath.h"

TEST(ProgramFile, ReplacesOnlyTheExtensionOfTheFileName) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        // Linux programs have no extension; dots in directories must stay.
        {"/opt/app-1.2/Lettrino", "/opt/app-1.2/Lettrino.txt"},
        {"/home/ann/.local/bin/Lettrino", "/home/ann/.local/bin/Lettrino.txt"},
        {"/usr/games/Lettrino", "/usr/games/Lettrino.txt"},
        // The Windows form keeps its directory and loses its own extension.
        {"C:\\Games\\Lettrino.exe", "C:\\Games\\Lettrino.txt"},
        {"C:\\Old.Games\\Lettrino", "C:\\Old.Games\\Lettrino.txt"},
        {"/opt/app-1.2/Lettrino.exe", "/opt/app-1.2/Lettrino.txt"},
        {"Lettrino.exe", "Lettrino.txt"},
        {"Lettrino", "Lettrino.txt"},
        {"/games/Lettrino.game.bin", "/games/Lettrino.game.txt"},
        // A hidden file's leading dot is part of its name.
        {"/home/ann/.lettrino", "/home/ann/.lettrino.txt"},
        {"/home/ann/dir/", "/home/ann/dir/.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ReplaceFileExtension(c.path, ".txt"), c.expected) << c.path;
    }
}

TEST(ProgramFile, NamesFilesAfterTheRunningProgram) {
    platform::OverrideProgramPath("/opt/app-1.2/Lettrino");
    EXPECT_EQ(platform::ProgramRelativePath(".bak"), "/opt/app-1.2/Lettrino.bak");
    platform::OverrideProgramPath("");
    const std::string real = platform::ProgramRelativePath(".txt");
    // The test program has no extension but the one programs need to start.
    const std::string program = platform::ProgramPath();
    EXPECT_EQ(real, program.substr(0, program.size() - std::strlen(platform::kProgramExtension)) +
                        ".txt");
}
