#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace platform {

CSharedLibrary::~CSharedLibrary() {
    Unload();
}

bool CSharedLibrary::Load(const std::string& path) {
    Unload();
    if (path.find('/') == std::string::npos) {
        return false;
    }
    // Local binding keeps one component's symbols from resolving another's.
    m_hLibrary = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_hLibrary != nullptr;
}

CSharedLibrary::CEntryPoint CSharedLibrary::FindEntryPoint(const char* name) const {
    if (m_hLibrary == nullptr) {
        return nullptr;
    }
    // POSIX guarantees that a function's address survives the trip through void*.
    return reinterpret_cast<CEntryPoint>(::dlsym(m_hLibrary, name));
}

void CSharedLibrary::Unload() {
    if (m_hLibrary != nullptr) {
        ::dlclose(m_hLibrary);
        m_hLibrary = nullptr;
    }
}

}  // namespace platform
