#pragma once

#include <string>

namespace framework::win32 {

// A help document as the system's rich edit shows it: the HTML of a help file (UTF-8)
// as rich text. Headings, paragraphs, bold, italic and key names, numbered and
// bulleted lists, tables and line breaks keep their look; styles, scripts and link
// targets are left out, a link's text stays. The title goes to `title`.
struct CHelpRichText {
    std::string rtf;
    std::string title;
};

CHelpRichText RichTextFromHtml(const std::string& html);

}  // namespace framework::win32
