#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Appends `what` and the name of the component's own file to the file that
// COMPONENT_EVIDENCE names, so a test sees which components were asked to register.
inline void LeaveEvidence(const char* what, const void* ownCode) {
    const char* evidence = std::getenv("COMPONENT_EVIDENCE");
    Dl_info info;
    if (evidence == nullptr || ::dladdr(ownCode, &info) == 0 || info.dli_fname == nullptr) {
        return;
    }
    const char* slash = std::strrchr(info.dli_fname, '/');
    if (FILE* file = std::fopen(evidence, "a")) {
        std::fprintf(file, "%s %s\n", what, slash ? slash + 1 : info.dli_fname);
        std::fclose(file);
    }
}
