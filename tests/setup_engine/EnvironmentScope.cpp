#include "tests/setup_engine/EnvironmentScope.h"

#include <cstdlib>

namespace testing_support {

CEnvironmentScope::~CEnvironmentScope() {
    // Backwards, so a variable changed twice ends with its first saved value.
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->second) {
            ::setenv(it->first.c_str(), it->second->c_str(), 1);
        } else {
            ::unsetenv(it->first.c_str());
        }
    }
}

void CEnvironmentScope::Set(const std::string& name, const std::string& value) {
    Remember(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void CEnvironmentScope::Unset(const std::string& name) {
    Remember(name);
    ::unsetenv(name.c_str());
}

void CEnvironmentScope::Remember(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

}  // namespace testing_support
