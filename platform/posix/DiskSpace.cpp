#include "platform/DiskSpace.h"

#include <sys/statvfs.h>

namespace platform {

bool QuerySystemDiskFreeSpace(const std::string& hostPath, CDiskFreeSpace& space) {
    struct statvfs info;
    if (::statvfs(hostPath.c_str(), &info) != 0) {
        return false;
    }
    // A cluster is the file system's fragment; there is no separate sector size.
    space.m_nSectorsPerCluster = 1;
    space.m_nBytesPerSector = info.f_frsize;
    space.m_nFreeClusters = info.f_bavail;
    space.m_nTotalClusters = info.f_blocks;
    return true;
}

}  // namespace platform
