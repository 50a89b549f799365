#pragma once

#include <string>

namespace platform {

// A dynamic library loaded into the process for as long as the object lives (or
// until Unload). Used to let an installed component register itself (load it, look
// up its entry point, call it, unload it) and to load a program's optional part,
// such as the installer's windows, only when it is wanted.
class CSharedLibrary {
public:
    // The type entry points are handed out as; the caller converts to the real one.
    using CEntryPoint = void (*)();

    // Whether the library leaves the process with the object. A library that starts
    // toolkits of its own (threads, handlers run at exit) must stay until the process
    // ends: unloading it under them would leave them calling into unmapped code.
    enum class Lifetime { UntilUnload, Process };

    CSharedLibrary() = default;
    ~CSharedLibrary();
    CSharedLibrary(const CSharedLibrary&) = delete;
    CSharedLibrary& operator=(const CSharedLibrary&) = delete;

    // Loads the library at the host path `path`, resolving all its symbols now so that
    // a component with a missing dependency fails here rather than in the middle of a
    // call. A path without a separator would be searched for on the system's library
    // path; such a name is refused. False when nothing was loaded; LastError() then
    // says why.
    bool Load(const std::string& path, Lifetime lifetime = Lifetime::UntilUnload);

    // The exported function `name` of the loaded library, or nullptr (LastError() then
    // says why).
    CEntryPoint FindEntryPoint(const char* name);

    // Why the last Load or FindEntryPoint failed, as the system words it: it names
    // the file or the dependency that is missing, or the symbol that is not there.
    // For a refused name, the name itself.
    const std::string& LastError() const { return m_strLastError; }

    void Unload();

private:
    void* m_hLibrary = nullptr;
    std::string m_strLastError;
};

}  // namespace platform
