// The system's message boxes as the programs show them on Windows: what each box says
// and offers, and what its answer returns. A timer of the test's own thread reads each
// box from inside its modal loop and answers it as a user would.
#include "framework/win32/Win32UserInterface.h"

#include <gtest/gtest.h>

#include "framework/win32/SystemHeaders.h"
// The name the test calls the interface's message box by, not the system's.
#undef MessageBox

#include <deque>
#include <string>
#include <vector>

#include "platform/win32/WideString.h"

namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

struct CBoxSeen {
    std::string title, text;
    bool bIcon = false;
    std::vector<int> buttons;  // the command identifiers of the buttons shown
    int nDefault = 0;
};

// What the user does to the box in front: presses a button, or presses Escape.
enum class Action { PressOk, PressYes, PressNo, Escape };

std::deque<Action> g_script;
std::vector<CBoxSeen> g_seen;

std::string Text(HWND hWnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hWnd, text, 512);
    return platform::win32::Narrow(text);
}

// The box in front: the window its modal loop has made the active one.
HWND BoxInFront() {
    HWND hActive = GetActiveWindow();
    wchar_t name[16] = {};
    GetClassNameW(hActive, name, 16);
    return std::wstring(name) == L"#32770" ? hActive : nullptr;
}

CBoxSeen Read(HWND hBox) {
    CBoxSeen seen;
    seen.title = Text(hBox);
    // The box's text is the static control of identifier 0xFFFF.
    seen.text = Text(GetDlgItem(hBox, 0xFFFF));
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(hChild, GWL_STYLE);
        if (IsWindowVisible(hChild) && (style & SS_TYPEMASK) == SS_ICON) {
            seen.bIcon = seen.bIcon || SendMessageW(hChild, STM_GETICON, 0, 0) != 0;
        }
    }
    for (int nId : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (HWND hButton = GetDlgItem(hBox, nId); hButton && IsWindowVisible(hButton)) {
            seen.buttons.push_back(nId);
            // The default button says so when the dialog manager asks it.
            if (SendMessageW(hButton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
                seen.nDefault = nId;
            }
        }
    }
    return seen;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND hBox = BoxInFront();
    if (hBox == nullptr || g_script.empty()) {
        return;
    }
    g_seen.push_back(Read(hBox));
    const Action action = g_script.front();
    g_script.pop_front();
    if (g_script.empty()) {
        KillTimer(nullptr, timer);
    }
    if (action == Action::Escape) {
        // As the key reaches the box: through its dialog loop, to the focused button.
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    const int nId = action == Action::PressOk ? IDOK : action == Action::PressYes ? IDYES : IDNO;
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hBox, nId)));
}

struct CBoxCase {
    const char* name;
    MessageIcon icon;
    MessageButtons buttons;
    std::vector<Action> script;
    MessageResult expected;
    std::vector<int> shownButtons;
    int nDefault;
};

class Win32MessageBox : public testing::TestWithParam<CBoxCase> {};

TEST_P(Win32MessageBox, SaysWhatItIsToldAndReturnsTheAnswer) {
    const CBoxCase& row = GetParam();
    platform::SetDisplayName("Lettrino");
    g_script.assign(row.script.begin(), row.script.end());
    g_seen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, AnswerBox);
    framework::win32::CWin32UserInterface ui;
    const std::string text = "The file C:\\LETTRINO\\LETTRINO.TXT is missing.\nSetup ends.";
    EXPECT_EQ(ui.MessageBox(text, row.icon, row.buttons), row.expected);
    KillTimer(nullptr, timer);

    ASSERT_EQ(g_seen.size(), row.script.size()) << "a box went unanswered or never came";
    for (const CBoxSeen& seen : g_seen) {
        EXPECT_EQ(seen.title, "Lettrino");
        EXPECT_EQ(seen.text, text);
        EXPECT_EQ(seen.bIcon, row.icon != MessageIcon::None);
        EXPECT_EQ(seen.buttons, row.shownButtons);
        EXPECT_EQ(seen.nDefault, row.nDefault);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Boxes, Win32MessageBox,
    testing::Values(
        CBoxCase{"Notice", MessageIcon::Exclamation, MessageButtons::Ok, {Action::PressOk},
                 MessageResult::Ok, {IDOK}, IDOK},
        CBoxCase{"NoticeWithoutIcon", MessageIcon::None, MessageButtons::Ok, {Action::PressOk},
                 MessageResult::Ok, {IDOK}, IDOK},
        CBoxCase{"QuestionAnsweredNo", MessageIcon::Question, MessageButtons::YesNo,
                 {Action::PressNo}, MessageResult::No, {IDYES, IDNO}, IDYES},
        // Escape is no answer: the question stays until Yes or No is pressed.
        CBoxCase{"EscapeDoesNotAnswerAQuestion", MessageIcon::Question, MessageButtons::YesNo,
                 {Action::Escape, Action::PressYes}, MessageResult::Yes, {IDYES, IDNO}, IDYES}),
    [](const testing::TestParamInfo<CBoxCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
