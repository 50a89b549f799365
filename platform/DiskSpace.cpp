#include "platform/DiskSpace.h"

#include <utility>

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
    return !host.empty() && QuerySystemDiskFreeSpace(host, space);
}

void OverrideDiskFreeSpace(CDiskFreeSpaceQuery query) {
    Override() = std::move(query);
}

}  // namespace platform
