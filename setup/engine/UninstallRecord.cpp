#include "setup/engine/UninstallRecord.h"

#include <charconv>

#include "platform/HostPath.h"
#include "platform/InstallFolder.h"
#include "setup/engine/TabFields.h"

namespace setup {

namespace {

constexpr const char* kVersionLine = "setup-uninstall-record\t1";

const char* KindName(CUninstallRecord::Kind kind) {
    switch (kind) {
        case CUninstallRecord::Kind::File:
            return "file";
        case CUninstallRecord::Kind::Launcher:
            return "launcher";
        case CUninstallRecord::Kind::Program:
            return "program";
    }
    return "file";
}

// A line break inside a value would end its line early; such a value is never
// written, so its entry is missing rather than misread.
bool FitsOnALine(const std::string& value) {
    return value.find_first_of("\r\n") == std::string::npos;
}

bool IsDigest(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// A path below the install folder: relative, each level a whole name (no level that
// leads up, no NUL that would cut it short for the system, no control character).
bool IsBelow(const std::string& path) {
    return platform::CInstallFolder::IsSafeRelative(path);
}

bool ParseItem(const std::vector<std::string>& fields, CUninstallRecord::CItem& item) {
    const std::string& size = fields[1];
    const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), item.m_nSize);
    item.m_strDigest = fields[2];
    item.m_strPath = fields[3];
    return error == std::errc() && end == size.data() + size.size() && !size.empty() &&
           IsDigest(item.m_strDigest) && !item.m_strPath.empty();
}

}  // namespace

std::string CUninstallRecord::Format() const {
    std::string text = std::string(kVersionLine) + "\n";
    std::string caption = m_strCaption;
    for (char& c : caption) {
        c = c == '\r' || c == '\n' ? ' ' : c;
    }
    text += "caption\t" + caption + "\n";
    text += "folder\t" + m_strFolder + "\n";
    for (const std::string& folder : m_created) {
        if (FitsOnALine(folder)) {
            text += "created\t" + folder + "\n";
        }
    }
    for (const CItem& item : m_items) {
        if (FitsOnALine(item.m_strPath)) {
            text += std::string(KindName(item.m_kind)) + "\t" + std::to_string(item.m_nSize) +
                    "\t" + item.m_strDigest + "\t" + item.m_strPath + "\n";
        }
    }
    return text;
}

bool CUninstallRecord::Parse(const std::string& text, int& badLine) {
    *this = CUninstallRecord();
    badLine = 1;
    bool hasFolder = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return false;  // cut short: the last line lacks its end
        }
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (badLine == 1) {
            if (line != kVersionLine) {
                return false;
            }
            ++badLine;
            continue;
        }
        const std::vector<std::string> fields = TabFields(line, 3);
        const std::string& kind = fields[0];
        CItem item{};
        if (kind == "caption" && fields.size() >= 2) {
            m_strCaption = line.substr(kind.size() + 1);
        } else if (kind == "folder" && fields.size() >= 2 && !hasFolder) {
            m_strFolder = line.substr(kind.size() + 1);
            hasFolder = !m_strFolder.empty();
        } else if (kind == "created" && fields.size() >= 2) {
            m_created.push_back(line.substr(kind.size() + 1));
            if (m_created.back() != "." && !IsBelow(m_created.back())) {
                return false;
            }
        } else if (fields.size() == 4 &&
                   (kind == "file" || kind == "launcher" || kind == "program") &&
                   ParseItem(fields, item)) {
            item.m_kind = kind == "file"       ? Kind::File
                          : kind == "launcher" ? Kind::Launcher
                                               : Kind::Program;
            // A launcher's path is absolute; below its root each level is checked
            // as any other.
            const std::size_t root = platform::HostRootLength(item.m_strPath);
            if (item.m_kind == Kind::Launcher ? root == 0 || !IsBelow(item.m_strPath.substr(root))
                                              : !IsBelow(item.m_strPath)) {
                return false;
            }
            m_items.push_back(item);
        } else {
            return false;
        }
        ++badLine;
    }
    if (!hasFolder) {
        badLine = 1;
        return false;
    }
    return true;
}

}  // namespace setup
