#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InstallFolder.h"

namespace platform {

// Where the part of CInstallFolder that is the same on every system (InstallFolder.cpp)
// meets each system's own (posix/ and win32/InstallFolder.cpp): the names the folder
// gives its own files, and one level of the folder with the calls that look at a name
// in it, remove it and rename it. The rules of what an undo or a drop may touch are
// kept in one place; how a system touches it is its own.

// The names of temporaries and kept originals begin so (see CInstallFolder).
inline constexpr std::string_view kOwnPrefix = ".~setup-";
// An original kept under a second name has the temporary's name with this at its end.
inline constexpr std::string_view kKeptSuffix = "-kept";

// One level of a relative name, taken whole, that may be opened below the folder: the
// names that would lead elsewhere, or that the system cannot hold, are refused. The
// system's own; CInstallFolder::IsSafeRelative checks every level with it.
bool IsSafeComponent(std::string_view name);

// The last level of a relative name, and the levels above it ("" for none).
std::string NameOf(const std::string& relative);
std::string FolderOf(const std::string& relative);

// What stands at a name in a level, without following a link (on Win32 a reparse
// point): its identity as CPlacement holds it.
struct CFileLook {
    bool m_bThere = false;
    bool m_bRegular = false;  // a file (no folder), and no link (on Win32 no reparse point)
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;

    // The very file `placement` made.
    bool Is(const CPlacement& placement) const {
        return m_bThere && m_nDevice == placement.m_nDevice && m_nInode == placement.m_nInode;
    }
    // The same file under both names.
    bool Is(const CFileLook& other) const {
        return m_bThere && other.m_bThere && m_nDevice == other.m_nDevice &&
               m_nInode == other.m_nInode;
    }
};

// A level of the folder, opened below it for one operation and closed when it goes
// (unless it is the folder itself), as the common code uses it. Names are of this
// level alone, checked before they come here.
class CFolderLevel {
public:
    // `bSwapMayEmptyName`: putting a new file in place of an original may leave the
    // name empty for a moment, the original renamed aside (Win32 where the file system
    // has no second names); an undo that finds it so puts the original back.
    explicit CFolderLevel(bool bSwapMayEmptyName) : m_bSwapMayEmptyName(bSwapMayEmptyName) {}
    virtual ~CFolderLevel() = default;
    CFolderLevel(const CFolderLevel&) = delete;
    CFolderLevel& operator=(const CFolderLevel&) = delete;

    bool SwapMayEmptyName() const { return m_bSwapMayEmptyName; }

    virtual CFileLook Look(const std::string& name) const = 0;
    // Removes the file `name` (a link there goes, not what it points to).
    virtual bool Remove(const std::string& name) = 0;
    // The same, and true as well when nothing is there.
    virtual bool RemoveIfThere(const std::string& name) = 0;
    // Renames the file `from` to `to`, replacing what `to` holds.
    virtual bool RenameOver(const std::string& from, const std::string& to) = 0;
    // Renames the file `from` to `to`, which nothing holds. Asked only where
    // SwapMayEmptyName().
    virtual bool RenameInto(const std::string& from, const std::string& to) = 0;
    // The names in the level, without "." and "..", nor any the folder keeps for itself.
    virtual std::vector<std::string> Names() const = 0;

private:
    bool m_bSwapMayEmptyName;
};

}  // namespace platform
