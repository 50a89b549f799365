// The help window on Windows: the help file's HTML shown as text in the system's rich
// edit, titled by the document, hidden by Escape.
#include <gtest/gtest.h>

#include "framework/win32/HelpWindow.h"
#include "framework/win32/SystemHeaders.h"
#include "platform/UserInterface.h"
#include "tests/support/TempDir.h"

namespace {

TEST(Win32HelpWindowTest, ShowsTheDocumentsTextUnderItsTitleAndHidesOnEscape) {
    testing_support::CTempDir dir;
    dir.Write("GAME.HLP",
              "<html><head><title>Game &amp; Help</title><style>p { color: red; }</style>"
              "</head><body><h1>Rules</h1><p>Find <b>words</b>   fast.</p>"
              "<ol><li>Start</li><li>Type</li></ol><ul><li>Quit</li></ul>"
              "<table><tr><th>Key</th><th>Action</th></tr><tr><td>F1</td><td>caf\xC3\xA9"
              "</td></tr></table><p>a &lt;b&gt; &#x263A; &#xZZ;</p></body></html>");
    framework::CHelpWindow help;
    help.ShowContents(dir.File("GAME.HLP"));
    EXPECT_EQ(help.Title(), "Game & Help");
    EXPECT_TRUE(::IsWindowVisible(static_cast<HWND>(help.Handle())));
    const std::string text = help.Text();
    // Paragraphs on lines of their own, blanks run together, lists numbered and
    // bulleted, each table cell's text, entities as the characters they stand for.
    for (const char* part : {"Rules\r", "Find words fast.\r", "1.\tStart\r", "2.\tType\r",
                             "\tQuit\r", "Key", "Action", "F1", "caf\xC3\xA9", "a <b> \xE2\x98\xBA &#xZZ;"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
    EXPECT_EQ(text.find("color"), std::string::npos) << "the style shows";
    EXPECT_EQ(text.find("Game & Help"), std::string::npos) << "the title shows";

    // A document without a title is named after the program.
    dir.Write("PLAIN.HLP", "<p>plain</p>");
    help.ShowContents(dir.File("PLAIN.HLP"));
    EXPECT_EQ(help.Title(), platform::DisplayName());
    EXPECT_EQ(help.Text().find("Rules"), std::string::npos) << "the earlier document stays";

    const HWND hText = ::GetWindow(static_cast<HWND>(help.Handle()), GW_CHILD);
    ::SendMessageW(hText, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(::IsWindowVisible(static_cast<HWND>(help.Handle())));
}

}  // namespace
