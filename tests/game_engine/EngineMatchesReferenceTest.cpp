#include <random>

#include "bench/ReferenceDictionary.h"
#include "game/engine/Word.h"
#include "tests/game_engine/DictionaryFixture.h"

using Words = std::vector<std::string>;

namespace {

// Words over a small alphabet, so that long words have many formable entries and
// many of them are puzzle words; some duplicates and lines to be skipped as well.
Words RandomLines(std::mt19937& random, std::size_t count, const std::string& alphabet) {
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(2, 13);
    std::uniform_int_distribution<int> kind(0, 19);
    Words lines;
    while (lines.size() < count) {
        std::string word;
        for (int n = length(random); n > 0; --n) {
            word += alphabet[letter(random)];
        }
        switch (kind(random)) {
            case 0:
                word = " " + word + "\t";  // trimmed on reading
                break;
            case 1:
                word += "-x";  // skipped
                break;
            case 2:
                if (!lines.empty()) {
                    word = lines[random() % lines.size()];  // a duplicate
                }
                break;
            default:
                break;
        }
        lines.push_back(word);
    }
    return lines;
}

Words ValidEntries(const Words& lines) {
    Words entries;
    for (const std::string& line : lines) {
        std::string entry;
        if (lettrino::PrepareWord(entry, line, true)) {
            entries.push_back(entry);
        }
    }
    return entries;
}

}  // namespace

using EngineMatchesReference = DictionaryFixture;

TEST_F(EngineMatchesReference, OnRandomDictionaries) {
    struct Case {
        unsigned seed;
        std::size_t lines;
        std::string alphabet;
    };
    const Case cases[] = {
        {1, 300, "AEIRSTN"},
        {2, 800, "AEIOURSTLNDC"},
        {3, 1500, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {4, 120, "AEST"},
    };
    for (const Case& c : cases) {
        std::mt19937 random(c.seed);
        const Words lines = RandomLines(random, c.lines, c.alphabet);
        auto engine = LoadWords(lines);
        reference::CReferenceDictionary plain(ValidEntries(lines));
        ASSERT_EQ(Entries(*engine), plain.Entries()) << c.seed;

        for (int game = 0; game < 12; ++game) {
            // The same generator state must give the same puzzle, draw for draw.
            const std::uint32_t state = platform::RuntimeRandom().State();
            std::string plainWord;
            int plainCount = 0;
            const bool plainDrawn = plain.ChoosePuzzleWord(plainWord, plainCount, 200000);
            const std::uint32_t plainState = platform::RuntimeRandom().State();
            platform::RuntimeRandom().Seed(state);
            std::string word;
            int count = 0;
            const bool drawn = engine->ChoosePuzzleWord(word, count);
            ASSERT_EQ(drawn, plainDrawn) << c.seed << " game " << game;
            EXPECT_EQ(word, plainWord) << c.seed << " game " << game;
            EXPECT_EQ(count, plainCount) << c.seed << " game " << game;
            if (plainDrawn) {
                EXPECT_EQ(platform::RuntimeRandom().State(), plainState);
            }

            // Whole lists for the puzzle word and for other texts.
            for (const std::string& key : {plainWord, lines[game % lines.size()],
                                           plain.Entries()[game * 7 % plain.Entries().size()]}) {
                platform::CStringArray expected;
                platform::CStringArray actual;
                plain.FindFormableWords(key, expected);
                engine->FindFormableWords(key, actual);
                EXPECT_EQ(actual, expected) << c.seed << " key " << key;
            }

            // Words added during the game change later draws and lists alike.
            const Words more = RandomLines(random, 3, c.alphabet);
            for (const std::string& word : more) {
                EXPECT_EQ(engine->Contains(word), plain.Contains(word)) << word;
                engine->AddWord(word);
                plain.AddWord(word);
            }
            ASSERT_EQ(Entries(*engine), plain.Entries()) << c.seed << " game " << game;
        }
    }
}

TEST(PrepareWordMatchesReference, ForEveryByteAndLength) {
    // Every byte value at every position of texts of up to 20 characters, around
    // the length where the engine switches from eight characters at a time to one.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> letter('a', 'z');
    for (int length = 0; length <= 20; ++length) {
        for (int position = 0; position < std::max(length, 1); ++position) {
            for (int value = 0; value < 256; ++value) {
                std::string text;
                for (int i = 0; i < length; ++i) {
                    text += static_cast<char>(random() % 3 == 0 ? byte(random) : letter(random));
                }
                if (length > 0) {
                    text[position] = static_cast<char>(value);
                }
                for (const bool checkLength : {true, false}) {
                    std::string expected;
                    std::string actual = "previous";
                    ASSERT_EQ(lettrino::PrepareWord(actual, text, checkLength),
                              reference::PrepareWord(expected, text, checkLength))
                        << text;
                    ASSERT_EQ(actual, expected) << text;
                }
            }
        }
    }
}
