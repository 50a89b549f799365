#include "platform/DiskSpace.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

bool QuerySystemDiskFreeSpace(const std::string& hostPath, CDiskFreeSpace& space) {
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    // The extended call answers for any folder, and in bytes the calling user may
    // still fill (quotas included); the installer multiplies the units out anyway.
    if (!::GetDiskFreeSpaceExW(win32::WidePath(hostPath).c_str(), &available, &total, nullptr)) {
        return false;
    }
    space.m_nSectorsPerCluster = 1;
    space.m_nBytesPerSector = 1;
    space.m_nFreeClusters = available.QuadPart;
    space.m_nTotalClusters = total.QuadPart;
    return true;
}

}  // namespace platform
