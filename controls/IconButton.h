// CIconButton: a CColorButton with an icon left of its caption.
//
// The button loads its icons from the application's resources at the size
// for its window's DPI (32 pixels at 96 DPI, 48 at 144, 64 at 192) when it
// is attached, and again when the DPI changes; it owns the loaded icons and
// destroys them. Icon and caption sit side by side and never overlap: where
// a long caption needs the room, the icon moves towards the left edge; a
// caption that still does not fit ends in an ellipsis.
#pragma once

#include "ColorButton.h"
#include "ResourceIcon.h"

class CIconButton : public CColorButton {
public:
    struct Options {
        UINT icon;              // icon resource
        UINT disabledIcon = 0;  // 0: no icon while the button is disabled
        ButtonColours colours = SystemColours();
        FrameStyle frameStyle = kFrame3D;
    };

    explicit CIconButton(const Options& options);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    // Loads both icons at the size for this DPI, in place of the previous ones.
    void LoadIcons(UINT dpi);

    // The icon's side at 96 DPI.
    static constexpr int kIconSize = 32;

protected:
    void PreSubclassWindow() override;
    LRESULT OnDpiChangedAfterParent(WPARAM, LPARAM);

    UINT m_nIconId;
    UINT m_nDisabledIconId;
    CResourceIcon m_hIcon;
    CResourceIcon m_hIconDisabled;

    DECLARE_MESSAGE_MAP()
};
