#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // `name` inside the folder, as a host path: with '/' between the levels, as the
    // platform layer gives host paths on every system.
    std::string File(const std::string& name) const { return (m_path / name).generic_string(); }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

}  // namespace testing_support
