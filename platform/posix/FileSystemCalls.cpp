#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace platform {

namespace {

long CopyRange(int source, int target, std::size_t bytes) {
    return ::copy_file_range(source, nullptr, target, nullptr, bytes, 0);
}

long Write(int descriptor, const void* bytes, std::size_t count) {
    return ::write(descriptor, bytes, count);
}

int Rename(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    return ::renameat2(fromFolder, from, toFolder, to, flags);
}

constexpr CFileSystemCalls kReal = {CopyRange, Write, ::fsync, ::close, Rename};

}  // namespace

CFileSystemCalls& FileSystemCalls() {
    static CFileSystemCalls calls = kReal;
    return calls;
}

const CFileSystemCalls& RealFileSystemCalls() {
    return kReal;
}

}  // namespace platform
