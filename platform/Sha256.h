#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The SHA-256 digest (FIPS 180-4), fed in pieces of any size. The installer records
// the digest of each file it writes, so that its uninstall can tell a file still as
// written from one changed since; a small routine of our own spares a library.
class CSha256 {
public:
    CSha256();

    void Update(const void* data, std::size_t size);
    void Update(std::string_view text) { Update(text.data(), text.size()); }
    // The digest in 64 lower-case hexadecimal digits; the object is spent afterwards.
    std::string FinishHex();

private:
    void Compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_block{};
    std::size_t m_nBlockUsed = 0;
    std::uint64_t m_nTotal = 0;
};

}  // namespace platform
