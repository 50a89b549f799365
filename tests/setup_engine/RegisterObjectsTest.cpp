#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "setup/engine/PostCopyActions.h"
#include "tests/setup_engine/PostCopyFixture.h"

namespace {

// The product in C:\Product with its components under the upper-case names the copy
// gave them, and a text file that is no library at all.
class RegisterObjectsTest : public testing_support::CPostCopyFixture {
protected:
    RegisterObjectsTest() {
        CopyToDrive(COMPONENT_REGISTERS, "Product/REG.SO");
        CopyToDrive(COMPONENT_REGISTERS, "Product/LIB/OTHER.SO");
        CopyToDrive(COMPONENT_FAILS, "Product/FAILS.SO");
        CopyToDrive(COMPONENT_WITHOUT_ENTRY, "Product/NOENTRY.SO");
        m_scope.Drive().Write("Product/README.TXT", "not a library\n");
        m_environment.Set("COMPONENT_EVIDENCE", m_scope.Host("evidence.txt"));
    }

    std::string Evidence() const {
        std::ifstream in(m_scope.Host("evidence.txt"));
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

TEST_F(RegisterObjectsTest, EveryLoadableComponentIsAskedAndEveryFailureIsSilent) {
    struct Case {
        const char* name;
        const char* section;
        const char* evidence;
    };
    const Case cases[] = {
        {"all four kinds in order",
         "Objects=5\nObject1=NOENTRY.SO\nObject2=MISSING.SO\nObject3=FAILS.SO\n"
         "Object4=README.TXT\nObject5=reg.so\n",
         "failed FAILS.SO\nregistered REG.SO\n"},
        {"a failing component does not stop the next",
         "Objects=2\nObject1=FAILS.SO\nObject2=lib\\other.so\n",
         "failed FAILS.SO\nregistered OTHER.SO\n"},
        // Object2 missing: the install directory itself is tried as a library.
        {"a missing key", "Objects=2\nObject1=REG.SO\n", "registered REG.SO\n"},
        // Ten hours of attempts to load the install directory itself, unless the loop
        // ends after the last key present.
        {"a huge count", "Objects=99999999999\nObject1=REG.SO\n", "registered REG.SO\n"},
        {"keys beyond the count are never read", "Objects=1\nObject1=REG.SO\nObject2=FAILS.SO\n",
         "registered REG.SO\n"},
        {"the same component twice", "Objects=2\nObject1=REG.SO\nObject2=Reg.So\n",
         "registered REG.SO\nregistered REG.SO\n"},
        {"no count", "Object1=REG.SO\n", ""},
        {"a count of 0", "Objects=0\nObject1=REG.SO\n", ""},
        {"a negative count", "Objects=-3\nObject1=REG.SO\n", ""},
        {"a count without digits", "Objects=abc\nObject1=REG.SO\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_scope.Host("evidence.txt"));
        WriteIni(std::string("[Register]\n") + c.section);
        setup::RegisterObjects("C:\\Product\\");
        EXPECT_EQ(Evidence(), c.evidence);
        EXPECT_TRUE(m_ui.Transcript().empty());
    }
}

}  // namespace
