#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace platform {

namespace {

// The loader's text for its last failure; the path when it has none.
std::string LoaderError(const std::string& fallback) {
    const char* text = ::dlerror();
    return text != nullptr ? std::string(text) : fallback;
}

}  // namespace

CSharedLibrary::~CSharedLibrary() {
    Unload();
}

bool CSharedLibrary::Load(const std::string& path, Lifetime lifetime) {
    Unload();
    m_strLastError.clear();
    if (path.find('/') == std::string::npos) {
        m_strLastError = path;
        return false;
    }
    // Local binding keeps one component's symbols from resolving another's.
    const int stays = lifetime == Lifetime::Process ? RTLD_NODELETE : 0;
    ::dlerror();
    m_hLibrary = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | stays);
    if (m_hLibrary == nullptr) {
        m_strLastError = LoaderError(path);
    }
    return m_hLibrary != nullptr;
}

CSharedLibrary::CEntryPoint CSharedLibrary::FindEntryPoint(const char* name) {
    if (m_hLibrary == nullptr) {
        m_strLastError = name;
        return nullptr;
    }
    // POSIX guarantees that a function's address survives the trip through void*.
    ::dlerror();
    const auto entry = reinterpret_cast<CEntryPoint>(::dlsym(m_hLibrary, name));
    if (entry == nullptr) {
        m_strLastError = LoaderError(name);
    }
    return entry;
}

void CSharedLibrary::Unload() {
    if (m_hLibrary != nullptr) {
        ::dlclose(m_hLibrary);
        m_hLibrary = nullptr;
    }
}

}  // namespace platform
