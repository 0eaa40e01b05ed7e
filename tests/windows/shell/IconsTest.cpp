// The program's icons: every size in every icon resource, and the main
// window's buttons keeping caption and icon apart at several DPIs.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

#include "Canvas.h"
#include "IconButton.h"
#include "MainWindowFixture.h"

namespace {

// An icon resource's directory: three words, then one entry per image.
#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width;  // 0 stands for 256
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(IconResources, EveryIconHoldsEachSizeWithAlpha) {
    const std::set<int> wanted{16, 20, 24, 32, 40, 48, 64, 256};
    for (UINT id : {IDI_PROGRAM, IDI_EXIT, IDI_HELP_BOOK, IDI_CUSTOMIZE}) {
        const HMODULE module = ::GetModuleHandleW(nullptr);
        const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
        ASSERT_NE(nullptr, found) << "icon " << id;
        const auto* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
        const auto* entries = reinterpret_cast<const IconDirectoryEntry*>(words + 3);
        std::set<int> sizes;
        for (WORD entry = 0; entry < words[2]; ++entry) {
            const IconDirectoryEntry& image = entries[entry];
            EXPECT_EQ(32, image.bitCount) << "icon " << id;
            EXPECT_EQ(image.width, image.height) << "icon " << id;
            sizes.insert(image.width == 0 ? 256 : image.width);
        }
        EXPECT_EQ(wanted, sizes) << "icon " << id;
    }
}

struct Box {
    int left = INT_MAX;
    int right = INT_MIN;
    void Add(int x) {
        left = std::min(left, x);
        right = std::max(right, x);
    }
    bool Empty() const { return left > right; }
};

// One button drawn as the system's dialog scaling would size it at this DPI:
// its rectangle and font scaled from the system DPI's, its icons loaded for
// the DPI. The caption is what the hover colour changes; the icon, the rest
// that differs from the button face.
void ExpectCaptionBesideIcon(HWND window, UINT dpi) {
    auto& button = dynamic_cast<CIconButton&>(*CWnd::FromHandlePermanent(window));
    const UINT systemDpi = ::GetDpiForWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const int width = ::MulDiv(client.right, static_cast<int>(dpi), static_cast<int>(systemDpi));
    const int height = ::MulDiv(client.bottom, static_cast<int>(dpi), static_cast<int>(systemDpi));
    LOGFONTW logFont{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(logFont), &logFont);
    logFont.lfHeight = ::MulDiv(logFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi));
    const HFONT font = ::CreateFontIndirectW(&logFont);

    button.LoadIcons(dpi);
    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);  // the mouse of an earlier test may have left it hovered
    const auto paint = [&](const Canvas& canvas) {
        const HGDIOBJ previous = ::SelectObject(canvas.Dc(), font);
        DRAWITEMSTRUCT drawItem{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, window, canvas.Dc(), canvas.Rect(), 0};
        button.DrawItem(&drawItem);
        ::SelectObject(canvas.Dc(), previous);
    };
    Canvas normal(width, height);
    paint(normal);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    Canvas hover(width, height);
    paint(hover);
    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    button.LoadIcons(systemDpi);
    SIZE extent{};
    const std::wstring caption = TextOf(window);
    const HGDIOBJ previous = ::SelectObject(normal.Dc(), font);
    ::GetTextExtentPoint32W(normal.Dc(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    ::SelectObject(normal.Dc(), previous);
    ::DeleteObject(font);

    Box icon;
    Box text;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (int y = 2; y < height - 2; ++y) {  // inside the frame
        for (int x = 2; x < width - 2; ++x) {
            if (hover.Pixel(x, y) != normal.Pixel(x, y)) {
                text.Add(x);
            } else if (normal.Pixel(x, y) != face) {
                icon.Add(x);
            }
        }
    }
    ASSERT_FALSE(icon.Empty());
    ASSERT_FALSE(text.Empty());
    // Apart, with at least two clear columns between them.
    EXPECT_GT(text.left - icon.right, 2) << "at " << dpi << " DPI";
    // Whole, not cut short with an ellipsis.
    EXPECT_GT(text.right - text.left + 1, extent.cx * 3 / 4) << "at " << dpi << " DPI";
}

TEST_F(MainWindowTest, ButtonCaptionsStandBesideTheirIconsAtEachDpi) {
    Run({[&] {
        for (int id : {IDC_CUSTOMIZE_BUTTON, IDC_HELP_BUTTON, IDC_ABOUT_BUTTON, IDC_EXIT_BUTTON}) {
            for (UINT dpi : {96u, 144u, 192u}) {
                SCOPED_TRACE(TextOf(Item(id)));
                ExpectCaptionBesideIcon(Item(id), dpi);
            }
        }
    }});
}

}  // namespace
