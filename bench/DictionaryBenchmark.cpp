// The engine's dictionary operations against the plain algorithms of
// ReferenceDictionary.h, on the shipped dictionary and on a large one. Each pair is
// named BM_<Operation>_Reference and BM_<Operation>, with the same suffix, so that
// the ratios can be read from the JSON output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/ReferenceDictionary.h"
#include "game/engine/Dictionary.h"
#include "game/engine/Word.h"
#include "platform/ProgramPath.h"
#include "platform/RuntimeRandom.h"
#include "platform/TextFileReader.h"

namespace {

// The seeds of the draws measured: every iteration draws from one of them, so both
// sides of a pair do the same work whatever their iteration counts.
constexpr std::uint32_t kSeeds[] = {1, 2, 3, 4, 5, 6, 7, 8};
// Three draws from each seed on both sides of a pair: exactly the same puzzles.
constexpr benchmark::IterationCount kDrawIterations = 3 * std::size(kSeeds);

struct CDictionaryCase {
    std::string name;  // suffix of the benchmark names
    std::string path;  // the dictionary file
    std::unique_ptr<lettrino::CDictionary> pEngine;
    std::unique_ptr<reference::CReferenceDictionary> pReference;
    std::string puzzleWord;  // for the searches
    std::string present;     // for Contains
};

// The program path that names `textPath` as the program's dictionary file.
std::string ProgramPathFor(const std::string& textPath) {
    return textPath.substr(0, textPath.size() - 4);
}

std::unique_ptr<lettrino::CDictionary> LoadEngine(const std::string& path) {
    platform::OverrideProgramPath(ProgramPathFor(path));
    auto dictionary = std::make_unique<lettrino::CDictionary>();
    dictionary->Load();
    return dictionary;
}

// Reading the file's lines and nothing else: the floor for any load.
std::size_t ReadLines(const std::string& path) {
    platform::CTextFileReader reader;
    if (!reader.Open(path)) {
        std::abort();
    }
    std::string line;
    std::size_t bytes = 0;
    while (reader.ReadLine(line) == platform::CTextFileReader::Result::Line) {
        bytes += line.size();
    }
    return bytes;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "dictionary_benchmark: %s\n", what.c_str());
    std::exit(1);
}

void Prepare(CDictionaryCase& c) {
    c.pEngine = LoadEngine(c.path);
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < c.pEngine->GetSize(); ++i) {
        entries.push_back(c.pEngine->GetAt(i));
    }
    if (entries.empty()) {
        Fail("no words in " + c.path);
    }
    c.pReference = std::make_unique<reference::CReferenceDictionary>(entries);
    c.present = entries[entries.size() * 2 / 3];
    // The engine must draw what the plain algorithm draws, seed by seed.
    for (std::uint32_t seed : kSeeds) {
        platform::RuntimeRandom().Seed(seed);
        std::string plainWord;
        int plainCount = 0;
        c.pReference->ChoosePuzzleWord(plainWord, plainCount);
        platform::RuntimeRandom().Seed(seed);
        std::string word;
        int count = 0;
        c.pEngine->ChoosePuzzleWord(word, count);
        if (word != plainWord || count != plainCount) {
            Fail("different puzzle for seed " + std::to_string(seed) + " in " + c.path);
        }
        std::fprintf(stderr, "%s seed %u: %s (%d words)\n", c.name.c_str(), seed, word.c_str(),
                     count);
        if (seed == kSeeds[0]) {
            c.puzzleWord = word;
        }
    }
    platform::CStringArray expected;
    platform::CStringArray actual;
    c.pReference->FindFormableWords(c.puzzleWord, expected);
    c.pEngine->FindFormableWords(c.puzzleWord, actual);
    if (expected != actual) {
        Fail("different formable words in " + c.path);
    }
}

template <typename Dictionary>
void DrawOnce(Dictionary& dictionary, std::size_t iteration) {
    platform::RuntimeRandom().Seed(kSeeds[iteration % std::size(kSeeds)]);
    std::string word;
    int count = 0;
    dictionary.ChoosePuzzleWord(word, count);
    benchmark::DoNotOptimize(count);
}

void RegisterFreshDraw(const std::string& name, CDictionaryCase* p, bool bProfilesReady) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [p, bProfilesReady](benchmark::State& state) {
                                     std::size_t next = 0;
                                     for (auto _ : state) {
                                         state.PauseTiming();
                                         auto dictionary = LoadEngine(p->path);
                                         if (bProfilesReady) {
                                             platform::CStringArray list;
                                             dictionary->FindFormableWords("", list);
                                         }
                                         state.ResumeTiming();
                                         DrawOnce(*dictionary, next++);
                                         state.PauseTiming();
                                         dictionary.reset();
                                         state.ResumeTiming();
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kDrawIterations);
}

void Register(CDictionaryCase& c) {
    const std::string suffix = "/" + c.name;
    CDictionaryCase* p = &c;

    benchmark::RegisterBenchmark(("BM_Load_Reference" + suffix).c_str(),
                                 [p](benchmark::State& state) {
                                     for (auto _ : state) {
                                         benchmark::DoNotOptimize(ReadLines(p->path));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Load" + suffix).c_str(), [p](benchmark::State& state) {
        for (auto _ : state) {
            auto dictionary = LoadEngine(p->path);
            benchmark::DoNotOptimize(dictionary->GetSize());
            // Freeing the words is not part of loading them.
            state.PauseTiming();
            dictionary.reset();
            state.ResumeTiming();
        }
    })->Unit(benchmark::kMillisecond);

    // Each draw starts from one of the seeds on a dictionary that has drawn nothing
    // yet, so the engine's remembered counts from earlier draws do not help it. With
    // the letter profiles ready, they are built before the clock runs: the engine
    // builds them once, at its first draw or search ("First" measures that too). The
    // reference keeps nothing between draws, so both of its rows do the same work.
    for (const auto& [name, bProfilesReady] :
         {std::pair{"BM_ChoosePuzzleWord", true}, std::pair{"BM_ChoosePuzzleWordFirst", false}}) {
        benchmark::RegisterBenchmark((name + std::string("_Reference") + suffix).c_str(),
                                     [p](benchmark::State& state) {
                                         std::size_t next = 0;
                                         for (auto _ : state) {
                                             DrawOnce(*p->pReference, next++);
                                         }
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kDrawIterations);
        RegisterFreshDraw(name + suffix, p, bProfilesReady);
    }

    auto search = [](auto& dictionary, const std::string& word, benchmark::State& state) {
        platform::CStringArray list;
        for (auto _ : state) {
            dictionary.FindFormableWords(word, list);
            benchmark::DoNotOptimize(list.data());
        }
    };
    benchmark::RegisterBenchmark(
        ("BM_FindFormableWords_Reference" + suffix).c_str(),
        [p, search](benchmark::State& state) { search(*p->pReference, p->puzzleWord, state); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(
        ("BM_FindFormableWords" + suffix).c_str(),
        [p, search](benchmark::State& state) { search(*p->pEngine, p->puzzleWord, state); })
        ->Unit(benchmark::kMicrosecond);

    for (const bool present : {true, false}) {
        const std::string kind = present ? "/present" : "/absent";
        auto contains = [p, present](auto& dictionary, benchmark::State& state) {
            const std::string word = present ? p->present : std::string("QQQQQ");
            for (auto _ : state) {
                benchmark::DoNotOptimize(dictionary.Contains(word));
            }
        };
        benchmark::RegisterBenchmark(
            ("BM_Contains_Reference" + suffix + kind).c_str(),
            [p, contains](benchmark::State& state) { contains(*p->pReference, state); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            ("BM_Contains" + suffix + kind).c_str(),
            [p, contains](benchmark::State& state) { contains(*p->pEngine, state); })
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    static CDictionaryCase cases[] = {
        {"shipped", SHIPPED_DICTIONARY, nullptr, nullptr, {}, {}},
        {"large", LARGE_DICTIONARY, nullptr, nullptr, {}, {}},
    };
    for (CDictionaryCase& c : cases) {
        Prepare(c);
        Register(c);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
