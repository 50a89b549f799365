#pragma once

#include <string>

namespace testing_support {

// The records that started probe programs write (components/Probe.cpp), read from a
// FIFO in the order they arrive (on Win32 from a mailslot). The test keeps the FIFO
// open for writing itself, so a probe never blocks opening it and a read never sees
// its end.
class CProbeLog {
public:
    // Makes the FIFO `path` (on Win32 a mailslot of its own name) and points the probes
    // at it (POST_COPY_PROBE_LOG).
    explicit CProbeLog(const std::string& path);
    ~CProbeLog();
    CProbeLog(const CProbeLog&) = delete;
    CProbeLog& operator=(const CProbeLog&) = delete;

    // The next record without its line end. A probe that was started writes its
    // record at once; "(no record)" when none arrives within a generous guard time
    // that only keeps a broken run from hanging the test.
    std::string Next();

private:
    // Takes what has arrived, waiting up to the guard time; false when nothing came.
    bool Read();

#ifdef _WIN32
    void* m_hLog = reinterpret_cast<void*>(-1);  // the mailslot
#else
    int m_nDescriptor = -1;
#endif
    std::string m_buffer;
};

}  // namespace testing_support
