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
    bool m_bStarted = false;
};

}  // namespace platform
