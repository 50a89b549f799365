#include "tests/setup_engine/ProbeLog.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace testing_support {

namespace {

constexpr int kGuardMilliseconds = 30000;

}  // namespace

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

std::string CProbeLog::Next() {
    for (;;) {
        if (const std::size_t end = m_buffer.find('\n'); end != std::string::npos) {
            std::string record = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return record;
        }
        pollfd ready = {m_nDescriptor, POLLIN, 0};
        if (m_nDescriptor < 0 || ::poll(&ready, 1, kGuardMilliseconds) <= 0) {
            return "(no record)";
        }
        char buffer[4096];
        const ssize_t got = ::read(m_nDescriptor, buffer, sizeof buffer);
        if (got > 0) {
            m_buffer.append(buffer, static_cast<std::size_t>(got));
        }
    }
}

}  // namespace testing_support
