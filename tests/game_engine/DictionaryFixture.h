#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/engine/Dictionary.h"
#include "platform/ProgramPath.h"
#include "platform/RuntimeRandom.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempDir.h"

// A game installed in a temporary folder: the program "Lettrino" in a directory
// whose name holds a dot, its dictionary file beside it, and scripted message boxes.
class DictionaryFixture : public ::testing::Test {
protected:
    DictionaryFixture() {
        std::filesystem::create_directories(m_dir.Path() / "games-1.2");
        platform::OverrideProgramPath((m_dir.Path() / "games-1.2" / "Lettrino").string());
        platform::RuntimeRandom().Seed(1);
    }
    ~DictionaryFixture() override { platform::OverrideProgramPath(""); }

    // As the game names them: in the system's own separators.
    std::string TextPath() const { return (m_dir.Path() / "games-1.2" / "Lettrino.txt").string(); }
    std::string BackupPath() const { return (m_dir.Path() / "games-1.2" / "Lettrino.bak").string(); }
    std::string ReadText() const { return m_dir.Read("games-1.2/Lettrino.txt"); }
    std::string ReadBackup() const { return m_dir.Read("games-1.2/Lettrino.bak"); }
    void WriteText(const std::string& bytes) const { m_dir.Write("games-1.2/Lettrino.txt", bytes); }
    void WriteBackup(const std::string& bytes) const {
        m_dir.Write("games-1.2/Lettrino.bak", bytes);
    }

    // A dictionary loaded from a file holding `words`, one a line.
    std::unique_ptr<lettrino::CDictionary> LoadWords(const std::vector<std::string>& words) {
        std::string bytes;
        for (const std::string& word : words) {
            bytes += word + "\r\n";
        }
        WriteText(bytes);
        auto dictionary = std::make_unique<lettrino::CDictionary>();
        dictionary->Load();
        return dictionary;
    }

    static std::vector<std::string> Entries(const lettrino::CDictionary& dictionary) {
        std::vector<std::string> entries;
        for (std::size_t i = 0; i < dictionary.GetSize(); ++i) {
            entries.push_back(dictionary.GetAt(i));
        }
        return entries;
    }

    testing_support::CTempDir m_dir;
    testing_support::CScriptedUserInterface m_ui;
};
