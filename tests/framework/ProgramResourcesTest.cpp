// A program's Windows resources as the system loads them: each icon at every size its
// drawing has, transparent around the picture, and the manifest's common controls and
// scaling in force.
#include <gtest/gtest.h>

#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Icon.h"
#ifdef SETUP_RESOURCES
#include "setup/ui/DiskIcon.h"
#include "setup/ui/ProgramResources.h"
#include "setup/ui/QuestionIcon.h"
#else
#include "game/ui/PencilIcon.h"
#include "game/ui/ProgramResources.h"
#endif

namespace {

// One icon of the program's resources and the drawing it was made from.
struct CProgramIconRow {
    const char* name;
    int nResourceId;
    framework::CIcon (*icon)();
};

#ifdef SETUP_RESOURCES
const std::vector<CProgramIconRow> kIcons = {{"Program", IDR_MAINFRAME, setup::DiskIcon},
                                             {"Question", IDR_QUESTION, setup::QuestionIcon}};
#else
const std::vector<CProgramIconRow> kIcons = {{"Program", IDR_MAINFRAME, lettrino::PencilIcon}};
#endif

// Whether the picture covers its pixel (x, y), top row first: its alpha.
bool Covers(HBITMAP hColor, int size, int x, int y) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    HDC hdc = GetDC(nullptr);
    GetDIBits(hdc, hColor, 0, static_cast<UINT>(size), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    return (pixels[static_cast<std::size_t>(y * size + x)] >> 24) >= 128;
}

class ProgramResources : public testing::TestWithParam<CProgramIconRow> {};

TEST_P(ProgramResources, EachIconComesAtEverySizeOfItsDrawing) {
    const CProgramIconRow& row = GetParam();
    const framework::CIcon icon = row.icon();
    for (const int size : icon.GetSizes()) {
        SCOPED_TRACE("size " + std::to_string(size));
        auto hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(row.nResourceId), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(hIcon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(hIcon, &info));
        // Every drawing leaves the corners empty and covers the middle.
        EXPECT_FALSE(Covers(info.hbmColor, size, 0, 0));
        EXPECT_FALSE(Covers(info.hbmColor, size, size - 1, 0));
        EXPECT_TRUE(Covers(info.hbmColor, size, size / 2, size / 2));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(hIcon);
    }
}

INSTANTIATE_TEST_SUITE_P(Icons, ProgramResources, testing::ValuesIn(kIcons),
                         [](const testing::TestParamInfo<CProgramIconRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(ProgramManifest, AsksForTheNewCommonControlsAndScalingPerMonitor) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    HMODULE hControls = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(hControls, nullptr);
    // The controls of version 6 are a side-by-side assembly of their own, loaded from
    // its folder of the assembly store rather than from the system folder.
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(hControls, path, MAX_PATH);
    std::wstring folder(path);
    CharLowerW(folder.data());
    EXPECT_NE(folder.find(L"\\winsxs\\"), std::wstring::npos);
    EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos);
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
