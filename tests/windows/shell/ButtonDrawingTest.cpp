// The owner-drawn buttons, painted into a memory bitmap through the parent's
// WM_DRAWITEM: colours, the pressed shift, frames, focus and disabled looks.
#include <gtest/gtest.h>

#include <memory>

#include "Canvas.h"
#include "IconButton.h"
#include "ResourceIds.h"
#include "TestSupport.h"

namespace {

constexpr UINT kButtonId = 1000;
constexpr int kWidth = 200;
constexpr int kHeight = 50;
constexpr COLORREF kHover = RGB(255, 0, 255);

// A framework window holding one push button, counting its clicks.
class CButtonHost : public CWnd {
public:
    CButtonHost() {
        CreateEx(0, nullptr, L"button host", WS_POPUP, CRect(100, 100, kWidth + 120, kHeight + 120), nullptr, 0);
        m_button = ::CreateWindowExW(0, L"BUTTON", L"Exit", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, kWidth,
                                     kHeight, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)),
                                     nullptr, nullptr);
    }
    ~CButtonHost() override { DestroyWindow(); }

    // Paints the button as the parent would ask it to, in this state.
    void Paint(const Canvas& canvas, UINT itemState) {
        DRAWITEMSTRUCT drawItem{ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE, itemState, m_button, canvas.Dc(),
                                canvas.Rect(), 0};
        SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&drawItem));
    }

    HWND m_button = nullptr;
    int m_nClicks = 0;

protected:
    void OnClicked() { ++m_nClicks; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonHost, CWnd)
    ON_BN_CLICKED(kButtonId, OnClicked)
END_MESSAGE_MAP()

// The inside of a button, clear of its two-pixel frame and the pressed shift.
RECT Inside() { return {3, 3, kWidth - 3, kHeight - 3}; }

class ButtonDrawing : public ::testing::Test {
protected:
    // A main-window style icon button: system colours, 3-D frame.
    CIconButton& AttachIconButton() {
        auto button = std::make_unique<CIconButton>(CIconButton::Options{.icon = IDI_EXIT});
        EXPECT_TRUE(button->SubclassWindow(host.m_button));
        attached = std::move(button);
        return static_cast<CIconButton&>(*attached);
    }
    template <class Button, class... Args>
    Button& Attach(Args... args) {
        auto button = std::make_unique<Button>(args...);
        EXPECT_TRUE(button->SubclassWindow(host.m_button));
        Button& result = *button;
        attached = std::move(button);
        return result;
    }

    CButtonHost host;
    std::unique_ptr<CButton> attached;
};

TEST_F(ButtonDrawing, AttachingMakesThePushButtonOwnerDrawnAndClicksStillReachTheParent) {
    CIconButton& button = AttachIconButton();
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    ::SendMessageW(host.m_button, BM_CLICK, 0, 0);
    EXPECT_EQ(1, host.m_nClicks);
}

TEST_F(ButtonDrawing, CaptionTakesTheHoverColourUntilTheMouseLeaves) {
    AttachIconButton();
    const auto hoverPixels = [&] {
        Canvas canvas(kWidth, kHeight);
        host.Paint(canvas, 0);
        return canvas.Count(kHover);
    };
    Canvas normal(kWidth, kHeight);
    host.Paint(normal, 0);
    EXPECT_EQ(0, normal.Count(kHover));

    // The platform watches for the leave only once the mouse is over the
    // button, and then notices it within its hover time.
    host.ShowWindow(SW_SHOWNOACTIVATE);
    host.UpdateWindow();
    RECT onScreen{};
    ::GetWindowRect(host.m_button, &onScreen);
    ::SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    ::SendMessageW(host.m_button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_GT(hoverPixels(), 0);

    ::SetCursorPos(onScreen.right + 50, onScreen.bottom + 50);
    EXPECT_TRUE(PumpUntil([&] { return hoverPixels() == 0; }));
    Canvas left(kWidth, kHeight);
    host.Paint(left, 0);
    EXPECT_EQ(normal.Count(::GetSysColor(COLOR_BTNTEXT)), left.Count(::GetSysColor(COLOR_BTNTEXT)));
}

TEST_F(ButtonDrawing, PressedIconAndCaptionMoveOnePixelRightAndDown) {
    AttachIconButton();
    Canvas released(kWidth, kHeight);
    Canvas pressed(kWidth, kHeight);
    host.Paint(released, 0);
    host.Paint(pressed, ODS_SELECTED);
    const RECT inside = Inside();
    int differences = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            ASSERT_EQ(released.Pixel(x - 1, y - 1), pressed.Pixel(x, y)) << "at " << x << ", " << y;
            differences += released.Pixel(x, y) != pressed.Pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(differences, 0) << "the content did not move";
}

TEST_F(ButtonDrawing, FrameIsSunkenWhilePressedAndRaisedOtherwise) {
    AttachIconButton();
    Canvas released(kWidth, kHeight);
    Canvas pressed(kWidth, kHeight);
    host.Paint(released, 0);
    host.Paint(pressed, ODS_SELECTED);
    const int middle = kWidth / 2;
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), released.Pixel(middle, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), released.Pixel(middle, 1));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), released.Pixel(middle, kHeight - 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), released.Pixel(middle, kHeight - 2));

    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), pressed.Pixel(middle, 0));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), pressed.Pixel(middle, 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), pressed.Pixel(middle, kHeight - 1));
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), pressed.Pixel(middle, kHeight - 2));
}

TEST_F(ButtonDrawing, FocusRectangleIsDrawnFourPixelsInside) {
    AttachIconButton();
    Canvas plain(kWidth, kHeight);
    Canvas focused(kWidth, kHeight);
    host.Paint(plain, 0);
    host.Paint(focused, ODS_FOCUS);
    int onRectangle = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (plain.Pixel(x, y) == focused.Pixel(x, y)) {
                continue;
            }
            const bool onEdge = ((x == 4 || x == kWidth - 5) && y >= 4 && y <= kHeight - 5) ||
                                ((y == 4 || y == kHeight - 5) && x >= 4 && x <= kWidth - 5);
            ASSERT_TRUE(onEdge) << "changed at " << x << ", " << y;
            ++onRectangle;
        }
    }
    EXPECT_GT(onRectangle, 0);
}

TEST_F(ButtonDrawing, DisabledButtonWithoutDisabledIconShowsOnlyItsGreyCaption) {
    const COLORREF white = RGB(255, 255, 255);
    Attach<CIconButton>(CIconButton::Options{
        .icon = IDI_EXIT,
        .colours = {.background = white, .text = RGB(0, 0, 0), .disabled = RGB(128, 128, 128), .hover = kHover}});
    // The icon stands left of the short caption, which is centred further right.
    const RECT iconArea{3, 3, kWidth / 3, kHeight - 3};
    const int iconAreaPixels = (iconArea.right - iconArea.left) * (iconArea.bottom - iconArea.top);

    Canvas enabled(kWidth, kHeight);
    host.Paint(enabled, 0);
    EXPECT_LT(enabled.Count(white, iconArea), iconAreaPixels) << "the icon is missing";

    // Disabled, the caption keeps its disabled colour under the mouse too.
    ::SendMessageW(host.m_button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Canvas disabled(kWidth, kHeight);
    host.Paint(disabled, ODS_DISABLED);
    EXPECT_EQ(disabled.Count(white, iconArea), iconAreaPixels);
    EXPECT_GT(disabled.Count(RGB(128, 128, 128), Inside()), 0);
    EXPECT_EQ(0, disabled.Count(kHover));
}

TEST_F(ButtonDrawing, LinkButtonIsFlatAndDoesNotMoveWhenPressed) {
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF blue = RGB(0, 0, 255);
    Attach<CLinkButton>(
        ButtonColours{.background = white, .text = blue, .disabled = RGB(128, 128, 128), .hover = kHover});
    Canvas released(kWidth, kHeight);
    Canvas pressed(kWidth, kHeight);
    host.Paint(released, 0);
    host.Paint(pressed, ODS_SELECTED | ODS_FOCUS);
    EXPECT_GT(pressed.Count(blue), 0);
    const int area = kWidth * kHeight;
    EXPECT_EQ(area, pressed.Count(white) + pressed.Count(blue));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(released.Pixel(x, y), pressed.Pixel(x, y)) << "at " << x << ", " << y;
        }
    }
}

TEST_F(ButtonDrawing, FlatFrameShowsOnlyUnderTheMouse) {
    const COLORREF white = RGB(255, 255, 255);
    Attach<CColorButton>(
        ButtonColours{.background = white, .text = RGB(0, 0, 0), .disabled = RGB(128, 128, 128), .hover = kHover},
        CColorButton::kFrameFlat);
    Canvas away(kWidth, kHeight);
    host.Paint(away, ODS_SELECTED);
    EXPECT_EQ(white, away.Pixel(kWidth / 2, 0));

    ::SendMessageW(host.m_button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Canvas under(kWidth, kHeight);
    host.Paint(under, ODS_SELECTED);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), under.Pixel(kWidth / 2, 0));
}

TEST_F(ButtonDrawing, PressedOnlyFrameShowsOnlyWhilePressed) {
    const COLORREF white = RGB(255, 255, 255);
    Attach<CColorButton>(
        ButtonColours{.background = white, .text = RGB(0, 0, 0), .disabled = RGB(128, 128, 128), .hover = kHover},
        CColorButton::kFramePressedOnly);
    Canvas released(kWidth, kHeight);
    Canvas pressed(kWidth, kHeight);
    host.Paint(released, ODS_FOCUS);
    host.Paint(pressed, ODS_SELECTED);
    EXPECT_EQ(white, released.Pixel(kWidth / 2, 0));
    EXPECT_EQ(white, released.Pixel(4, kHeight / 2)) << "no focus rectangle outside the 3-D style";
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), pressed.Pixel(kWidth / 2, 0));
}

}  // namespace
