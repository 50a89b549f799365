// A Win32 dialog run by the system's dialog manager from a layout: how the user's keys
// and clicks reach its owner and end it. Each case acts from a command the dialog posts
// to itself once it runs, as the user would act on the dialog on screen.
#include "framework/win32/NativeDialog.h"

#include <gtest/gtest.h>

#include "framework/win32/SystemHeaders.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

using framework::CommandCode;
using framework::ControlKind;
using framework::win32::CNativeDialog;

enum { IDC_NAME_LABEL = 10, IDC_NAME, kAct = 900, kStop };

constexpr const char* kStrings[] = {"", "Native", "&Name:", "", "OK", "Cancel"};
const char* LoadTestString(int id) {
    return id > 0 && id < static_cast<int>(std::size(kStrings)) ? kStrings[id] : "";
}

// clang-format off
constexpr framework::CControlTemplate kControls[] = {
    {ControlKind::Label,      IDC_NAME_LABEL,           2,  4,  4, 40,  8, framework::StyleNone},
    {ControlKind::Edit,       IDC_NAME,                 0, 48,  4, 60, 12, framework::StyleTabStop},
    {ControlKind::PushButton, framework::CommandOk,     4, 40, 64, 30, 12,
        framework::StyleTabStop | framework::StyleDefaultButton},
    {ControlKind::PushButton, framework::CommandCancel, 5, 76, 64, 30, 12,
        framework::StyleTabStop | framework::StyleDisabled},
};
// clang-format on
const framework::CDialogTemplate kTemplate = {
    77, 1, 112, 80, "MS Sans Serif", 8, framework::DialogStyleNone, kControls, &LoadTestString};

// The dialog's owner: it ends the dialog on OK, Cancel and the close box, and notes
// what it hears.
class CRecordingOwner : public framework::win32::CNativeDialogSink {
public:
    explicit CRecordingOwner(std::function<void(CNativeDialog&)> act) : m_act(std::move(act)) {}

    bool OnNativeInit() override {
        m_events.push_back("init " + m_dialog.Title());
        m_dialog.PostCommand(kAct);
        return true;
    }
    void OnNativeCommand(int nId, CommandCode code) override {
        if (code == CommandCode::Posted) {
            if (nId == kAct) {
                m_events.push_back("focus " + std::to_string(m_dialog.FocusedItem()));
                m_act(m_dialog);
                m_dialog.PostCommand(kStop);  // after what the act queued
            } else {
                m_dialog.End(-1);
            }
        } else if (code == CommandCode::Changed) {
            m_events.push_back("changed " + std::to_string(nId));
        } else if (code == CommandCode::Clicked &&
                   (nId == framework::CommandOk || nId == framework::CommandCancel)) {
            m_dialog.End(nId);
        }
    }
    void OnNativeClose() override {
        m_events.push_back("close");
        m_dialog.End(framework::CommandCancel);
    }

    CNativeDialog m_dialog{kTemplate, *this};
    std::vector<std::string> m_events;

private:
    std::function<void(CNativeDialog&)> m_act;
};

HWND Item(CNativeDialog& d, int nId) {
    return static_cast<HWND>(d.ItemHandle(nId));
}

// A key pressed where the focus is, as the keyboard sends it.
void PressKey(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
}

struct CNativeCase {
    const char* name;
    std::function<void(CNativeDialog&)> act;
    int nResult;  // -1: the act did not end the dialog
    std::vector<std::string> events;
};

class NativeDialog : public testing::TestWithParam<CNativeCase> {};

TEST_P(NativeDialog, EndsAsTheUserAsked) {
    CRecordingOwner owner(GetParam().act);
    EXPECT_EQ(owner.m_dialog.RunModal(nullptr), GetParam().nResult);
    EXPECT_EQ(owner.m_events, GetParam().events);
    EXPECT_FALSE(owner.m_dialog.IsRunning());
}

// Every run starts alike: the title, then the first tab stop, the edit, has the focus.
const std::vector<std::string> kStarted = {"init Native", "focus 11"};

using framework::CommandCancel;
using framework::CommandOk;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, NativeDialog,
    testing::Values(
        CNativeCase{"Escape", [](CNativeDialog&) { PressKey(VK_ESCAPE); }, CommandCancel, kStarted},
        CNativeCase{"CloseBox", [](CNativeDialog& d) {
                        PostMessageW(static_cast<HWND>(d.Handle()), WM_SYSCOMMAND, SC_CLOSE, 0);
                    }, CommandCancel, {"init Native", "focus 11", "close"}},
        CNativeCase{"EnterInEdit", [](CNativeDialog&) { PressKey(VK_RETURN); }, CommandOk, kStarted},
        CNativeCase{"EnterWithDefaultDisabled", [](CNativeDialog& d) {
                        EnableWindow(Item(d, CommandOk), FALSE);
                        PressKey(VK_RETURN);
                    }, -1, kStarted},
        CNativeCase{"EnterOnAFocusedButton", [](CNativeDialog& d) {
                        EnableWindow(Item(d, CommandCancel), TRUE);
                        d.FocusItem(CommandCancel);
                        PressKey(VK_RETURN);
                    }, CommandCancel, kStarted},
        CNativeCase{"ClickOk", [](CNativeDialog& d) {
                        PostMessageW(Item(d, CommandOk), BM_CLICK, 0, 0);
                    }, CommandOk, kStarted},
        CNativeCase{"TextSetIsAChange", [](CNativeDialog& d) { d.SetItemText(IDC_NAME, "Ann"); },
                    -1, {"init Native", "focus 11", "changed 11"}}),
    [](const testing::TestParamInfo<CNativeCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(NativeDialogFont, IsTheLayoutsFaceWhereTheSystemHasIt) {
    framework::CDialogTemplate layout = kTemplate;
    layout.pszFontFace = "Tahoma";
    EXPECT_EQ(CNativeDialog::FontFace(layout), "Tahoma");
    layout.pszFontFace = "No Such Face";
    EXPECT_EQ(CNativeDialog::FontFace(layout), "MS Shell Dlg");
}

}  // namespace
