// The in-memory templates of the Windows dialogs, made into real windows by the
// system's dialog manager: each control of each layout of both programs is where the
// layout puts it, of its kind, with its text and state, and the keyboard's order and
// default button are the layout's.
#include "framework/win32/DialogResource.h"

#include <gtest/gtest.h>

#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>

#include <string>
#include <vector>

#include "game/ui/LettrinoLayout.h"
#include "platform/win32/WideString.h"
#include "setup/ui/SetupLayout.h"

namespace {

using framework::CControlTemplate;
using framework::CDialogTemplate;
using framework::ControlKind;

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string WindowText(HWND hWnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return platform::win32::Narrow(text);
}

std::string ClassName(HWND hWnd) {
    wchar_t name[64] = {};
    GetClassNameW(hWnd, name, 64);
    return platform::win32::Narrow(name);
}

// The system's names of the control classes, as its documentation gives them, in the
// order of the control kinds: label, group box, push button, edit, list box, icon,
// combo box, progress bar.
constexpr const char* kClassOfKind[] = {"Static",  "Button", "Button",   "Edit",
                                        "ListBox", "Static", "ComboBox", "msctls_progress32"};

// The dialog-unit rectangle in the dialog's client pixels, as the system maps an item
// of a template: its corner and its size each on their own.
RECT Mapped(HWND hDlg, int x, int y, int cx, int cy) {
    RECT corner{x, y, 0, 0};
    RECT size{cx, cy, 0, 0};
    MapDialogRect(hDlg, &corner);
    MapDialogRect(hDlg, &size);
    return RECT{corner.left, corner.top, corner.left + size.left, corner.top + size.top};
}

RECT PlaceInDialog(HWND hDlg, HWND hControl) {
    RECT rect;
    GetWindowRect(hControl, &rect);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct CLayoutCase {
    const char* name;
    const CDialogTemplate& (*layout)();
};

class DialogResource : public testing::TestWithParam<CLayoutCase> {
protected:
    static void SetUpTestSuite() {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&classes);
    }
};

TEST_P(DialogResource, MakesTheLayoutsControlsWhereItPutsThem) {
    const CDialogTemplate& layout = GetParam().layout();
    const std::vector<std::uint16_t> resource =
        framework::win32::BuildDialogResource(layout, layout.pszFontFace);
    HWND hDlg = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<const DLGTEMPLATE*>(resource.data()),
                                           nullptr, QuietDialogProc, 0);
    ASSERT_NE(hDlg, nullptr) << GetLastError();

    EXPECT_EQ(WindowText(hDlg), layout.nCaptionId ? layout.pfnLoadString(layout.nCaptionId) : "");
    RECT client;
    GetClientRect(hDlg, &client);
    const RECT size = Mapped(hDlg, 0, 0, layout.cx, layout.cy);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    std::vector<HWND> tabStops;
    int nDefaultId = 0;
    for (const CControlTemplate& control : layout.controls) {
        SCOPED_TRACE("control " + std::to_string(control.nId));
        HWND hControl = GetDlgItem(hDlg, control.nId);
        ASSERT_NE(hControl, nullptr);
        EXPECT_EQ(ClassName(hControl), kClassOfKind[static_cast<int>(control.kind)]);
        const bool bHasText = control.kind != ControlKind::ListBox &&
                              control.kind != ControlKind::ComboBox &&
                              control.kind != ControlKind::ProgressBar;
        if (bHasText) {
            EXPECT_EQ(WindowText(hControl),
                      control.nCaptionId ? layout.pfnLoadString(control.nCaptionId) : "");
        }
        const LONG style = GetWindowLongW(hControl, GWL_STYLE);
        EXPECT_EQ(IsWindowEnabled(hControl) != FALSE, !(control.style & framework::StyleDisabled));
        EXPECT_EQ((style & WS_VISIBLE) != 0, !(control.style & framework::StyleHidden));

        const RECT expected = Mapped(hDlg, control.x, control.y, control.cx, control.cy);
        const RECT actual = PlaceInDialog(hDlg, hControl);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        // A closed combo box is as high as its font needs; an icon as its picture.
        if (control.kind != ControlKind::ComboBox && control.kind != ControlKind::Icon) {
            EXPECT_EQ(actual.right, expected.right);
            EXPECT_EQ(actual.bottom, expected.bottom);
        }
        const bool bTabStop =
            (control.style & framework::StyleTabStop) &&
            (control.kind == ControlKind::PushButton || control.kind == ControlKind::Edit ||
             control.kind == ControlKind::ListBox || control.kind == ControlKind::ComboBox) &&
            !(control.style & (framework::StyleDisabled | framework::StyleHidden));
        if (bTabStop) {
            tabStops.push_back(hControl);
        }
        if (control.style & framework::StyleDefaultButton) {
            nDefaultId = control.nId;
        }
    }

    // Tab goes round the enabled tab stops in the layout's order.
    ASSERT_FALSE(tabStops.empty());
    HWND hCurrent = tabStops.front();
    for (std::size_t i = 1; i <= tabStops.size(); ++i) {
        hCurrent = GetNextDlgTabItem(hDlg, hCurrent, FALSE);
        EXPECT_EQ(hCurrent, tabStops[i % tabStops.size()]) << "tab " << i;
    }
    if (nDefaultId != 0) {
        const LRESULT defId = SendMessageW(hDlg, DM_GETDEFID, 0, 0);
        EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
        EXPECT_EQ(LOWORD(defId), nDefaultId);
    }
    DestroyWindow(hDlg);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DialogResource,
    testing::Values(CLayoutCase{"GameMain", lettrino::MainDialogTemplate},
                    CLayoutCase{"StartGame", lettrino::StartGameDialogTemplate},
                    CLayoutCase{"QuitGame", lettrino::QuitGameDialogTemplate},
                    CLayoutCase{"About", lettrino::AboutDialogTemplate},
                    CLayoutCase{"SetupMain", setup::SetupDialogTemplate},
                    CLayoutCase{"Directory", setup::DirectoryDialogTemplate},
                    CLayoutCase{"Progress", setup::ProgressDialogTemplate},
                    CLayoutCase{"Question", setup::QuestionDialogTemplate}),
    [](const testing::TestParamInfo<CLayoutCase>& info) { return std::string(info.param.name); });

}  // namespace
