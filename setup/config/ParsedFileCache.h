#pragma once

#include <string>

#include "platform/FileStamp.h"
#include "setup/config/ProfileReader.h"

namespace setup {

// The last profile file parsed, kept with what identifies its contents: the path, the
// device and inode, the size, the modification and status-change times. A file is
// parsed again when any of them differs. The file system stamps times with a clock
// that advances in ticks, so a file rewritten within the tick of its previous change
// can keep every stamp; a parse is therefore trusted only when the file's last
// change lies clearly before the moment of the parse, and a file changed just before
// being read is parsed anew each time until that holds.
class CParsedFileCache {
public:
    // The reader for the file at `hostPath` as it is now; an unreadable file reads as
    // an empty one. Valid until the next call.
    // `found`, when given, tells whether the file was there.
    const CProfileReader& Open(const std::string& hostPath, bool* found = nullptr);

private:
    CProfileReader m_reader{std::string_view()};
    std::string m_strPath;
    platform::CFileStamp m_stamp;
    bool m_bTrusted = false;  // m_reader may stand for the file with m_stamp
};

}  // namespace setup
