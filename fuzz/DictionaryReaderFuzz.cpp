// Feeds arbitrary bytes as a dictionary file through the line reader and the
// dictionary's reading and writing, and checks them against the format's rules
// applied directly to the bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "game/engine/Dictionary.h"
#include "game/engine/Word.h"
#include "platform/RawFileWriter.h"
#include "platform/TextFileReader.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// An anonymous in-memory file holding `bytes`, positioned at its start.
int MemoryFile(std::string_view bytes) {
    const int descriptor = ::memfd_create("dictionary", MFD_CLOEXEC);
    Check(descriptor >= 0);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        Check(put > 0);
        done += static_cast<std::size_t>(put);
    }
    Check(::lseek(descriptor, 0, SEEK_SET) == 0);
    return descriptor;
}

// The lines of a dictionary file by the format's rules, spelled out plainly:
// CTRL-Z ends the file, LF ends a line, a CR right before the LF goes with it, and
// a last line without a line end counts when it is not empty.
std::vector<std::string> ExpectedLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

bool IsValidWord(const std::string& word) {
    if (word.size() < 3 || word.size() > 16) {
        return false;
    }
    for (char c : word) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> expectedLines = ExpectedLines(bytes);

    // The reader, in both of its ways of handing out lines.
    for (const bool bView : {false, true}) {
        platform::CTextFileReader reader;
        reader.Attach(MemoryFile(bytes));
        std::vector<std::string> lines;
        std::string line;
        std::string_view view;
        for (;;) {
            const platform::CTextFileReader::Result result =
                bView ? reader.ReadLineView(view) : reader.ReadLine(line);
            Check(result != platform::CTextFileReader::Result::Error);
            if (result == platform::CTextFileReader::Result::End) {
                break;
            }
            lines.emplace_back(bView ? std::string(view) : line);
        }
        Check(lines == expectedLines);
    }

    // Reading into the dictionary keeps exactly the valid words, in order.
    std::vector<std::string> expectedEntries;
    for (const std::string& line : expectedLines) {
        std::string entry;
        if (lettrino::PrepareWord(entry, line, true)) {
            Check(IsValidWord(entry));
            expectedEntries.push_back(entry);
        }
    }
    lettrino::CDictionary dictionary;
    platform::CTextFileReader reader;
    reader.Attach(MemoryFile(bytes));
    Check(dictionary.Transfer(reader));
    Check(!dictionary.IsModified());
    Check(dictionary.GetSize() == expectedEntries.size());
    for (std::size_t i = 0; i < expectedEntries.size(); ++i) {
        Check(dictionary.GetAt(i) == expectedEntries[i]);
    }

    // Written back, the words read the same; the file is the words and CR LF only.
    const int output = ::memfd_create("saved", MFD_CLOEXEC);
    Check(output >= 0);
    platform::CRawFileWriter writer;
    Check(writer.Create("/proc/self/fd/" + std::to_string(output)));
    Check(dictionary.Transfer(writer));
    Check(writer.Close());
    Check(::lseek(output, 0, SEEK_SET) == 0);
    lettrino::CDictionary reread;
    platform::CTextFileReader rereader;
    rereader.Attach(output);
    Check(reread.Transfer(rereader));
    Check(reread.GetSize() == dictionary.GetSize());
    for (std::size_t i = 0; i < reread.GetSize(); ++i) {
        Check(reread.GetAt(i) == dictionary.GetAt(i));
    }
    return 0;
}
