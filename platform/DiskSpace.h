#pragma once

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

}  // namespace platform
