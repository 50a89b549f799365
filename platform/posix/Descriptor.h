#pragma once

#include <unistd.h>

#include "platform/SystemHandle.h"
#include "platform/posix/FileSystemCalls.h"

namespace platform::posix {

// The descriptor a handle of the public headers holds on POSIX.
inline int Descriptor(CSystemHandle handle) {
    return static_cast<int>(handle);
}

// Owns an open file descriptor and closes it when it goes.
class CDescriptor {
public:
    explicit CDescriptor(int descriptor = -1) : m_nDescriptor(descriptor) {}
    ~CDescriptor() { Reset(); }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    CDescriptor(CDescriptor&& other) noexcept : m_nDescriptor(other.m_nDescriptor) {
        other.m_nDescriptor = -1;
    }
    CDescriptor& operator=(CDescriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            m_nDescriptor = other.m_nDescriptor;
            other.m_nDescriptor = -1;
        }
        return *this;
    }

    int Get() const { return m_nDescriptor; }
    bool IsOpen() const { return m_nDescriptor >= 0; }
    // Closes now and reports the result: some file systems report a failed write
    // only when the file is closed.
    bool Close() {
        const int descriptor = m_nDescriptor;
        m_nDescriptor = -1;
        return FileSystemCalls().m_pClose(descriptor) == 0;
    }
    // Gives the descriptor up to the caller.
    int Release() {
        const int descriptor = m_nDescriptor;
        m_nDescriptor = -1;
        return descriptor;
    }
    void Reset() {
        if (m_nDescriptor >= 0) {
            ::close(m_nDescriptor);
            m_nDescriptor = -1;
        }
    }

private:
    int m_nDescriptor;
};

}  // namespace platform::posix
