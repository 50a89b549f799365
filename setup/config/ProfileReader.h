#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace setup {

// Reads values from an INI-style profile text: section lines "[name]" and value
// lines "key=value". The rules:
//
// - Lines end at LF, CR LF or a lone CR; the last line needs no line end. A UTF-8
//   byte-order mark at the very start of the text is ignored.
// - Blanks (spaces and tabs) at the start and end of a line are ignored.
// - A line whose first character is ';' is a comment.
// - A line whose first character is '[' starts a section. Its name runs to the first
//   ']' (or to the end of the line when there is none), blanks around it trimmed;
//   anything after the ']' is ignored.
// - Any other line that holds '=' is a value line: the key is the text before the
//   first '=', the value the text after it, both with surrounding blanks trimmed.
//   When the value then starts and ends with the same quote character (" or '),
//   that one pair is removed and nothing else. Lines without '=', lines with an
//   empty key and value lines before the first section are ignored.
// - Section and key names are matched ignoring the case of the letters A to Z.
// - When a section name occurs more than once only its first occurrence is
//   searched; within it, the first line with the key wins.
// - The text is taken as bytes: no escape sequences, no character set. A value is
//   cut at a NUL byte, the way a C string would end there.
//
// These follow the profile reader of the platform the installer was written for as
// far as its behaviour is known, so that a SETUP.INI written for it reads the same.
//
// Reading is linear in the size of the text, and a file larger than
// kMaxProfileBytes (or not a regular file) reads as an empty one.
class CProfileReader {
public:
    // 16 MiB: far more than any product's list of files needs, little enough to read
    // at once before the first window shows.
    static constexpr std::size_t kMaxProfileBytes = 16u << 20;

    // A reader over `text`, which is copied.
    explicit CProfileReader(std::string_view text);

    // A reader over the file at the host path `hostPath`; an unreadable or missing
    // file reads as an empty text, in which every key is missing.
    static CProfileReader FromFile(const std::string& hostPath);

    // The value of `key` in `section`; nothing when either is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // The value of `key` in `section` converted by ProfileIntFromText; `defaultValue`
    // when the key is missing or its value empty.
    int FindInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The largest N of the keys "<stem>N" present in `section` (N a decimal number
    // without leading zeros, the stem matched ignoring case); 0 when there is none.
    // A loop up to a count read from the file need not go beyond it.
    int LastNumberedKey(std::string_view section, std::string_view stem) const;

private:
    struct CEntry {
        std::string m_strKey;
        std::string m_strValue;
    };
    struct CSection {
        std::string m_strName;
        std::vector<CEntry> m_entries;
        std::unordered_map<std::string, std::size_t> m_keyIndex;  // folded key -> first entry
    };

    const CSection* FindSection(std::string_view name) const;

    // Sections in file order, each name once: a repeated section's lines are dropped
    // while parsing, as they would never be searched.
    std::vector<CSection> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;  // folded name -> section
};

}  // namespace setup
