#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/CommandLine.h"

namespace platform {

namespace {

// The descriptor the started program's failure report travels through; it is
// closed by a successful exec, so the parent reads nothing then.
constexpr int kReportDescriptor = 3;

// Only async-signal-safe calls from here on: the caller may have other threads
// whose locks a forked child must never wait for.
[[noreturn]] void ReportAndExit(int reportFd, int error) {
    while (::write(reportFd, &error, sizeof error) < 0 && errno == EINTR) {
    }
    ::_exit(127);
}

void CloseDescriptorsFrom(int first, long openMax) {
    if (::close_range(static_cast<unsigned>(first), ~0U, 0) == 0) {
        return;
    }
    for (long fd = first; fd < openMax; ++fd) {
        ::close(static_cast<int>(fd));
    }
}

[[noreturn]] void BecomeProgram(const char* program, char* const argv[], const char* directory,
                                int reportFd, long openMax) {
    // Own session: a hang-up or Ctrl+C aimed at the installer must not reach it.
    ::setsid();
    if (::chdir(directory) != 0) {
        ReportAndExit(reportFd, errno);
    }
    const int null = ::open("/dev/null", O_RDWR);
    if (null < 0) {
        ReportAndExit(reportFd, errno);
    }
    for (int fd = 0; fd <= 2; ++fd) {
        if (null != fd && ::dup2(null, fd) < 0) {
            ReportAndExit(reportFd, errno);
        }
    }
    if (null > 2 && null != reportFd) {
        ::close(null);
    }
    if (reportFd != kReportDescriptor) {
        if (::dup3(reportFd, kReportDescriptor, O_CLOEXEC) < 0) {
            ReportAndExit(reportFd, errno);
        }
        reportFd = kReportDescriptor;
    }
    CloseDescriptorsFrom(kReportDescriptor + 1, openMax);
    // Blocked and ignored signals survive exec; the program starts with neither.
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &standard, nullptr);
    }
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execv(program, argv);
    ReportAndExit(reportFd, errno);
}

}  // namespace

bool StartDetachedProcess(const std::string& program, const std::string& commandLine,
                          const std::string& workingDirectory) {
    // Everything the children need is prepared here: they may not allocate.
    std::vector<std::string> strings = SplitCommandLine(commandLine);
    if (strings.empty()) {
        return false;
    }
    strings.front() = program;
    std::vector<char*> argv;
    for (std::string& text : strings) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    long openMax = ::sysconf(_SC_OPEN_MAX);
    openMax = openMax > 0 ? openMax : 1024;

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    // Two forks: the middle process ends at once and is reaped here, so the program
    // is adopted by the system and never becomes a zombie of ours.
    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (middle == 0) {
        ::close(report[0]);
        const pid_t started = ::fork();
        if (started < 0) {
            ReportAndExit(report[1], errno);
        }
        if (started == 0) {
            BecomeProgram(strings[0].c_str(), argv.data(), workingDirectory.c_str(), report[1],
                          openMax);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // The read ends when the program's copy of the pipe closes: at its exec (nothing
    // read) or at its exit after a report.
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return got == 0;
}

}  // namespace platform
