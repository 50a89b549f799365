#include "platform/DiskSpace.h"

#include <windows.h>

#include "platform/WindowsPath.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

CDiskFreeSpaceQuery& Override() {
    static CDiskFreeSpaceQuery query;
    return query;
}

}  // namespace

bool QueryDiskFreeSpace(const std::string& path, CDiskFreeSpace& space) {
    if (Override()) {
        return Override()(path, space);
    }
    const std::string host = ToHostPath(path);
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    // The extended call answers for any folder, and in bytes the calling user may
    // still fill (quotas included); the installer multiplies the units out anyway.
    if (host.empty() ||
        !::GetDiskFreeSpaceExW(win32::WidePath(host).c_str(), &available, &total, nullptr)) {
        return false;
    }
    space.m_nSectorsPerCluster = 1;
    space.m_nBytesPerSector = 1;
    space.m_nFreeClusters = available.QuadPart;
    space.m_nTotalClusters = total.QuadPart;
    return true;
}

void OverrideDiskFreeSpace(CDiskFreeSpaceQuery query) {
    Override() = std::move(query);
}

}  // namespace platform
