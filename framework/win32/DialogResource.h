#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/DialogTemplate.h"

namespace framework::win32 {

// A dialog layout as the in-memory template the system's dialog manager makes its
// windows from (an extended dialog template and its items), its texts looked up in
// the layout's string table, its font `fontFace` at the layout's point size. The
// words start where the allocator puts them, aligned for the template's double words.
std::vector<std::uint16_t> BuildDialogResource(const CDialogTemplate& dialogTemplate,
                                               const std::string& fontFace);

}  // namespace framework::win32
