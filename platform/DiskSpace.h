#pragma once

#include <functional>
#include <string>

namespace platform {

// The free space of a file system in the units the installer multiplies out.
struct CDiskFreeSpace {
    unsigned long long m_nSectorsPerCluster = 0;
    unsigned long long m_nBytesPerSector = 0;
    unsigned long long m_nFreeClusters = 0;  // clusters the calling user may still fill
    unsigned long long m_nTotalClusters = 0;
};

// Asks for the free space of the file system that holds `path` (Windows form,
// normally a drive root such as "C:\"). False when the drive is not mapped or its
// directory cannot be examined.
bool QueryDiskFreeSpace(const std::string& path, CDiskFreeSpace& space);

// The free space of a real file system changes while other programs run, so a test
// of an exact comparison cannot use it. A query set here answers in place of the
// file system (it gets the Windows path asked about); an empty one restores it.
using CDiskFreeSpaceQuery = std::function<bool(const std::string& path, CDiskFreeSpace& space)>;
void OverrideDiskFreeSpace(CDiskFreeSpaceQuery query);

// The file system's own answer for the host path `hostPath`, never an override's;
// QueryDiskFreeSpace maps the drive and asks this. The system's part (posix/ and
// win32/DiskSpace.cpp).
bool QuerySystemDiskFreeSpace(const std::string& hostPath, CDiskFreeSpace& space);

}  // namespace platform
