// The installer's copy loop and rollback against cp and rm on the same files of the
// same file system in the same run. Each pair is named BM_<Operation>_Reference (the
// command) and BM_<Operation> (the engine), as bench/ratios.py expects. The engine
// side runs the whole loop as the progress window runs it: SETUP.INI read for every
// file, events pumped, status text and progress fed.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/DriveMap.h"
#include "platform/InstallFolder.h"
#include "platform/ProgramPath.h"
#include "setup/config/ProfileReader.h"
#include "setup/engine/CopyFiles.h"
#include "setup/engine/InstallerWindows.h"
#include "setup/engine/RemoveCopiedFiles.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargeFileBytes = 256u << 20;
constexpr int kSmallFiles = 5000;
constexpr std::size_t kSmallFileBytes = 4096;

// A product in a temporary folder that C: points at: the setup program's folder
// with SETUP.INI and the files, and the install folder.
class CProduct {
public:
    CProduct(const std::string& name, int count, std::size_t bytes) {
        std::string pattern = (fs::temp_directory_path() / ("install-bench-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_root = pattern;
        fs::create_directories(m_root / "Setup");
        fs::create_directories(m_root / "Inst");
        std::string ini =
            "[Setup]\r\nCaption=Benchmark\r\n[Files]\r\nFiles=" + std::to_string(count) + "\r\n";
        std::string bytesOfFile(bytes, 'x');
        for (int i = 1; i <= count; ++i) {
            // Named in upper case already, so that cp gives the copies the names the
            // installer gives them.
            const std::string file = name + std::to_string(i) + ".BIN";
            bytesOfFile[0] = static_cast<char>('a' + i % 26);
            std::ofstream(m_root / "Setup" / file, std::ios::binary) << bytesOfFile;
            ini += "File" + std::to_string(i) + "=" + file + "\r\n";
            m_sources.push_back((m_root / "Setup" / file).string());
            m_destinations.push_back((m_root / "Inst" / file).string());
            m_entries.push_back("C:\\Inst\\" + file);
        }
        std::ofstream(m_root / "Setup" / "SETUP.INI", std::ios::binary) << ini;
        // File systems stamp changes with a coarse clock, so the installer parses a
        // SETUP.INI changed a moment ago afresh on every read; a shipped one is old.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    ~CProduct() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    void RenewInstallFolder() {
        if (m_destinations.size() == 1) {
            fs::remove_all(m_root / "Inst");
            fs::create_directories(m_root / "Inst");
            return;
        }
        fs::create_directories(m_root / "Aside");
        fs::rename(m_root / "Inst", m_root / "Aside" / std::to_string(++m_nAside));
        fs::create_directories(m_root / "Inst");
    }

    void Enter() const {
        platform::MapDrive('C', m_root.string());
        platform::OverrideProgramPath((m_root / "Setup" / "setup").string());
    }

    fs::path m_root;
    std::vector<std::string> m_sources;
    std::vector<std::string> m_destinations;
    std::vector<std::string> m_entries;  // as the copied-files list holds them
    int m_nAside = 0;
};

// Runs `arguments` (the program first, looked up in PATH) and waits for it.
void Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    int status = 0;
    if (::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
        ::waitpid(child, &status, 0) != child || status != 0) {
        std::abort();
    }
}

void CopyWithCp(const CProduct& product) {
    // One cp for all files, as one loop copies them all.
    if (product.m_sources.size() == 1) {
        Spawn({"cp", product.m_sources[0], product.m_destinations[0]});
        return;
    }
    std::vector<std::string> arguments = {"cp"};
    arguments.insert(arguments.end(), product.m_sources.begin(), product.m_sources.end());
    arguments.push_back((product.m_root / "Inst").string());
    Spawn(arguments);
}

// The progress window as the copy loop sees it, keeping what a window would show.
class CBenchProgress : public setup::CCopyProgress {
public:
    const std::string& TargetDirectory() const override { return m_strTarget; }
    platform::CStringArray& CopiedFiles() override { return m_copied; }
    int Status() const override { return m_nStatus; }
    void SetStatus(int nStatus) override { m_nStatus = nStatus; }
    void SetStatusText(const std::string& text) override { m_strText = text; }
    void SetProgress(std::uint64_t nDone, std::uint64_t nTotal) override {
        m_nPermille = nTotal == 0 ? 1000 : static_cast<int>(nDone * 1000 / nTotal);
    }
    void EndProgress() override { ++m_nEnds; }

    std::string m_strTarget = "C:\\Inst";
    platform::CStringArray m_copied;
    int m_nStatus = setup::kStatusCompleted;
    std::string m_strText;
    int m_nPermille = 0;
    int m_nEnds = 0;
};

// The copy as the run makes it, its journal written ahead in the install folder.
bool CopyWithEngine(const CProduct& product, platform::CInstallFolder& folder,
                    setup::CInstallJournal& journal) {
    CBenchProgress progress;
    if (!folder.Open((product.m_root / "Inst").string()) || !folder.TryLock() ||
        !journal.Begin(folder)) {
        return false;
    }
    setup::CopyFiles(progress, folder, journal);
    return progress.m_nStatus == setup::kStatusCompleted && progress.m_nEnds == 1;
}

void CopyWithEngine(benchmark::State& state, const CProduct& product) {
    platform::CInstallFolder folder;
    setup::CInstallJournal journal;
    if (!CopyWithEngine(product, folder, journal)) {
        state.SkipWithError("the copy failed");
    }
    journal.Complete();
}

class CYesToAll : public setup::CInstallerWindows {
public:
    bool ChooseDirectory(std::string&) override { return false; }
    int RunProgress(const std::string&, platform::CStringArray&,
                    const setup::CCopyRoutine&) override {
        return setup::kStatusFailed;
    }
    int AskQuestion(const std::string&) override { return setup::kAnswerYesToAll; }
};

CProduct& LargeProduct() {
    static CProduct product("LARGE", 1, kLargeFileBytes);
    return product;
}

CProduct& SmallProduct() {
    static CProduct product("SMALL", kSmallFiles, kSmallFileBytes);
    return product;
}

// Every copy goes to new files in an empty folder, as an installation does, made
// outside the time measured. Replacing the files of the previous iteration would
// make each copy wait for the write-back of the file it truncates. Deleting the
// thousands of small files would leave the file system as many recently freed
// inodes to step over when it allocates the next ones, so those are set aside until
// the program ends; the one large file is deleted, as keeping gigabytes of copies
// in the page cache slows every later copy down.
void Clear(benchmark::State& state, CProduct& product) {
    state.PauseTiming();
    product.RenewInstallFolder();
    state.ResumeTiming();
}

// Starts each benchmark with nothing left to write back from the one before.
void Settle() {
    ::sync();
}

void BM_CopyLargeFile_Reference(benchmark::State& state) {
    CProduct& product = LargeProduct();
    Settle();
    for (auto _ : state) {
        Clear(state, product);
        CopyWithCp(product);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kLargeFileBytes));
}

void BM_CopyLargeFile(benchmark::State& state) {
    CProduct& product = LargeProduct();
    product.Enter();
    Settle();
    for (auto _ : state) {
        Clear(state, product);
        CopyWithEngine(state, product);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kLargeFileBytes));
}

void BM_CopySmallFiles_Reference(benchmark::State& state) {
    CProduct& product = SmallProduct();
    Settle();
    for (auto _ : state) {
        Clear(state, product);
        CopyWithCp(product);
    }
}

void BM_CopySmallFiles(benchmark::State& state) {
    CProduct& product = SmallProduct();
    product.Enter();
    Settle();
    for (auto _ : state) {
        Clear(state, product);
        CopyWithEngine(state, product);
    }
}

// Puts the copies back between two removals, outside the time measured.
void Refill(benchmark::State& state, const CProduct& product) {
    state.PauseTiming();
    CopyWithCp(product);
    state.ResumeTiming();
}

void BM_RemoveSmallFiles_Reference(benchmark::State& state) {
    const CProduct& product = SmallProduct();
    std::vector<std::string> arguments = {"rm", "-f"};
    arguments.insert(arguments.end(), product.m_destinations.begin(), product.m_destinations.end());
    Settle();
    for (auto _ : state) {
        Refill(state, product);
        Spawn(arguments);
    }
}

void BM_RemoveSmallFiles(benchmark::State& state) {
    const CProduct& product = SmallProduct();
    product.Enter();
    CYesToAll windows;
    Settle();
    for (auto _ : state) {
        // The files to remove are those of a run, written outside the time measured.
        state.PauseTiming();
        auto folder = std::make_unique<platform::CInstallFolder>();
        setup::CInstallJournal journal;
        if (!CopyWithEngine(product, *folder, journal)) {
            state.SkipWithError("the copy failed");
            break;
        }
        state.ResumeTiming();
        if (!setup::RemoveCopiedFiles(windows, journal, *folder)) {
            state.SkipWithError("not every file was removed");
        }
        journal.End();
    }
}

// SETUP.INI with as many sections as the argument, each with a key: the time per
// section must stay flat from 1,500 to 150,000 sections (the fit printed is N or
// N lg N, never N^2), or a hostile file keeps the first window from showing.
void BM_ParseSections(benchmark::State& state) {
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        text += "[Section" + std::to_string(i) + "]\r\nKey=" + std::to_string(i) + "\r\n";
    }
    for (auto _ : state) {
        const setup::CProfileReader reader(text);
        benchmark::DoNotOptimize(reader.Find("Section1", "Key"));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseSections)
    ->RangeMultiplier(10)
    ->Range(1500, 150000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A fixed number of copies: the small files of each stay on disk until the end.
BENCHMARK(BM_CopyLargeFile_Reference)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_CopyLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_CopySmallFiles_Reference)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CopySmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RemoveSmallFiles_Reference)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RemoveSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
