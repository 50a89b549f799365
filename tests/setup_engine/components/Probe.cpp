// A program for the installer to start. It writes one record, "name|cwd|arg|arg...",
// with one write to what POST_COPY_PROBE_LOG names (a FIFO on POSIX, a mailslot on
// Win32), so records of several probes never interleave. An argument "hold:PATH"
// makes it then wait until the FIFO PATH has no writer left: a program that runs on
// after it was started.
#ifdef _WIN32
#include <direct.h>

#include "Evidence.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The record in one write: a FIFO takes it whole up to PIPE_BUF, a mailslot as one
// message.
bool WriteRecord(const char* log, const std::string& record) {
#ifdef _WIN32
    const HANDLE slot = ::CreateFileA(log, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = slot != INVALID_HANDLE_VALUE &&
                    ::WriteFile(slot, record.data(), static_cast<DWORD>(record.size()), &written,
                                nullptr) &&
                    written == record.size();
    if (slot != INVALID_HANDLE_VALUE) {
        ::CloseHandle(slot);
    }
    return ok;
#else
    const int fd = ::open(log, O_WRONLY | O_APPEND);
    const bool ok = fd >= 0 && ::write(fd, record.data(), record.size()) ==
                                   static_cast<ssize_t>(record.size());
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const char* log = std::getenv("POST_COPY_PROBE_LOG");
    if (log == nullptr) {
        return 2;
    }
    const char* name = argv[0];
#ifdef _WIN32
    // The program's own file as it is on disk, whatever case it was named in.
    char own[MAX_PATH];
    if (NameOnDisk(nullptr, own, sizeof own)) {
        name = own;
    }
    const char* slash = std::strrchr(name, '\\');
    char cwd[MAX_PATH];
    const bool haveCwd = ::_getcwd(cwd, sizeof cwd) != nullptr;
#else
    const char* slash = std::strrchr(name, '/');
    char cwd[PATH_MAX];
    const bool haveCwd = ::getcwd(cwd, sizeof cwd) != nullptr;
#endif
    std::string record = slash ? slash + 1 : name;
    record += '|';
    record += haveCwd ? cwd : "?";
    for (int i = 1; i < argc; ++i) {
        record += '|';
        record += argv[i];
    }
    record += '\n';
    if (!WriteRecord(log, record)) {
        return 3;
    }
#ifndef _WIN32
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "hold:", 5) == 0) {
            const int hold = ::open(argv[i] + 5, O_RDONLY);
            char byte;
            while (hold >= 0 && ::read(hold, &byte, 1) > 0) {
            }
        }
    }
#endif
    return 0;
}
