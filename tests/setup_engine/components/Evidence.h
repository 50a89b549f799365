#pragma once

#ifdef _WIN32
// Lean: the OLE headers would declare the entry points with types of their own.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
// The name of the module `module`'s file as it is on disk: the system reports a
// module by the name it was loaded by, in whatever letter case that had.
inline bool NameOnDisk(HMODULE module, char* name, DWORD size) {
    char loaded[MAX_PATH];
    if (::GetModuleFileNameA(module, loaded, sizeof loaded) == 0) {
        return false;
    }
    const HANDLE file = ::CreateFileA(loaded, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    ::GetFinalPathNameByHandleA(file, name, size, FILE_NAME_NORMALIZED) != 0;
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    return ok;
}
#endif

// A function the component exports by its plain name, as the installer looks it up.
#ifdef _WIN32
#define COMPONENT_EXPORT extern "C" __declspec(dllexport)
#else
#define COMPONENT_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Appends `what` and the name of the component's own file to the file that
// COMPONENT_EVIDENCE names, so a test sees which components were asked to register.
inline void LeaveEvidence(const char* what, const void* ownCode) {
    const char* evidence = std::getenv("COMPONENT_EVIDENCE");
    char name[1024] = "";
#ifdef _WIN32
    HMODULE self = nullptr;
    if (evidence == nullptr ||
        !::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<const char*>(ownCode), &self) ||
        !NameOnDisk(self, name, sizeof name)) {
        return;
    }
    const char* slash = std::strrchr(name, '\\');
#else
    Dl_info info;
    if (evidence == nullptr || ::dladdr(ownCode, &info) == 0 || info.dli_fname == nullptr) {
        return;
    }
    std::snprintf(name, sizeof name, "%s", info.dli_fname);
    const char* slash = std::strrchr(name, '/');
#endif
    if (FILE* file = std::fopen(evidence, "ab")) {
        std::fprintf(file, "%s %s\n", what, slash ? slash + 1 : name);
        std::fclose(file);
    }
}
