#include "platform/DiskSpace.h"

#include <sys/statvfs.h>

#include "platform/WindowsPath.h"

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
    struct statvfs info;
    if (host.empty() || ::statvfs(host.c_str(), &info) != 0) {
        return false;
    }
    // A cluster is the file system's fragment; there is no separate sector size.
    space.m_nSectorsPerCluster = 1;
    space.m_nBytesPerSector = info.f_frsize;
    space.m_nFreeClusters = info.f_bavail;
    space.m_nTotalClusters = info.f_blocks;
    return true;
}

void OverrideDiskFreeSpace(CDiskFreeSpaceQuery query) {
    Override() = std::move(query);
}

}  // namespace platform
