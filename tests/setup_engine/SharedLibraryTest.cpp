// A library loaded for as long as its object lives, or until the process ends.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include "platform/SharedLibrary.h"

namespace {

using Lifetime = platform::CSharedLibrary::Lifetime;

TEST(SharedLibrary, StaysLoadedOnlyWhenAskedToAndNamesAMissingEntryPoint) {
    const std::pair<const char*, Lifetime> libraries[] = {
        {COMPONENT_REGISTERS, Lifetime::UntilUnload}, {COMPONENT_WITHOUT_ENTRY, Lifetime::Process}};
    for (const auto& [path, lifetime] : libraries) {
        SCOPED_TRACE(path);
        {
            platform::CSharedLibrary library;
            ASSERT_TRUE(library.Load(path, lifetime));
            const bool found = library.FindEntryPoint("DllRegisterServer") != nullptr;
            EXPECT_EQ(library.LastError().find("DllRegisterServer") != std::string::npos, !found);
        }
        void* resident = ::dlopen(path, RTLD_LAZY | RTLD_NOLOAD);
        EXPECT_EQ(resident != nullptr, lifetime == Lifetime::Process);
        if (resident != nullptr) {
            ::dlclose(resident);
        }
    }
}

}  // namespace
