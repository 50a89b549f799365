#pragma once

#include "platform/SystemHandle.h"

namespace platform::win32 {

// Owns a HANDLE of the system and closes it when it goes. Held as a pointer-sized
// number, so that this header needs nothing of the system's; both "no handle" values
// of the system (NULL and INVALID_HANDLE_VALUE) count as none.
class CHandle {
public:
    explicit CHandle(void* handle = nullptr) : m_handle(handle) {}
    ~CHandle() { Reset(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_handle(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    void* Get() const { return m_handle; }
    bool IsOpen() const { return IsHandle(m_handle); }
    void* Release() {
        void* handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(void* handle = nullptr);

    static bool IsHandle(void* handle) {
        return handle != nullptr && handle != reinterpret_cast<void*>(kNoHandle);
    }

private:
    void* m_handle;
};

// A handle of the public headers and back.
inline void* HandleOf(CSystemHandle handle) {
    return reinterpret_cast<void*>(handle);
}
inline CSystemHandle SystemHandleOf(void* handle) {
    return CHandle::IsHandle(handle) ? reinterpret_cast<CSystemHandle>(handle) : kNoHandle;
}

// Closes the handle `handle` holds, if any, and leaves it holding none.
inline void CloseSystemHandle(CSystemHandle& handle) {
    CHandle closing(HandleOf(handle));
    handle = kNoHandle;
}

}  // namespace platform::win32
