#pragma once

#include <string>

namespace platform {

// A dynamic library loaded into the process for as long as the object lives (or
// until Unload). Used to let an installed component register itself: load it, look
// up its entry point, call it, unload it.
class CSharedLibrary {
public:
    // The type entry points are handed out as; the caller converts to the real one.
    using CEntryPoint = void (*)();

    CSharedLibrary() = default;
    ~CSharedLibrary();
    CSharedLibrary(const CSharedLibrary&) = delete;
    CSharedLibrary& operator=(const CSharedLibrary&) = delete;

    // Loads the library at the host path `path`, resolving all its symbols now so that
    // a component with a missing dependency fails here rather than in the middle of a
    // call. A path without a separator would be searched for on the system's library
    // path; such a name is refused. False when nothing was loaded.
    bool Load(const std::string& path);

    // The exported function `name` of the loaded library, or nullptr.
    CEntryPoint FindEntryPoint(const char* name) const;

    void Unload();

private:
    void* m_hLibrary = nullptr;
};

}  // namespace platform
