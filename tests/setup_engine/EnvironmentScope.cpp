#include "tests/setup_engine/EnvironmentScope.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>

namespace testing_support {

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    // The run-time's copy for getenv, the system's for the programs started.
    ::_putenv_s(name.c_str(), value.c_str());
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

void UnsetEnvironment(const std::string& name) {
#ifdef _WIN32
    ::_putenv_s(name.c_str(), "");
    ::SetEnvironmentVariableA(name.c_str(), nullptr);
#else
    ::unsetenv(name.c_str());
#endif
}

CEnvironmentScope::~CEnvironmentScope() {
    // Backwards, so a variable changed twice ends with its first saved value.
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->second) {
            SetEnvironment(it->first, *it->second);
        } else {
            UnsetEnvironment(it->first);
        }
    }
}

void CEnvironmentScope::Set(const std::string& name, const std::string& value) {
    Remember(name);
    SetEnvironment(name, value);
}

void CEnvironmentScope::Unset(const std::string& name) {
    Remember(name);
    UnsetEnvironment(name);
}

void CEnvironmentScope::Remember(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

}  // namespace testing_support
