#include "platform/SharedLibrary.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

CSharedLibrary::~CSharedLibrary() {
    Unload();
}

bool CSharedLibrary::Load(const std::string& path) {
    Unload();
    // A bare name would be searched for along the system's library path.
    if (path.find_first_of("/\\") == std::string::npos) {
        return false;
    }
    // The component's own folder is searched first for what it needs in turn, as it
    // was built to find its companions there.
    m_hLibrary = ::LoadLibraryExW(win32::WidePath(path).c_str(), nullptr,
                                  LOAD_WITH_ALTERED_SEARCH_PATH);
    return m_hLibrary != nullptr;
}

CSharedLibrary::CEntryPoint CSharedLibrary::FindEntryPoint(const char* name) const {
    if (m_hLibrary == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<CEntryPoint>(
        reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_hLibrary), name)));
}

void CSharedLibrary::Unload() {
    if (m_hLibrary != nullptr) {
        ::FreeLibrary(static_cast<HMODULE>(m_hLibrary));
        m_hLibrary = nullptr;
    }
}

}  // namespace platform
