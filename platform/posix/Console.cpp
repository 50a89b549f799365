#include "platform/Console.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Descriptor.h"
#include "platform/posix/WriteAll.h"

namespace platform {

namespace {

volatile sig_atomic_t g_interrupted = 0;

extern "C" void NoteInterrupt(int) {
    g_interrupted = 1;
}

}  // namespace

void PrepareStandardStreams() {
    // In order: a closed 0 is opened first, so each open takes the lowest free number,
    // which is the one that is missing.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        const int opened = ::open("/dev/null", O_RDWR | O_NOCTTY);
        if (opened >= 0 && opened != stream) {
            ::dup2(opened, stream);
            ::close(opened);
        }
    }
    // A program started later gets the default back: it is reset before every exec.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

bool WriteToStandardError(std::string_view text) {
    return posix::WriteAll(STDERR_FILENO, text);
}

CLogFile::~CLogFile() {
    if (m_hFile != kNoHandle) {
        ::close(posix::Descriptor(m_hFile));
    }
}

bool CLogFile::Open(const std::string& path) {
    // Without O_NONBLOCK opening a FIFO waits for a reader, for ever if none comes; a
    // FIFO without one fails at once with it, and one with a reader is refused below.
    const int descriptor = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return false;
    }
    struct stat status {};
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || flags == -1 ||
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(descriptor);
        return false;
    }
    if (m_hFile != kNoHandle) {
        ::close(posix::Descriptor(m_hFile));
    }
    m_hFile = descriptor;
    return true;
}

bool CLogFile::Write(std::string_view text) {
    return m_hFile != kNoHandle && posix::WriteAll(posix::Descriptor(m_hFile), text);
}

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a copy under way is finished, the stop comes between files.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

bool InterruptRequested() {
    return g_interrupted != 0;
}

}  // namespace platform
