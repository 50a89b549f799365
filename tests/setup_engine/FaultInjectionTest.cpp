// Every way a file of the product can fail, at every position in the list: the
// rollback must leave the drive exactly as it was, and nothing outside the install
// directory may ever be written.
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "setup/engine/InstallerWindows.h"
#include "tests/setup_engine/InstallFixture.h"

using testing_support::CInstallFixture;
using testing_support::CProductFile;
using testing_support::kProduct;

namespace {

namespace fs = std::filesystem;

// Restores the process's file-size limit when the test is done with it.
class CFileSizeLimit {
public:
    CFileSizeLimit() { ::getrlimit(RLIMIT_FSIZE, &m_saved); }
    ~CFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    void Set(rlim_t bytes) const {
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }

private:
    rlimit m_saved{};
};

struct CFault {
    const char* what;
    // Prepares file `index` (0-based) of `values` to fail, before the drive's state
    // is taken; it may change the value in SETUP.INI.
    std::function<void(CInstallFixture&, std::size_t index, std::vector<std::string>& values)>
        prepare;
    bool writtenPartWay;  // the destination was touched, so the rollback offers it
    bool limitFileSize = false;
};

void Link(CInstallFixture& f, const std::string& target, const std::string& name) {
    fs::create_symlink(f.m_scope.Host(target), f.m_scope.Host(name));
}

const CFault kFaults[] = {
    {"the source is missing",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>&) {
         fs::remove(f.m_scope.Host("Media/Setup/" + kProduct[i].source));
     },
     false},
    {"a folder stands where the destination goes",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>&) {
         f.m_scope.MakeDirectories(kProduct[i].destination);
     },
     false},
    {"the destination is the source under another name",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>&) {
         fs::create_hard_link(f.m_scope.Host("Media/Setup/" + kProduct[i].source),
                              f.m_scope.Host(kProduct[i].destination));
     },
     false},
    {"the file-size limit is reached part-way",
     [](CInstallFixture&, std::size_t, std::vector<std::string>&) {}, true, true},
    {"the value climbs out of the install folder",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>& values) {
         f.m_scope.MakeDirectories("Outside");
         values[i] = "..\\Outside\\climb.txt";
         f.Write("Media/Outside/climb.txt", "climbing\n");
     },
     false},
    {"the value is an absolute path",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>& values) {
         f.Write("Outside/absolute.txt", "kept\n");
         values[i] = "C:\\Outside\\absolute.txt";
     },
     false},
    {"a folder on the way is a link out of the install folder",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>& values) {
         f.m_scope.MakeDirectories("Outside");
         Link(f, "Outside", "Prod/Link");
         values[i] = "Link\\linked.txt";
         f.Write("Media/Setup/Link/linked.txt", "linked\n");
     },
     false},
    {"the destination is a link to a file outside",
     [](CInstallFixture& f, std::size_t i, std::vector<std::string>&) {
         f.Write("Outside/victim.txt", "must stay\n");
         Link(f, "Outside/victim.txt", kProduct[i].destination);
     },
     false},
};

struct CAnswers {
    const char* what;
    int answer;  // given to every file question
};

const CAnswers kAnswerModes[] = {{"Yes to All", setup::kAnswerYesToAll},
                                 {"Yes to each", setup::kAnswerYes}};

}  // namespace

TEST(FaultInjection, AFailedFileAnywhereLeavesTheDriveAsItWas) {
    for (const CFault& fault : kFaults) {
        for (std::size_t index = 0; index < kProduct.size(); ++index) {
            for (const CAnswers& mode : kAnswerModes) {
                SCOPED_TRACE(std::string(fault.what) + ", file " + std::to_string(index + 1) +
                             ", " + mode.what);
                CInstallFixture f;
                testing_support::MakeStandardProduct(f);
                std::vector<std::string> values;
                for (const CProductFile& file : kProduct) {
                    values.push_back(file.value);
                }
                fault.prepare(f, index, values);
                f.WriteFileList(values);
                const auto before = f.Tree();

                CFileSizeLimit limit;
                if (fault.limitFileSize) {
                    // Reached half-way through the file, set just before it starts.
                    const auto size =
                        fs::file_size(f.m_scope.Host("Media/Setup/" + kProduct[index].source));
                    for (std::size_t i = 0; i < index; ++i) {
                        f.m_ui.OnNextPump([] {});
                    }
                    f.m_ui.OnNextPump([&limit, size] { limit.Set(size / 2); });
                }
                f.m_ui.m_strChosenPath = "C:\\Prod";
                const std::size_t listed = index + (fault.writtenPartWay ? 1 : 0);
                for (std::size_t i = 0; i < listed; ++i) {
                    f.m_ui.m_questionAnswers.push_back(mode.answer);
                }
                f.m_ui.m_yesNoAnswers.push_back(true);  // remove the directory
                f.Run();
                limit.Set(RLIM_INFINITY);

                const std::vector<std::string>& lines = f.m_ui.Lines();
                const std::string failure =
                    "! Error:  Cannot copy file C:\\Media\\Setup\\" + values[index] + ".";
                EXPECT_NE(std::find(lines.begin(), lines.end(), failure), lines.end());
                std::vector<std::string> questions;
                for (const std::string& line : lines) {
                    if (line.rfind("question ", 0) == 0) {
                        questions.push_back(line);
                    }
                }
                std::vector<std::string> expected;
                const std::size_t asked = mode.answer == setup::kAnswerYesToAll
                                              ? std::min<std::size_t>(listed, 1)
                                              : listed;
                for (std::size_t i = 0; i < asked; ++i) {
                    expected.push_back("question Remove " + kProduct[i].entry + "?");
                }
                EXPECT_EQ(questions, expected);
                EXPECT_EQ(lines.back(), "? Remove directory C:\\Prod?");
                EXPECT_TRUE(f.m_postCopyCalls.empty());
                EXPECT_EQ(f.Tree(), before);
            }
        }
    }
}

TEST(FaultInjection, ACancelAtAnyFileFinishesThatFileStartsNoOtherAndRollsBackCompletely) {
    for (std::size_t cancelled = 1; cancelled < kProduct.size(); ++cancelled) {
        SCOPED_TRACE("cancel during file " + std::to_string(cancelled));
        CInstallFixture f;
        testing_support::MakeStandardProduct(f);
        const auto before = f.Tree();
        f.m_ui.m_strChosenPath = "C:\\Prod";
        f.m_ui.CancelDuringFile(static_cast<int>(cancelled));
        for (std::size_t i = 0; i < cancelled; ++i) {
            f.m_ui.m_questionAnswers.push_back(setup::kAnswerYes);
        }
        f.m_ui.m_yesNoAnswers.push_back(true);
        f.Run();

        std::vector<std::string> expected = {"directory", "progress C:\\Prod"};
        for (std::size_t i = 1; i <= cancelled; ++i) {
            expected.push_back("status Copying file " + std::to_string(i) + " of 5...");
        }
        expected.insert(expected.end(),
                        {"? Are you sure you want to cancel?", "end", "! Setup cancelled by user.",
                         "i Setup will now remove the files and directory that "
                         "were created."});
        for (std::size_t i = 0; i < cancelled; ++i) {
            expected.push_back("question Remove " + kProduct[i].entry + "?");
        }
        expected.push_back("? Remove directory C:\\Prod?");
        EXPECT_EQ(f.m_ui.Lines(), expected);
        EXPECT_EQ(f.Tree(), before);
        EXPECT_TRUE(f.m_postCopyCalls.empty());
    }
}
