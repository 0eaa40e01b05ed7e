// CColorButton: a CLinkButton with a three-dimensional frame, a caption that
// moves one pixel right and down while the button is pressed, and a focus
// rectangle.
#pragma once

#include "LinkButton.h"

class CColorButton : public CLinkButton {
public:
    // When the frame is drawn: always (sunken while pressed, raised
    // otherwise), only under the mouse, or only while pressed.
    enum FrameStyle { kFrame3D = 0, kFrameFlat = 1, kFramePressedOnly = 2 };

    CColorButton(const ButtonColours& colours, FrameStyle frameStyle);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    // The item rectangle with the pressed look's shift applied.
    static CRect ContentRect(const CRect& itemRect, UINT itemState);
    // The frame for the frame style and state; the focus rectangle with it.
    void DrawFrame(CDC& dc, const CRect& itemRect, UINT itemState);

    FrameStyle m_nFrameStyle;

    DECLARE_MESSAGE_MAP()
};
