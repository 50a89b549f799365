#pragma once

namespace platform {

// The system's component library (OLE), started on the calling thread for as long as
// the object lives: components that register themselves expect it. On POSIX there is
// no such library and the object does nothing.
class COleSession {
public:
    COleSession();
    ~COleSession();
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;

private:
    [[maybe_unused]] bool m_bStarted = false;  // only Win32 has a library to start
};

}  // namespace platform
