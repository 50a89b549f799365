#include "setup/config/ProfileReader.h"

#include <algorithm>

#include "platform/AsciiCase.h"
#include "platform/RegularFileText.h"
#include "setup/config/CountText.h"

namespace setup {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string ValueOf(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, value.find('\0')));
}

constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

// A name in the one letter case in which names are looked up.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = platform::ToUpperAscii(c);
    }
    return folded;
}

// The number N of a key "<stem>N" (N without leading zeros), or 0.
int NumberAfter(std::string_view key, std::string_view stem) {
    if (key.size() <= stem.size() || key.size() - stem.size() > 9 || key[stem.size()] == '0' ||
        !platform::EqualsIgnoringAsciiCase(key.substr(0, stem.size()), stem)) {
        return 0;
    }
    int number = 0;
    for (const char c : key.substr(stem.size())) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

CProfileReader::CProfileReader(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::size_t current = kNoSection;  // index of the section value lines go to
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = Trim(text.substr(0, end));
        if (end == std::string_view::npos) {
            text = {};
        } else {
            // CR LF is one line end; a lone CR or LF is one too.
            const std::size_t next =
                (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2
                                                                                      : end + 1;
            text.remove_prefix(next);
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const std::string_view name = Trim(line.substr(1, line.find(']') - 1));
            const auto added = m_sectionIndex.emplace(Folded(name), m_sections.size());
            if (!added.second) {
                current = kNoSection;
            } else {
                m_sections.push_back(CSection{std::string(name), {}, {}});
                current = m_sections.size() - 1;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == kNoSection || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        CSection& section = m_sections[current];
        if (!key.empty() && section.m_keyIndex.emplace(Folded(key), section.m_entries.size()).second) {
            section.m_entries.push_back(CEntry{std::string(key), ValueOf(line.substr(equals + 1))});
        }
    }
}

CProfileReader CProfileReader::FromFile(const std::string& hostPath) {
    // Only a regular file of a sensible size holds a profile: a FIFO would block and
    // a huge file exhaust the memory before any window shows.
    std::string text;
    platform::ReadRegularFile(hostPath, kMaxProfileBytes, text);
    return CProfileReader(text);
}

const CProfileReader::CSection* CProfileReader::FindSection(std::string_view name) const {
    const auto found = m_sectionIndex.find(Folded(name));
    return found == m_sectionIndex.end() ? nullptr : &m_sections[found->second];
}

std::optional<std::string> CProfileReader::Find(std::string_view section,
                                                std::string_view key) const {
    if (const CSection* found = FindSection(section)) {
        const auto entry = found->m_keyIndex.find(Folded(key));
        if (entry != found->m_keyIndex.end()) {
            return found->m_entries[entry->second].m_strValue;
        }
    }
    return std::nullopt;
}

int CProfileReader::LastNumberedKey(std::string_view section, std::string_view stem) const {
    int last = 0;
    if (const CSection* found = FindSection(section)) {
        for (const CEntry& entry : found->m_entries) {
            last = std::max(last, NumberAfter(entry.m_strKey, stem));
        }
    }
    return last;
}

int CProfileReader::FindInt(std::string_view section, std::string_view key,
                            int defaultValue) const {
    const std::optional<std::string> value = Find(section, key);
    if (!value || value->empty()) {
        return defaultValue;
    }
    return ProfileIntFromText(*value);
}

}  // namespace setup
