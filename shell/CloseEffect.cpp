#include "CloseEffect.h"

#include "BounceSchedule.h"
#include "MemDC.h"
#include "Window.h"

namespace {

constexpr DWORD kFrameMilliseconds = 15;

void WaitOneFrame() { ::Sleep(kFrameMilliseconds); }

FrameWait g_frameWait = WaitOneFrame;

CRect ToCRect(const unitora::PixelRect& rect) { return CRect(rect.left, rect.top, rect.right, rect.bottom); }

// Copies what the screen shows of an area into a surface whose top-left
// corner stands for the area's. Only the part on the screen is read: a copy
// from the screen that reaches past its edges may fail as a whole.
void CopyFromScreen(CMemDC& surface, CDC& screen, const CRect& area) {
    const CRect desktop(CPoint(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN)),
                        CSize(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    CRect shown;
    if (!::IntersectRect(&shown, &area, &desktop)) {
        return;
    }
    CRect inSurface = shown;
    inSurface.OffsetRect(-area.left, -area.top);
    surface.StretchFrom(&screen, inSurface, shown, SRCCOPY);
}

}  // namespace

FrameWait SetFrameWait(FrameWait wait) noexcept {
    const FrameWait previous = g_frameWait;
    g_frameWait = wait != nullptr ? wait : WaitOneFrame;
    return previous;
}

void PlayBounceAnimation(const CRect& windowRect) {
    const int width = windowRect.Width();
    const int height = windowRect.Height();
    const CSize canvasSize(3 * width, 3 * height);
    const CRect canvasArea(CPoint(0, 0), canvasSize);
    const CRect pictureArea(0, 0, width, height);
    // The overlay's place on the screen, with the window in its middle third.
    const CRect around(CPoint(windowRect.left - width / 2, windowRect.top - height / 2), canvasSize);

    CClientDC screen(nullptr);
    CMemDC canvas;
    CMemDC backdrop;
    CMemDC picture;
    canvas.Create(&screen, canvasSize.cx, canvasSize.cy);
    backdrop.Create(&screen, canvasSize.cx, canvasSize.cy);
    picture.Create(&screen, width, height);
    CopyFromScreen(backdrop, screen, around);
    CopyFromScreen(picture, screen, windowRect);

    // The first frame is drawn at once, so the overlay needs no background.
    CWnd overlay;
    if (!overlay.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, around, nullptr, 0)) {
        return;
    }
    CClientDC overlayDC(&overlay);
    for (const unitora::Bounce& bounce : unitora::CloseEffectBounces()) {
        for (int lift : bounce.lifts) {
            const unitora::BounceFrame frame = unitora::BounceFrameAt(lift, width, height);
            const CRect shadow = ToCRect(frame.shadow);
            canvas.BitBlt(0, 0, canvasSize.cx, canvasSize.cy, &backdrop, 0, 0, SRCCOPY);
            canvas.FillSolidRect(&shadow, RGB(0, 0, 0));
            picture.StretchTo(&canvas, ToCRect(frame.picture), pictureArea, SRCCOPY);
            canvas.StretchTo(&overlayDC, canvasArea, canvasArea, SRCCOPY);
            ::GdiFlush();  // on the screen before the wait, not after it
            g_frameWait();
        }
    }
}
