#include "platform/SharedLibrary.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

CSharedLibrary::~CSharedLibrary() {
    Unload();
}

bool CSharedLibrary::Load(const std::string& path, Lifetime lifetime) {
    Unload();
    m_strLastError.clear();
    // A bare name would be searched for along the system's library path.
    if (path.find_first_of("/\\") == std::string::npos) {
        m_strLastError = path;
        return false;
    }
    // The component's own folder is searched first for what it needs in turn, as it
    // was built to find its companions there.
    HMODULE module =
        ::LoadLibraryExW(win32::WidePath(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) {
        m_strLastError = path + ": " + win32::ErrorText(::GetLastError());
        return false;
    }
    // Pinned, the module stays whatever FreeLibrary is called later.
    if (lifetime == Lifetime::Process) {
        HMODULE pinned = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                             reinterpret_cast<LPCWSTR>(module), &pinned);
    }
    m_hLibrary = module;
    return true;
}

CSharedLibrary::CEntryPoint CSharedLibrary::FindEntryPoint(const char* name) {
    if (m_hLibrary == nullptr) {
        m_strLastError = name;
        return nullptr;
    }
    const auto entry = reinterpret_cast<CEntryPoint>(
        reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_hLibrary), name)));
    if (entry == nullptr) {
        m_strLastError = std::string(name) + ": " + win32::ErrorText(::GetLastError());
    }
    return entry;
}

void CSharedLibrary::Unload() {
    if (m_hLibrary != nullptr) {
        ::FreeLibrary(static_cast<HMODULE>(m_hLibrary));
        m_hLibrary = nullptr;
    }
}

}  // namespace platform
