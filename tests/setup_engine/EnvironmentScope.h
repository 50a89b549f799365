#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// Sets or removes one variable of the process's environment, the one programs it
// starts inherit as well.
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);

// Changes environment variables for one test and puts every one back as it was
// (set to its old value, or unset) when the scope ends.
class CEnvironmentScope {
public:
    CEnvironmentScope() = default;
    ~CEnvironmentScope();
    CEnvironmentScope(const CEnvironmentScope&) = delete;
    CEnvironmentScope& operator=(const CEnvironmentScope&) = delete;

    void Set(const std::string& name, const std::string& value);
    void Unset(const std::string& name);

private:
    void Remember(const std::string& name);

    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

}  // namespace testing_support
