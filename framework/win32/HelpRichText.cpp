#include "framework/win32/HelpRichText.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace framework::win32 {

namespace {

// The width of a table, in twips: about the help window's width.
constexpr int kTableWidth = 7800;

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The code points of UTF-8 `text`; a stray byte stands for itself.
std::vector<std::uint32_t> CodePoints(const std::string& text) {
    std::vector<std::uint32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        std::uint32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        std::size_t j = 1;
        for (; j <= static_cast<std::size_t>(extra) && i + j < text.size(); ++j) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + j]) & 0x3F);
        }
        points.push_back(point);
        i += j;
    }
    return points;
}

// Text as rich text: its control characters escaped, everything beyond ASCII as
// Unicode escapes (in UTF-16 units, as the format counts them), with no fallback.
std::string Escaped(const std::string& text) {
    std::string out;
    for (std::uint32_t point : CodePoints(text)) {
        if (point == '\\' || point == '{' || point == '}') {
            out += '\\';
            out += static_cast<char>(point);
        } else if (point < 0x80) {
            out += static_cast<char>(point);
        } else {
            const auto unit = [&out](std::uint32_t value) {
                out += "\\u" + std::to_string(static_cast<std::int16_t>(value)) + "?";
            };
            if (point >= 0x10000) {
                unit(0xD800 + ((point - 0x10000) >> 10));
                unit(0xDC00 + ((point - 0x10000) & 0x3FF));
            } else {
                unit(point);
            }
        }
    }
    return out;
}

std::string Entity(const std::string& name) {
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return "\xC2\xA0";
    if (name.size() > 1 && name[0] == '#') {
        const bool bHex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(bHex ? 2 : 1);
        char* pEnd = nullptr;
        const unsigned long point = std::strtoul(digits.c_str(), &pEnd, bHex ? 16 : 10);
        // A reference that names no character is text as written.
        if (digits.empty() || *pEnd != '\0' || point == 0 || point > 0x10FFFF ||
            (point >= 0xD800 && point <= 0xDFFF)) {
            return "&" + name + ";";
        }
        std::string utf8;
        if (point < 0x80) {
            utf8 += static_cast<char>(point);
        } else if (point < 0x800) {
            utf8 += static_cast<char>(0xC0 | (point >> 6));
            utf8 += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (point >> 12));
            utf8 += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (point >> 18));
            utf8 += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (point & 0x3F));
        }
        return utf8;
    }
    return "&" + name + ";";
}

// Turns the document into rich text tag by tag.
class CConverter {
public:
    explicit CConverter(const std::string& html) : m_html(html) {}

    CHelpRichText Convert() {
        m_out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}"
                "{\\colortbl;\\red31\\green63\\blue127;}\\f0\\fs20 ";
        std::size_t i = 0;
        while (i < m_html.size()) {
            if (m_html[i] == '<') {
                const std::size_t end = m_html.find('>', i);
                if (end == std::string::npos) {
                    break;
                }
                Tag(m_html.substr(i + 1, end - i - 1), end + 1);
                i = end + 1;
            } else {
                const std::size_t end = std::min(m_html.find('<', i), m_html.size());
                Text(m_html.substr(i, end - i));
                i = end;
            }
        }
        m_out += "}";
        return {m_out, m_title};
    }

private:
    void Text(const std::string& raw) {
        if (m_nSkip > 0) {
            return;
        }
        std::string text;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '&') {
                const std::size_t end = raw.find(';', i);
                if (end != std::string::npos && end - i <= 10) {
                    text += Entity(raw.substr(i + 1, end - i - 1));
                    i = end;
                    m_bBlank = false;
                    m_bAtLineStart = false;
                    continue;
                }
            }
            // Runs of white space read as one blank, none at the start of a paragraph.
            if (std::isspace(static_cast<unsigned char>(raw[i]))) {
                if (!m_bAtLineStart && !m_bBlank) {
                    text += ' ';
                    m_bBlank = true;
                }
                continue;
            }
            text += raw[i];
            m_bBlank = false;
            m_bAtLineStart = false;
        }
        if (m_bInTitle) {
            m_title += text;
        } else {
            m_out += Escaped(text);
        }
    }

    void Paragraph(const char* format) {
        if (m_bStarted) {
            m_out += m_bInTable ? "" : "\\par\n";
        }
        m_bStarted = true;
        m_out += "\\pard";
        m_out += format;
        m_out += ' ';
        m_bAtLineStart = true;
        m_bBlank = false;
    }

    // The number of cells of the table row whose contents begin at `from`.
    int CellsFrom(std::size_t from) const {
        const std::string row = Lower(m_html.substr(from, m_html.find("</tr", from) - from));
        int cells = 0;
        for (std::size_t at = row.find("<t"); at != std::string::npos; at = row.find("<t", at + 1)) {
            cells += row.compare(at, 3, "<td") == 0 || row.compare(at, 3, "<th") == 0;
        }
        return std::max(cells, 1);
    }

    void Tag(const std::string& raw, std::size_t after) {
        const bool bClose = !raw.empty() && raw[0] == '/';
        std::string name = Lower(raw.substr(bClose ? 1 : 0));
        name = name.substr(0, name.find_first_of(" \t\r\n/"));
        const std::string attributes = Lower(raw);
        if (name == "head" || name == "style" || name == "script") {
            m_nSkip += bClose ? -1 : 1;
        } else if (name == "title") {
            m_bInTitle = !bClose;
            m_nSkip += bClose ? 1 : -1;  // inside the skipped head, its text is kept
        } else if (m_nSkip > 0) {
            return;
        } else if (name == "h1" || name == "h2" || name == "h3") {
            if (!bClose) {
                Paragraph(name == "h1" ? "\\sb120\\sa60" : "\\sb240\\sa60");
                m_out += name == "h1" ? "{\\b\\cf1\\fs32 " : "{\\b\\cf1\\fs26 ";
            } else {
                m_out += "}";
            }
        } else if (name == "p" || name == "div") {
            if (!bClose) {
                Paragraph(m_nListDepth > 0 ? "\\li360\\sa60" : "\\sa100");
                m_bItalicParagraph = attributes.find("lead") != std::string::npos;
                m_out += m_bItalicParagraph ? "{\\i " : "";
            } else if (m_bItalicParagraph) {
                m_out += "}";
                m_bItalicParagraph = false;
            }
        } else if (name == "br") {
            m_out += "\\line ";
            m_bAtLineStart = true;
        } else if (name == "th") {
            // A heading cell: a cell in bold.
            if (!bClose) {
                Cell(false);
                m_out += "{\\b ";
            } else {
                m_out += "}";
                Cell(true);
            }
        } else if (name == "b" || name == "strong" || name == "kbd" ||
                   (name == "span" && !bClose && attributes.find("screen") != std::string::npos)) {
            m_out += bClose ? "}" : "{\\b ";
            if (name == "span") {
                m_spans.push_back(true);
            }
        } else if (name == "span") {
            if (bClose && !m_spans.empty()) {
                if (m_spans.back()) {
                    m_out += "}";
                }
                m_spans.pop_back();
            } else if (!bClose) {
                m_spans.push_back(false);
            }
        } else if (name == "i" || name == "em") {
            m_out += bClose ? "}" : "{\\i ";
        } else if (name == "ol" || name == "ul") {
            if (!bClose) {
                m_lists.push_back(name == "ol" ? 1 : 0);
                ++m_nListDepth;
            } else if (!m_lists.empty()) {
                m_lists.pop_back();
                --m_nListDepth;
            }
        } else if (name == "li" && !bClose) {
            Paragraph("\\fi-360\\li360\\sa40\\tx360");
            if (!m_lists.empty() && m_lists.back() > 0) {
                m_out += std::to_string(m_lists.back()++) + ".\\tab ";
            } else {
                m_out += "\\bullet\\tab ";
            }
        } else if (name == "table") {
            m_bInTable = !bClose;
            if (bClose) {
                Paragraph("");
            }
        } else if (name == "tr") {
            if (!bClose) {
                const int cells = CellsFrom(after);
                if (m_bStarted) {
                    m_out += "\\par\n";
                }
                m_bStarted = true;
                m_out += "\\trowd\\trgaph80";
                for (int c = 1; c <= cells; ++c) {
                    m_out += "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx" +
                             std::to_string(kTableWidth * c / cells);
                }
                m_out += "\n";
            } else {
                m_out += "\\row\n";
                m_bStarted = false;
            }
        } else if (name == "td") {
            Cell(bClose);
        }
    }

    void Cell(bool bClose) {
        if (!bClose) {
            m_out += "\\pard\\intbl ";
            m_bAtLineStart = true;
            m_bBlank = false;
        } else {
            m_out += "\\cell ";
        }
    }

    const std::string& m_html;
    std::string m_out;
    std::string m_title;
    int m_nSkip = 0;
    int m_nListDepth = 0;
    std::vector<int> m_lists;  // the next number of each open list, 0 for bullets
    std::vector<bool> m_spans;  // whether each open span made its text bold
    bool m_bInTitle = false;
    bool m_bInTable = false;
    bool m_bStarted = false;
    bool m_bAtLineStart = true;
    bool m_bBlank = false;
    bool m_bItalicParagraph = false;
};

}  // namespace

CHelpRichText RichTextFromHtml(const std::string& html) {
    return CConverter(html).Convert();
}

}  // namespace framework::win32
