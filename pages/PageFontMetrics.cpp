#include "PageFontMetrics.h"

#include <climits>
#include <memory>

#include "PageTemplate.h"

namespace {

// The numbers a box must show whole: the longest of a single-precision page,
// and of a double-precision page.
constexpr const wchar_t* kLongestSingle = L"-1.23457e+015";
constexpr const wchar_t* kLongestDouble = L"-1.23456789012346e+015";
constexpr int kCaretRoom = 2;  // pixels right of the text, for the caret

// A static text control with SS_LEFT draws its text with these flags.
constexpr UINT kLabelFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK;

}  // namespace

const CPageFontMetrics& CPageFontMetrics::For(HWND parent) {
    static std::unique_ptr<CPageFontMetrics> s_metrics;
    const UINT dpi = ::GetDpiForWindow(parent);
    if (!s_metrics || s_metrics->m_nDpi != dpi || !s_metrics->Measured()) {
        s_metrics.reset(new CPageFontMetrics(parent, dpi));
    }
    return *s_metrics;
}

CPageFontMetrics::CPageFontMetrics(HWND parent, UINT dpi) : m_nDpi(dpi) {
    const HWND page = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                                   unitora::WriteMeasuringPageTemplate().Get(), parent, nullptr, 0);
    if (page == nullptr) {
        return;
    }
    RECT baseUnits{0, 0, 4, 8};
    ::MapDialogRect(page, &baseUnits);
    m_nBaseUnitX = baseUnits.right;
    LOGFONTW logFont{};
    ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(page, WM_GETFONT, 0, 0)), sizeof(logFont), &logFont);
    m_font.CreateFontIndirect(&logFont);

    // Border and margins of a box, and room for the caret after its text.
    const HWND box = ::GetWindow(page, GW_CHILD);
    RECT window{}, client{};
    ::GetWindowRect(box, &window);
    ::GetClientRect(box, &client);
    const auto margins = static_cast<DWORD>(::SendMessageW(box, EM_GETMARGINS, 0, 0));
    const int aroundText = (window.right - window.left) - client.right + LOWORD(margins) + HIWORD(margins) + kCaretRoom;
    ::DestroyWindow(page);

    m_dc.Select(m_font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(m_dc, &metrics);
    m_nTextHeight = metrics.tmHeight;
    m_boxes = {DialogUnitsAcross(DrawnSize(kLongestSingle, SHRT_MAX).cx + aroundText),
               DialogUnitsAcross(DrawnSize(kLongestDouble, SHRT_MAX).cx + aroundText)};
}

std::vector<int> CPageFontMetrics::OneLineWidths(const unitora::PageRecord& record) const {
    std::vector<int> widths;
    for (const unitora::UnitField& field : record.fields) {
        widths.push_back(DialogUnitsAcross(DrawnSize(field.label, SHRT_MAX).cx));
    }
    return widths;
}

// The narrowest width at which a label wraps onto two lines, found by
// halving between half its one-line width and all of it. A word that cannot
// be broken widens what is drawn beyond the width asked for: then that width
// is too narrow.
int CPageFontMetrics::TwoLineWidth(const wchar_t* label) const {
    const int oneLine = DrawnSize(label, SHRT_MAX).cx;
    int tooNarrow = oneLine / 2 - 1;
    int wideEnough = oneLine;
    while (wideEnough - tooNarrow > 1) {
        const int width = (tooNarrow + wideEnough) / 2;
        const SIZE drawn = DrawnSize(label, width);
        (drawn.cx <= width && drawn.cy <= 2 * m_nTextHeight ? wideEnough : tooNarrow) = width;
    }
    return DialogUnitsAcross(wideEnough);
}

// Width and height in pixels of text drawn as a label no wider than maxWidth.
SIZE CPageFontMetrics::DrawnSize(const wchar_t* text, int maxWidth) const {
    if (*text == L'\0') {
        return {0, 0};
    }
    RECT rect{0, 0, maxWidth, 0};
    ::DrawTextW(m_dc, text, -1, &rect, kLabelFormat | DT_CALCRECT);
    return {rect.right, rect.bottom};
}

// The fewest dialog units that the dialog manager turns into at least this
// many pixels (it rounds with MulDiv).
int CPageFontMetrics::DialogUnitsAcross(int pixels) const {
    int units = (pixels * 4 + m_nBaseUnitX - 1) / m_nBaseUnitX;
    if (units > 0 && ::MulDiv(units - 1, m_nBaseUnitX, 4) >= pixels) {
        --units;
    }
    return units;
}

void CMeasuringDC::Select(const CFont& font) { m_hPrevious = SelectObject(font); }

CMeasuringDC::~CMeasuringDC() {
    if (m_hPrevious != nullptr) {
        SelectObject(m_hPrevious);
    }
}
