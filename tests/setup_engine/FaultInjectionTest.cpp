// Every way a file of the product can fail, and a cancel, at every position in the
// list: the user sees the whole rollback, which must leave the drive exactly as it
// was, and nothing outside the install directory may ever be written.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "setup/engine/InstallerWindows.h"
#include "tests/setup_engine/InstallFixture.h"
#include "tests/support/FileSystemFaults.h"
#include "tests/support/Links.h"

using testing_support::CInstallFixture;
using testing_support::CProductFile;
using testing_support::kProduct;

namespace {

namespace fs = std::filesystem;

// File `index` of the standard product, below C:, in the setup folder and installed.
std::string Source(const CInstallFixture& f, std::size_t index) {
    return f.m_scope.Host("Media/Setup/" + kProduct[index].source);
}
std::string Destination(const CInstallFixture& f, std::size_t index) {
    return f.m_scope.Host(kProduct[index].destination);
}

// Prepares file `index` (0-based) of `values` to fail, before the drive's state is
// taken; it may change the value in SETUP.INI.
using Prepare = std::function<void(CInstallFixture&, std::size_t index, std::vector<std::string>&)>;

struct CFault {
    const char* what;
    Prepare prepare;
    bool writtenPartWay = false;  // the file was completed, so the rollback offers it
    bool limitFileSize = false;
    bool cancels = false;  // the user cancels: the file is finished, the last one too late
    void (*arm)() = nullptr;  // a system call fails from this file on
    bool bFileLink = false;   // the row needs a link to a file seen as one
};

// A user's file already at the destination, with a second name outside (a backup
// made with cp -al): neither may change, nor lose its inode.
Prepare OverOriginal = [](auto& f, auto i, auto&) {
    f.Write(kProduct[i].destination, "the user's copy\n");
    fs::create_hard_link(Destination(f, i), f.m_scope.Host("Backup.txt"));
};

const CFault kFaults[] = {
    {"the source is missing", [](auto& f, auto i, auto&) { fs::remove(Source(f, i)); }},
    {"a folder stands where the destination goes",
     [](auto& f, auto i, auto&) { fs::create_directories(Destination(f, i)); }},
    {"the destination is the source under another name",
     [](auto& f, auto i, auto&) { fs::create_hard_link(Source(f, i), Destination(f, i)); }},
    {"the file-size limit is reached part-way", [](auto&, auto, auto&) {}, false, true},
    {"the value climbs out of the install folder",
     [](auto& f, auto i, auto& values) {
         f.m_scope.MakeDirectories("Outside");
         values[i] = "..\\Outside\\climb.txt";
         f.Write("Media/Outside/climb.txt", "climbing\n");
     }},
    {"the value is an absolute path",
     [](auto& f, auto i, auto& values) {
         f.Write("Outside/absolute.txt", "kept\n");
         values[i] = "C:\\Outside\\absolute.txt";
     }},
    {"a folder on the way is a link out of the install folder",
     [](auto& f, auto i, auto& values) {
         f.m_scope.MakeDirectories("Outside");
         testing_support::MakeFolderLink(f.m_scope.Host("Outside"), f.m_scope.Host("Prod/Link"));
         values[i] = "Link\\linked.txt";
         f.Write("Media/Setup/Link/linked.txt", "linked\n");
     }},
    {"the destination is a link to a file outside",
     [](auto& f, auto i, auto&) {
         f.Write("Outside/victim.txt", "must stay\n");
         testing_support::MakeFileLink(f.m_scope.Host("Outside/victim.txt"), Destination(f, i));
     },
     false, false, false, nullptr, true},
    {"the disk is full, over a hard-linked file", OverOriginal, false, false, false,
     testing_support::FailCopiesWithDiskFull},
    {"syncing the replacement fails", OverOriginal, false, false, false, testing_support::FailSyncs},
    {"closing the file fails", OverOriginal, false, false, false, testing_support::FailCloses},
    {"renaming it into place fails", OverOriginal, false, false, false,
     testing_support::FailRenames},
#ifndef _WIN32
    // A FIFO lives in the file system on POSIX only; Win32's pipes have names of
    // their own, never a file's.
    {"the source is a FIFO",
     [](auto& f, auto i, auto&) {
         fs::remove(Source(f, i));
         ::mkfifo(Source(f, i).c_str(), 0644);
     }},
#endif
    {"the user cancels during the file",
     [](auto& f, auto i, auto&) { f.m_ui.CancelDuringFile(static_cast<int>(i) + 1); }, true, false,
     true},
};

}  // namespace

TEST(FaultInjection, AFailedOrCancelledFileAnywhereLeavesTheDriveAsItWas) {
    for (const CFault& fault : kFaults) {
        if (fault.bFileLink && !testing_support::FileLinksAreSeen()) {
            continue;
        }
        for (std::size_t index = 0; index < kProduct.size() - (fault.cancels ? 1 : 0); ++index) {
            for (int answer : {setup::kAnswerYesToAll, setup::kAnswerYes}) {
                SCOPED_TRACE(std::string(fault.what) + ", file " + std::to_string(index + 1) +
                             (answer == setup::kAnswerYes ? ", Yes to each" : ", Yes to All"));
                CInstallFixture f;
                testing_support::MakeStandardProduct(f);
                std::vector<std::string> values;
                for (const CProductFile& file : kProduct) {
                    values.push_back(file.value);
                }
                fault.prepare(f, index, values);
                f.WriteFileList(values);
                const auto before = f.Tree();

                for (std::size_t i = 0; fault.arm != nullptr && i <= index; ++i) {
                    f.m_ui.OnNextPump([&fault, i, index] {
                        if (i == index) {
                            fault.arm();
                        }
                    });
                }
                if (fault.limitFileSize) {
                    // Reached half-way through the file, set just before it starts.
                    const auto size = fs::file_size(Source(f, index));
                    for (std::size_t i = 0; i < index; ++i) {
                        f.m_ui.OnNextPump([] {});
                    }
                    f.m_ui.OnNextPump([size] { testing_support::RunOutOfSpaceAfter(size / 2); });
                }
                f.m_ui.m_strChosenPath = "C:\\Prod";
                const std::size_t listed = index + (fault.writtenPartWay ? 1 : 0);
                for (std::size_t i = 0; i < listed; ++i) {
                    f.m_ui.m_questionAnswers.push_back(answer);
                }
                f.m_ui.m_yesNoAnswers.push_back(true);  // remove the directory
                f.Run();
                testing_support::ResetFileSystemCalls();

                // Yes to All is asked once, at the first file.
                const std::size_t asked =
                    answer == setup::kAnswerYesToAll ? std::min<std::size_t>(listed, 1) : listed;
                testing_support::Lines questions;
                for (std::size_t i = 0; i < asked; ++i) {
                    questions.push_back("question Remove " + kProduct[i].entry + "?");
                }
                questions.push_back("? Remove directory C:\\Prod?");
                const std::string failure =
                    fault.cancels
                        ? testing_support::kAskCancel
                        : "! Error:  Cannot copy file C:\\Media\\Setup\\" + values[index] + ".";
                EXPECT_EQ(f.m_ui.Lines(), testing_support::Copying(
                                              "C:\\Prod", static_cast<int>(index) + 1, 5,
                                              testing_support::RolledBack(failure, questions)));
                EXPECT_TRUE(f.m_postCopyCalls.empty());
                EXPECT_EQ(f.Tree(), before);
            }
        }
    }
}
