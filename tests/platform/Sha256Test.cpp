#include "platform/Sha256.h"

#include <gtest/gtest.h>

#include <string>

// The test vectors of FIPS 180-4; the long message is fed in uneven pieces, so that
// pieces straddle the 64-byte blocks.
TEST(Sha256, GivesTheStandardDigests) {
    const struct {
        std::string message;
        const char* digest;
    } rows[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& row : rows) {
        platform::CSha256 digest;
        for (std::size_t at = 0; at < row.message.size(); at += 37) {
            digest.Update(std::string_view(row.message).substr(at, 37));
        }
        EXPECT_EQ(digest.FinishHex(), row.digest) << row.message.size();
    }
}
