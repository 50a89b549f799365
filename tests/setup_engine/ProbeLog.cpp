#include "tests/setup_engine/ProbeLog.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdlib>

#include "tests/setup_engine/EnvironmentScope.h"

namespace testing_support {

namespace {

constexpr int kGuardMilliseconds = 30000;

}  // namespace

#ifdef _WIN32

// Win32 has no FIFO in its file system: a mailslot takes each probe's record as one
// message, and a read waits for the next one up to the guard time.
CProbeLog::CProbeLog(const std::string&) {
    static int s_nSlot = 0;
    const std::string name = "\\\\.\\mailslot\\lettrino-probe-" +
                             std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(++s_nSlot);
    m_hLog = ::CreateMailslotA(name.c_str(), 0, kGuardMilliseconds, nullptr);
    SetEnvironment("POST_COPY_PROBE_LOG", name);
}

CProbeLog::~CProbeLog() {
    UnsetEnvironment("POST_COPY_PROBE_LOG");
    if (m_hLog != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hLog);
    }
}

bool CProbeLog::Read() {
    char buffer[4096];
    DWORD got = 0;
    if (m_hLog == INVALID_HANDLE_VALUE || !::ReadFile(m_hLog, buffer, sizeof buffer, &got, nullptr)) {
        return false;
    }
    m_buffer.append(buffer, got);
    return true;
}

#else

CProbeLog::CProbeLog(const std::string& path) {
    ::mkfifo(path.c_str(), 0600);
    // Read and write: opening does not wait for a writer, and the FIFO never ends.
    m_nDescriptor = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ::setenv("POST_COPY_PROBE_LOG", path.c_str(), 1);
}

CProbeLog::~CProbeLog() {
    ::unsetenv("POST_COPY_PROBE_LOG");
    if (m_nDescriptor >= 0) {
        ::close(m_nDescriptor);
    }
}

bool CProbeLog::Read() {
    pollfd ready = {m_nDescriptor, POLLIN, 0};
    if (m_nDescriptor < 0 || ::poll(&ready, 1, kGuardMilliseconds) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t got = ::read(m_nDescriptor, buffer, sizeof buffer);
    if (got > 0) {
        m_buffer.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

#endif

std::string CProbeLog::Next() {
    for (;;) {
        if (const std::size_t end = m_buffer.find('\n'); end != std::string::npos) {
            std::string record = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return record;
        }
        if (!Read()) {
            return "(no record)";
        }
    }
}

}  // namespace testing_support
