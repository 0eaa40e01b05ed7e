// CIconButton: a CColorButton with a 32 x 32 icon left of its caption. The
// icons come from the application's resources; the button does not free them.
#pragma once

#include "ColorButton.h"

class CIconButton : public CColorButton {
public:
    // A null disabled icon draws no icon while the button is disabled.
    CIconButton(HICON icon, HICON disabledIcon, int frameStyle);
    CIconButton(HICON icon, HICON disabledIcon, COLORREF background, COLORREF text, COLORREF disabled,
                COLORREF hover, int frameStyle);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    static constexpr int kIconSize = 32;
    static constexpr int kIconLeft = 16;

protected:
    HICON m_hIcon;
    HICON m_hIconDisabled;

    DECLARE_MESSAGE_MAP()
};
