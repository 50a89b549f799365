#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/SystemHandle.h"

namespace platform {

// Reads a text file line by line with the rules of the word game's dictionary:
// a line ends at LF, and a CR right before the LF goes with it (a CR anywhere else
// stays in the line); a CTRL-Z byte (0x1A) ends the file; a last line without a line
// end still counts; lines may be of any length. A failed read is reported as such,
// never mistaken for the end of the file.
class CTextFileReader {
public:
    enum class Result { Line, End, Error };

    CTextFileReader();
    ~CTextFileReader();
    CTextFileReader(const CTextFileReader&) = delete;
    CTextFileReader& operator=(const CTextFileReader&) = delete;

    // Opens `path` (found whatever the letter case of its components) for reading.
    // A directory is not a text file and is refused.
    bool Open(const std::string& path);

    // Takes over an already open file and reads on from its current offset.
    void Attach(CSystemHandle file);

    // Puts the next line, without its line end, into `line`. After End or Error
    // every further call gives the same result again.
    Result ReadLine(std::string& line);

    // The same, without copying: `line` stays valid until the next call.
    Result ReadLineView(std::string_view& line);

    // The size of the open file in bytes, 0 when unknown; a hint for reserving memory.
    std::size_t GetLength() const;

    void Close();

private:
    // Reads the next block into the buffer; false at the end of the file or on a
    // failure (m_bFailed tells which).
    bool Fill();

    CSystemHandle m_hFile = kNoHandle;
    std::vector<char> m_buffer;
    std::size_t m_nPos = 0;
    std::size_t m_nEnd = 0;
    bool m_bEnded = false;
    bool m_bFailed = false;
    std::string m_strPending;  // the start of a line that began in an earlier block
};

}  // namespace platform
