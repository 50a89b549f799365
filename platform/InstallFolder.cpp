#include "platform/InstallFolder.h"

#include <algorithm>

#include "platform/FolderLevel.h"

// The part of the install folder that is the same on every system: the checks of the
// names a call is given, the names of temporaries, and what undoing a placement and
// dropping an original may touch. What each system does to a name is behind
// CFolderLevel, in posix/ and win32/InstallFolder.cpp.

namespace platform {

namespace {

// Undoes the placement of `name` in `level` as far as it got (see UndoPlacement); its
// temporary, if any, and that temporary's second name are `temporary` and `aside`.
UndoResult UndoIn(CFolderLevel& level, const std::string& name, const std::string& temporary,
                  const std::string& aside, const CPlacement& placement, bool bRemoveNew) {
    // A new file in place, as asked, stays or goes.
    const auto keepOrRemoveNew = [&] {
        if (!bRemoveNew) {
            return UndoResult::kKept;
        }
        return level.Remove(name) ? UndoResult::kRemoved : UndoResult::kFailed;
    };
    if (temporary.empty()) {
        // Made under its own name: it is there, part-written or whole, or it is not.
        if (!level.Look(name).Is(placement)) {
            return UndoResult::kNothing;
        }
        return keepOrRemoveNew();
    }
    const CFileLook atTemporary = level.Look(temporary);
    const CFileLook atAside = level.Look(aside);
    const CFileLook atName = level.Look(name);
    if (atTemporary.Is(placement)) {
        // Complete but never in place. A second name made for the original goes too;
        // an original renamed aside with its name left empty comes back.
        if (level.SwapMayEmptyName() && atAside.m_bThere && !atName.m_bThere) {
            return level.RenameInto(aside, name) && level.Remove(temporary) ? UndoResult::kRestored
                                                                            : UndoResult::kFailed;
        }
        const bool removed =
            level.Remove(temporary) && (!atAside.Is(atName) || level.Remove(aside));
        return removed ? UndoResult::kNothing : UndoResult::kFailed;
    }
    if (!atName.Is(placement)) {
        // Never placed, or its name holds something else by now: whatever an original
        // kept aside may be, it stays where it is rather than be lost.
        return atTemporary.m_bThere || atAside.m_bThere ? UndoResult::kFailed
                                                        : UndoResult::kNothing;
    }
    const std::string* original = atTemporary.m_bThere ? &temporary
                                  : atAside.m_bThere   ? &aside
                                                       : nullptr;
    if (original != nullptr) {
        return level.RenameOver(*original, name) ? UndoResult::kRestored : UndoResult::kFailed;
    }
    return keepOrRemoveNew();
}

}  // namespace

std::string NameOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? relative : relative.substr(slash + 1);
}

std::string FolderOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

bool CInstallFolder::IsSafeRelative(std::string_view relative) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        if (!IsSafeComponent(relative.substr(start, end - start))) {
            return false;
        }
        if (end == relative.size()) {
            return true;
        }
        start = end + 1;
    }
}

std::string CInstallFolder::NewTemporaryName() {
    return std::string(kOwnPrefix) + std::to_string(m_nProcess) + "-" + std::to_string(++m_nSerial);
}

CSystemHandle CInstallFolder::StartPlacement(const std::string& relative,
                                             CPlacement& placement) const {
    placement = CPlacement();
    if (!IsSafeRelative(relative) || IsOwnName(NameOf(relative))) {
        FailPlacing(true);
        return kNoHandle;
    }
    const CSystemHandle level = OpenLevel(FolderOf(relative));
    if (level == kNoHandle) {
        FailPlacing(false);
    }
    return level;
}

bool CInstallFolder::IsInPlace(const std::string& relative, const CPlacement& placement) const {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const std::unique_ptr<CFolderLevel> level = OpenFolderLevel(FolderOf(relative));
    return level != nullptr && level->Look(NameOf(relative)).Is(placement);
}

UndoResult CInstallFolder::UndoPlacement(const std::string& relative, const CPlacement& placement,
                                         bool bRemoveNew) {
    const std::string& temporary = placement.m_strTemporary;
    // The names come from a journal anybody could have edited: only a temporary of the
    // installer's own naming is ever touched.
    if (!IsSafeRelative(relative) ||
        (!temporary.empty() && (!IsSafeComponent(temporary) || !IsOwnName(temporary)))) {
        return UndoResult::kFailed;
    }
    const std::unique_ptr<CFolderLevel> level = OpenFolderLevel(FolderOf(relative));
    if (level == nullptr) {
        return UndoResult::kFailed;
    }
    return UndoIn(*level, NameOf(relative), temporary, temporary + std::string(kKeptSuffix),
                  placement, bRemoveNew);
}

bool CInstallFolder::DropOriginal(const std::string& relative, const CPlacement& placement) {
    const std::string& temporary = placement.m_strTemporary;
    if (temporary.empty()) {
        return true;  // made under its own name: nothing was set aside
    }
    if (!IsSafeRelative(relative) || !IsSafeComponent(temporary) || !IsOwnName(temporary)) {
        return false;
    }
    const std::unique_ptr<CFolderLevel> level = OpenFolderLevel(FolderOf(relative));
    if (level == nullptr) {
        return false;
    }
    bool dropped = true;
    for (const std::string& own : {temporary, temporary + std::string(kKeptSuffix)}) {
        if (!level->RemoveIfThere(own)) {
            dropped = false;
        }
    }
    return dropped;
}

std::vector<std::string> CInstallFolder::List(const std::string& relative) const {
    if (!relative.empty() && !IsSafeRelative(relative)) {
        return {};
    }
    const std::unique_ptr<CFolderLevel> level = OpenFolderLevel(relative);
    if (level == nullptr) {
        return {};
    }
    std::vector<std::string> names = level->Names();
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace platform
