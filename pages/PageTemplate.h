// A quantity page's window layout, derived from its record: a dialog
// template built in memory, so that no page's layout is written by hand.
//
// The page is a hidden child dialog without caption or border, in "ＭＳ Ｐゴシック"
// 9 pt, that the main window's dialog navigation tabs into (DS_CONTROL). Each
// unit field is an empty, left-aligned edit box (ID = the field's ID) at its
// grid place, with its unit label as a static text (ID 0xFFFF) just right of
// it on the same row. The edit boxes stand in the template in the page's
// focus order, which makes that order the tab order. A record's captioned
// frames become group boxes (ID 0xFFFF) around their cells.
#pragma once

#include <windows.h>

#include <vector>

#include "PageRecord.h"

namespace unitora {

// The page frame of the main window that every page fills, in dialog units.
constexpr short kPageWidth = 322;
constexpr short kPageHeight = 156;

class PageTemplate {
public:
    explicit PageTemplate(const PageRecord& record);

    // Valid as long as this object; the dialog manager copies what it needs.
    LPCDLGTEMPLATEW Get() const noexcept { return reinterpret_cast<LPCDLGTEMPLATEW>(m_words.data()); }

private:
    struct Place {
        short x, y, cx, cy;
    };

    void AddControl(WORD classAtom, WORD id, const wchar_t* text, DWORD style, Place place);
    void AddDword(DWORD value);
    void AddText(const wchar_t* text);

    std::vector<WORD> m_words;
    WORD m_nControls = 0;
};

}  // namespace unitora
