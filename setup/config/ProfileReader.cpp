#include "setup/config/ProfileReader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/AsciiCase.h"
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
            if (FindSection(name) != nullptr) {
                current = kNoSection;
            } else {
                m_sections.push_back(CSection{std::string(name), {}});
                current = m_sections.size() - 1;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == kNoSection || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        if (!key.empty()) {
            m_sections[current].m_entries.push_back(
                CEntry{std::string(key), ValueOf(line.substr(equals + 1))});
        }
    }
}

CProfileReader CProfileReader::FromFile(const std::string& hostPath) {
    // Only a regular file holds a profile; reading a directory would fail half-way.
    std::error_code error;
    if (!std::filesystem::is_regular_file(hostPath, error)) {
        return CProfileReader(std::string_view());
    }
    std::ifstream in(hostPath, std::ios::binary);
    std::string text;
    try {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        text.clear();  // a read error half-way: rather nothing than a partial file
    }
    return CProfileReader(in.bad() ? std::string_view() : std::string_view(text));
}

const CProfileReader::CSection* CProfileReader::FindSection(std::string_view name) const {
    for (const CSection& section : m_sections) {
        if (platform::EqualsIgnoringAsciiCase(section.m_strName, name)) {
            return &section;
        }
    }
    return nullptr;
}

std::optional<std::string> CProfileReader::Find(std::string_view section,
                                                std::string_view key) const {
    if (const CSection* found = FindSection(section)) {
        for (const CEntry& entry : found->m_entries) {
            if (platform::EqualsIgnoringAsciiCase(entry.m_strKey, key)) {
                return entry.m_strValue;
            }
        }
    }
    return std::nullopt;
}

int CProfileReader::FindInt(std::string_view section, std::string_view key,
                            int defaultValue) const {
    const std::optional<std::string> value = Find(section, key);
    if (!value || value->empty()) {
        return defaultValue;
    }
    return CountFromText(*value);
}

}  // namespace setup
