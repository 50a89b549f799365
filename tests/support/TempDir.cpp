#include "tests/support/TempDir.h"

#include "tests/support/FileFacts.h"
#include "tests/support/Links.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace testing_support {

CTempDir::CTempDir() {
    // A name nobody has, made by the one call that fails for an existing folder, as
    // mkdtemp does it; std::filesystem has the same on every system.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_path = std::filesystem::temp_directory_path() /
                 ("lettrino-test-" + std::to_string(std::random_device{}()));
        if (std::filesystem::create_directory(m_path)) {
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

CTempDir::~CTempDir() {
    std::error_code walking;
    std::error_code ignored;
    // Tests may take away write or search permission; give it back before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, walking);
         !walking && it != std::filesystem::recursive_directory_iterator(); it.increment(walking)) {
        if (KindOf(it->path()) == EntryKind::Link) {
            it.disable_recursion_pending();
            continue;
        }
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    RemoveTree(m_path);
}

void CTempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + name);
    }
}

std::string CTempDir::Read(const std::string& name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + name);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
