#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "tests/support/ResourceLimit.h"
#endif

#include "game/engine/Dictionary.h"
#include "tests/game_engine/DictionaryFixture.h"
#include "tests/support/FileSystemFaults.h"

using lettrino::CDictionary;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;
using testing_support::CProcessExit;
#ifndef _WIN32
using testing_support::CResourceLimit;
#endif
using Words = std::vector<std::string>;

namespace {

std::ptrdiff_t FileCount(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

}  // namespace

using DictionaryFile = DictionaryFixture;

TEST_F(DictionaryFile, NamesItsFilesAfterTheProgramInItsOwnDirectory) {
    CDictionary dictionary;
    EXPECT_EQ(dictionary.GetFilePath(".txt"), TextPath());
    EXPECT_EQ(dictionary.GetFilePath(".bak"), BackupPath());
    platform::OverrideProgramPath("C:\\Games\\Lettrino.exe");
    EXPECT_EQ(dictionary.GetFilePath(".bak"), "C:\\Games\\Lettrino.bak");
}

TEST_F(DictionaryFile, LoadKeepsOnlyValidWordsInFileOrder) {
    struct Case {
        const char* name;
        std::string bytes;
        Words entries;
    };
    const Case cases[] = {
        {"trim and upper-case", "  apple  \r\nApple\r\n", {"APPLE", "APPLE"}},
        {"skipped lines",
         "ice-cream\r\ndon't\r\ntwo words\r\ncaf\xc3\xa9\r\n\r\nR2D2\r\nCAT\r\n",
         {"CAT"}},
        {"length limits",
         "ox\nCAT\nABCDEFGHIJKLMNOP\nABCDEFGHIJKLMNOPQ\n",
         {"CAT", "ABCDEFGHIJKLMNOP"}},
        {"duplicates stay", "CAT\r\nDOG\r\nCAT\r\n", {"CAT", "DOG", "CAT"}},
        {"LF, CR LF and no end", "CAT\nDOG\r\nEEL", {"CAT", "DOG", "EEL"}},
        {"CR alone joins everything", "CAT\rDOG\rEEL\r", {}},
        {"CTRL-Z ends the file",
         "CAT\r\n\x1A"
         "DOG\r\n",
         {"CAT"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        WriteText(c.bytes);
        CDictionary dictionary;
        dictionary.Load();
        EXPECT_EQ(Entries(dictionary), c.entries) << c.name;
        EXPECT_FALSE(dictionary.IsModified()) << c.name;
    }
    EXPECT_TRUE(m_ui.Transcript().empty());
    // Each load shows the busy pointer once, and hides it again.
    std::vector<bool> expected;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        expected.insert(expected.end(), {true, false});
    }
    EXPECT_EQ(m_ui.BusyChanges(), expected);
}

TEST_F(DictionaryFile, MissingFileEndsTheProcessAfterMessage102) {
    CDictionary dictionary;
    m_ui.Answer(MessageResult::Ok);
    try {
        dictionary.Load();
        FAIL() << "the load went on without a dictionary";
    } catch (const CProcessExit& exit) {
        EXPECT_EQ(exit.exitCode, 0);
    }
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text, "Cannot load dictionary file \"" + TextPath() + "\".");
    EXPECT_EQ(m_ui.Transcript()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_ui.Transcript()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(m_ui.Transcript()[0].busyDepth, 1);
}

TEST_F(DictionaryFile, LoadFindsTheFileWhateverItsLetterCase) {
    m_dir.Write("games-1.2/LETTRINO.TXT", "cat\r\n");
    CDictionary dictionary;
    dictionary.Load();
    EXPECT_EQ(Entries(dictionary), Words{"CAT"});
}

#ifndef _WIN32
// A file whose read fails is POSIX's /proc here; Win32 has no such file.
TEST_F(DictionaryFile, ReadErrorIsReportedAndTheGameGoesOn) {
    // Reading from offset 0 of the process's own memory fails: a read error, not the end.
    std::filesystem::create_symlink("/proc/self/mem", TextPath());
    CDictionary dictionary;
    m_ui.Answer(MessageResult::Ok);
    dictionary.Load();
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].text,
              "An unknown error occurred while accessing " + TextPath() + ".");
    EXPECT_EQ(m_ui.Transcript()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dictionary.GetSize(), 0u);
    EXPECT_FALSE(dictionary.IsModified());
}
#endif

TEST_F(DictionaryFile, AddWordAppendsOnlyNewValidWords) {
    struct Case {
        const char* word;
        Words entries;
        bool modified;
    };
    const Case cases[] = {
        {"CAT", {"CAT", "DOG"}, false},          // an exact entry changes nothing
        {"cat", {"CAT", "DOG", "CAT"}, true},    // compared as passed, stored upper-cased
        {" EEL ", {"CAT", "DOG", "EEL"}, true},  // trimmed before storing
        {"OX", {"CAT", "DOG"}, false},
        {"ICE-CREAM", {"CAT", "DOG"}, false},
        {"", {"CAT", "DOG"}, false},
    };
    for (const Case& c : cases) {
        auto dictionary = LoadWords({"CAT", "DOG"});
        dictionary->AddWord(c.word);
        EXPECT_EQ(Entries(*dictionary), c.entries) << c.word;
        EXPECT_EQ(dictionary->IsModified(), c.modified) << c.word;
        EXPECT_EQ(dictionary->Contains(c.entries.back()), true) << c.word;
    }
}

TEST_F(DictionaryFile, ContainsComparesExactlyAndSeesAddedWords) {
    auto dictionary = LoadWords({"CAT", "DOG", "CAT"});
    struct Case {
        const char* word;
        bool present;
    };
    const Case cases[] = {{"CAT", true}, {"DOG", true},   {"cat", false}, {" CAT", false},
                          {"CA", false}, {"CATS", false}, {"", false},    {"EEL", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(dictionary->Contains(c.word), c.present) << c.word;
    }
    dictionary->AddWord("eel");
    EXPECT_TRUE(dictionary->Contains("EEL"));
    // Enough new words to make the index grow several times.
    for (int i = 0; i < 3000; ++i) {
        std::string word = "AAA";
        word[0] = static_cast<char>('A' + i % 26);
        word[1] = static_cast<char>('A' + i / 26 % 26);
        word[2] = static_cast<char>('A' + i / 676);
        dictionary->AddWord(word);
        ASSERT_TRUE(dictionary->Contains(word)) << word;
    }
    EXPECT_TRUE(dictionary->Contains("CAT"));
    EXPECT_FALSE(dictionary->Contains("ZZZZ"));
    EXPECT_EQ(m_ui.BusyDepth(), 0);
}

TEST_F(DictionaryFile, SaveIfModifiedAsksAndKeepsTheBackup) {
    enum class Before { Unchanged, Added };
    struct Case {
        const char* name;
        Before before;
        std::vector<MessageResult> answers;
        bool textThere;
        std::string text;    // after the save
        std::string backup;  // after the save; "-" for none
        bool modified;
    };
    const std::string original = "cat\n  Dog\nox\r\nCAT\r\n";
    const Case cases[] = {
        {"nothing added: no question", Before::Unchanged, {}, true, original, "old backup", false},
        {"answer No", Before::Added, {MessageResult::No}, true, original, "old backup", true},
        {"answer Yes",
         Before::Added,
         {MessageResult::Yes},
         true,
         "CAT\r\nDOG\r\nCAT\r\nEEL\r\n",
         original,
         false},
        {"file vanished",
         Before::Added,
         {MessageResult::Yes},
         false,
         "CAT\r\nDOG\r\nCAT\r\nEEL\r\n",
         "old backup",
         false},
    };
    for (const Case& c : cases) {
        m_ui.ClearTranscript();
        WriteText(original);
        WriteBackup("old backup");
        CDictionary dictionary;
        dictionary.Load();
        if (c.before == Before::Added) {
            dictionary.AddWord("EEL");
        }
        if (!c.textThere) {
            std::filesystem::remove(TextPath());
        }
        for (MessageResult answer : c.answers) {
            m_ui.Answer(answer);
        }
        EXPECT_TRUE(dictionary.SaveIfModified()) << c.name;
        EXPECT_EQ(ReadText(), c.text) << c.name;
        EXPECT_EQ(ReadBackup(), c.backup) << c.name;
        EXPECT_EQ(dictionary.IsModified(), c.modified) << c.name;
        ASSERT_EQ(m_ui.Transcript().size(), c.answers.size()) << c.name;
        if (!c.answers.empty()) {
            EXPECT_EQ(m_ui.Transcript()[0].text, "Save changes to dictionary?");
            EXPECT_EQ(m_ui.Transcript()[0].icon, MessageIcon::Question);
            EXPECT_EQ(m_ui.Transcript()[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(m_ui.Transcript()[0].busyDepth, 1);
        }
        EXPECT_EQ(FileCount(m_dir.Path() / "games-1.2"), 2) << c.name << ": a file left behind";
        EXPECT_EQ(m_ui.BusyDepth(), 0);
    }
}

TEST_F(DictionaryFile, FailedBackupIsReportedAndTheSaveGoesOn) {
    auto dictionary = LoadWords({"CAT"});
    dictionary->AddWord("DOG");
    // A backup name taken by a folder with something in it can be neither removed
    // nor renamed over.
    std::filesystem::create_directories(m_dir.Path() / "games-1.2" / "Lettrino.bak" / "x");
    m_ui.Answer(MessageResult::Yes);
    m_ui.Answer(MessageResult::Ok);
    EXPECT_TRUE(dictionary->SaveIfModified());
    ASSERT_EQ(m_ui.Transcript().size(), 2u);
    EXPECT_EQ(m_ui.Transcript()[1].text, "Cannot save backup file \"" + BackupPath() + "\".");
    EXPECT_EQ(m_ui.Transcript()[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ReadText(), "CAT\r\nDOG\r\n");
    EXPECT_FALSE(dictionary->IsModified());
}

TEST_F(DictionaryFile, FailedWriteLosesNothingAndCanBeRetried) {
    struct Case {
        const char* name;
        bool diskFull;  // else no file can even be created
        std::string message;
    };
    const Case cases[] = {
        {"disk full", true, "Disk full while accessing " + TextPath() + "."},
#ifndef _WIN32
        // A process that may open no more files is a POSIX resource limit.
        {"cannot create", false, "An unknown error occurred while accessing " + TextPath() + "."},
#endif
    };
    for (const Case& c : cases) {
        m_ui.ClearTranscript();
        std::vector<std::string> words(50, "ABCDEFGHIJ");
        auto dictionary = LoadWords(words);
        WriteBackup("old backup");
        const std::string original = ReadText();
        dictionary->AddWord("NEWWORD");
        m_ui.Answer(MessageResult::Yes);
        m_ui.Answer(MessageResult::Ok);
        if (c.diskFull) {
            testing_support::RunOutOfSpaceAfter(100);
            EXPECT_FALSE(dictionary->SaveIfModified()) << c.name;
            testing_support::ResetFileSystemCalls();
        } else {
#ifndef _WIN32
            CResourceLimit limit(RLIMIT_NOFILE, CResourceLimit::LowestFreeDescriptor());
            EXPECT_FALSE(dictionary->SaveIfModified()) << c.name;
#endif
        }
        ASSERT_EQ(m_ui.Transcript().size(), 2u) << c.name;
        EXPECT_EQ(m_ui.Transcript()[1].text, c.message);
        EXPECT_EQ(m_ui.Transcript()[1].icon, MessageIcon::Stop);
        EXPECT_EQ(ReadText(), original) << c.name;
        EXPECT_EQ(ReadBackup(), "old backup") << c.name;
        EXPECT_TRUE(dictionary->IsModified()) << c.name;
        EXPECT_EQ(m_ui.BusyDepth(), 0);

        // Once the cause is gone, leaving again asks again and saves.
        EXPECT_EQ(FileCount(m_dir.Path() / "games-1.2"), 2) << c.name << ": a file left behind";
        m_ui.Answer(MessageResult::Yes);
        EXPECT_TRUE(dictionary->SaveIfModified()) << c.name;
        EXPECT_EQ(ReadBackup(), original) << c.name;
        EXPECT_EQ(ReadText(), original + "NEWWORD\r\n") << c.name;
        EXPECT_FALSE(dictionary->IsModified()) << c.name;
    }
}

#ifndef _WIN32
// The save fills a new file of its own: a file or a symbolic link of the name the
// save once used stays as it was, and the dictionary keeps its permissions and group.
// Permissions and groups are POSIX's.
// One of the player's groups other than the first, or group 1 (no user's own) for
// root, who may give any.
gid_t SecondGroup() {
    std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
    groups.resize(
        static_cast<std::size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
    const auto other = std::ranges::find_if(groups, [](gid_t g) { return g != ::getegid(); });
    return other != groups.end() && ::geteuid() != 0 ? *other : 1;
}

TEST_F(DictionaryFile, SaveTouchesNoOtherFileAndKeepsThePermissions) {
    enum class Beside { Nothing, UserFile, Symlink };
    const struct {
        mode_t mode;
        Beside beside;
    } cases[] = {{0640, Beside::UserFile}, {0600, Beside::Symlink}, {0664, Beside::Nothing}};
    const std::filesystem::path oldName = m_dir.Path() / "games-1.2" / "Lettrino.tmp";
    for (const auto& c : cases) {
        auto dictionary = LoadWords({"CAT"});
        dictionary->AddWord("DOG");
        std::filesystem::remove(oldName);
        m_dir.Write("notes.txt", "the player's notes");
        if (c.beside == Beside::UserFile) {
            std::filesystem::copy_file(m_dir.Path() / "notes.txt", oldName);
        } else if (c.beside == Beside::Symlink) {
            std::filesystem::create_symlink(m_dir.Path() / "notes.txt", oldName);
        }
        ::chmod(TextPath().c_str(), c.mode);
        // A group other than the one a new file of the player's gets.
        const gid_t group = SecondGroup();
        if (::chown(TextPath().c_str(), static_cast<uid_t>(-1), group) != 0) {
            GTEST_SKIP() << "the player has no second group to give the dictionary";
        }
        m_ui.Answer(MessageResult::Yes);
        EXPECT_TRUE(dictionary->SaveIfModified());

        struct stat info {};
        ASSERT_EQ(::stat(TextPath().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, c.mode);
        EXPECT_EQ(info.st_gid, group) << c.mode;
        EXPECT_EQ(ReadText(), "CAT\r\nDOG\r\n");
        EXPECT_EQ(m_dir.Read("notes.txt"), "the player's notes") << c.mode;
        EXPECT_EQ(std::filesystem::exists(oldName), c.beside != Beside::Nothing) << c.mode;
        EXPECT_EQ(std::filesystem::is_symlink(oldName), c.beside == Beside::Symlink) << c.mode;
    }
}
#endif
