#include "platform/RegularFileText.h"

#include <windows.h>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

bool ReadRegularFile(const std::string& hostPath, std::size_t maxBytes, std::string& text) {
    text.clear();
    // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS; a device or a pipe
    // opens and is refused by its type before a byte is read.
    const win32::CHandle file(::CreateFileW(win32::WidePath(hostPath).c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                            nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || ::GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !::GetFileSizeEx(file.Get(), &size) || static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        return false;
    }
    std::string contents;
    contents.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    // Read until the end, whatever the size said: the file may have grown since.
    for (;;) {
        if (done == contents.size()) {
            if (contents.size() > maxBytes) {
                return false;
            }
            contents.resize(contents.size() + 4096);
        }
        DWORD got = 0;
        if (!::ReadFile(file.Get(), contents.data() + done, static_cast<DWORD>(contents.size() - done),
                        &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    if (done > maxBytes) {
        return false;
    }
    contents.resize(done);
    text = std::move(contents);
    return true;
}

}  // namespace platform
