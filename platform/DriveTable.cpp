#include "platform/DriveTable.h"

#include "platform/DriveMap.h"

namespace platform {

namespace {

CDriveTable& Table() {
    static CDriveTable table = DefaultDriveTable();
    return table;
}

}  // namespace

int DriveSlot(char letter) {
    if (letter >= 'a' && letter <= 'z') {
        return letter - 'a';
    }
    if (letter >= 'A' && letter <= 'Z') {
        return letter - 'A';
    }
    return -1;
}

std::string DriveRoot(char letter) {
    const int slot = DriveSlot(letter);
    return slot < 0 ? std::string() : Table()[slot];
}

std::vector<char> MappedDrives() {
    std::vector<char> letters;
    for (int slot = 0; slot < 26; ++slot) {
        if (!Table()[slot].empty()) {
            letters.push_back(static_cast<char>('A' + slot));
        }
    }
    return letters;
}

void MapDrive(char letter, const std::string& hostDirectory) {
    const int slot = DriveSlot(letter);
    if (slot >= 0) {
        Table()[slot] = hostDirectory.empty() ? std::string() : DriveRootForm(hostDirectory);
    }
}

void ResetDriveMap() {
    Table() = DefaultDriveTable();
}

}  // namespace platform
