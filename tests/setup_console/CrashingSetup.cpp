// The installer without windows, with every call through which it changes the disk
// counted: SETUP_FAULT=kill:N kills it at its Nth such call, interrupt:N interrupts it
// there as a closed terminal would, fail:N makes that call fail with EIO, and
// count:FILE writes the number of calls made to FILE at the end. What a run does at
// any instant of its life can so be tried from outside, on the real program.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/posix/FileSystemCalls.h"
#include "setup/console/ConsoleFrontEnd.h"

namespace {

enum class Fault { Count, Kill, Interrupt, Fail };

Fault g_fault = Fault::Count;
long g_nAt = 0;
long g_nCalls = 0;
std::string g_countFile;
platform::CFileSystemCalls g_real;

// True when this call is to fail; kills or interrupts at the chosen call.
bool Step() {
    if (++g_nCalls != g_nAt) {
        return false;
    }
    switch (g_fault) {
        case Fault::Kill:
            ::raise(SIGKILL);
            return false;
        case Fault::Interrupt:
            ::raise(SIGHUP);
            return false;
        case Fault::Fail:
            errno = EIO;
            return true;
        case Fault::Count:
            return false;
    }
    return false;
}

void WriteCount() {
    if (FILE* file = std::fopen(g_countFile.c_str(), "w")) {
        std::fprintf(file, "%ld\n", g_nCalls);
        std::fclose(file);
    }
}

void Install() {
    platform::CFileSystemCalls& calls = platform::FileSystemCalls();
    g_real = calls;
    calls.m_pCopyRange = [](int s, int t, std::size_t n) {
        return Step() ? -1L : g_real.m_pCopyRange(s, t, n);
    };
    calls.m_pWrite = [](int d, const void* b, std::size_t n) {
        return Step() ? -1L : g_real.m_pWrite(d, b, n);
    };
    calls.m_pFsync = [](int d) { return Step() ? -1 : g_real.m_pFsync(d); };
    calls.m_pClose = [](int d) { return Step() ? (::close(d), -1) : g_real.m_pClose(d); };
    calls.m_pRename = [](int ff, const char* f, int tf, const char* t, unsigned flags) {
        return Step() ? -1 : g_real.m_pRename(ff, f, tf, t, flags);
    };
    calls.m_pOpenAt = [](int f, const char* n, int flags, unsigned mode) {
        return (flags & O_CREAT) != 0 && Step() ? -1 : g_real.m_pOpenAt(f, n, flags, mode);
    };
    calls.m_pUnlink = [](int f, const char* n, int flags) {
        return Step() ? -1 : g_real.m_pUnlink(f, n, flags);
    };
    calls.m_pLink = [](int ff, const char* f, int tf, const char* t) {
        return Step() ? -1 : g_real.m_pLink(ff, f, tf, t);
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* fault = std::getenv("SETUP_FAULT");
    const std::string spec = fault != nullptr ? fault : "";
    const std::size_t colon = spec.find(':');
    const std::string kind = spec.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : spec.substr(colon + 1);
    if (kind == "count") {
        g_countFile = value;
        std::atexit(WriteCount);
    } else if (!value.empty()) {
        g_nAt = std::strtol(value.c_str(), nullptr, 10);
        g_fault = kind == "kill" ? Fault::Kill : kind == "fail" ? Fault::Fail : Fault::Interrupt;
    }
    Install();
    const std::optional<int> status = setup::RunWithoutWindows(argc, argv, nullptr);
    return status.value_or(3);
}
