// A program's Windows resources as the system loads them: each icon at every size its
// drawing has, transparent around the picture, and the manifest's common controls and
// scaling in force.
#include "tests/framework/ProgramResourcesTest.h"

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, whose types they use.
#include <commctrl.h>

#include <string>

namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);

// The icon drawn at `size` over a magenta square: a pixel shows whether the picture
// covers it.
class CDrawnIcon {
public:
    CDrawnIcon(HICON hIcon, int size) : m_size(size) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_pPixels = static_cast<const DWORD*>(pBits);
        m_hDC = CreateCompatibleDC(nullptr);
        SelectObject(m_hDC, m_hBitmap);
        const RECT all{0, 0, size, size};
        HBRUSH hBrush = CreateSolidBrush(kBackground);
        FillRect(m_hDC, &all, hBrush);
        DeleteObject(hBrush);
        DrawIconEx(m_hDC, 0, 0, hIcon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    ~CDrawnIcon() {
        DeleteDC(m_hDC);
        DeleteObject(m_hBitmap);
    }
    bool Covers(int x, int y) const {
        const DWORD pixel = m_pPixels[y * m_size + x] & 0xFFFFFF;
        return pixel != 0xFF00FF;  // stored as blue, green, red
    }

private:
    int m_size;
    HBITMAP m_hBitmap;
    HDC m_hDC;
    const DWORD* m_pPixels;
};

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
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        // Every drawing leaves the corners empty and covers the middle.
        const CDrawnIcon drawn(hIcon, size);
        EXPECT_FALSE(drawn.Covers(0, 0));
        EXPECT_FALSE(drawn.Covers(size - 1, 0));
        EXPECT_TRUE(drawn.Covers(size / 2, size / 2));
        DestroyIcon(hIcon);
    }
}

INSTANTIATE_TEST_SUITE_P(Icons, ProgramResources, testing::ValuesIn(ProgramIconRows()),
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
