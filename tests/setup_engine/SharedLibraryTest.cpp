// A library loaded for as long as its object lives, or until the process ends.
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/SharedLibrary.h"

namespace {

// Whether the library at `path` is still part of the process.
bool IsResident(const char* path) {
#ifdef _WIN32
    return ::GetModuleHandleW(std::filesystem::path(path).make_preferred().c_str()) != nullptr;
#else
    void* resident = ::dlopen(path, RTLD_LAZY | RTLD_NOLOAD);
    if (resident != nullptr) {
        ::dlclose(resident);
    }
    return resident != nullptr;
#endif
}

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
        EXPECT_EQ(IsResident(path), lifetime == Lifetime::Process);
    }
}

}  // namespace
