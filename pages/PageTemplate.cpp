#include "PageTemplate.h"

#include <cassert>

namespace unitora {
namespace {

// Grid geometry in dialog units. The largest page has 3 columns of 8 rows,
// which must fit the 322 x 156 page frame: columns are 106 wide (a 54-wide
// edit box, a 3-unit gap and a 45-wide label, then 4 units to the next
// column), rows 18 high (a standard 12-high edit box and 6 units of air).
// The box is the wider part so that a number such as "-1.16415e-010"
// mostly shows; its tooltip shows it whole. Long labels are clipped. The
// grid starts 10 units down, which leaves room above the first row for the
// caption of a group box.
constexpr short kLeftMargin = 4;
constexpr short kTopMargin = 10;
constexpr short kColumnPitch = 106;
constexpr short kRowPitch = 18;
constexpr short kEditWidth = 54;
constexpr short kEditHeight = 12;
constexpr short kLabelGap = 3;
constexpr short kLabelWidth = 45;
constexpr short kLabelHeight = 8;
constexpr short kLabelDrop = 2;       // centres the label's line on the box
constexpr short kFrameMargin = 2;     // frame to its cells, left and right
constexpr short kFrameCaption = 9;    // frame top above its first row
constexpr short kFrameBottom = 4;     // frame bottom below its last box

constexpr WORD kStaticId = 0xFFFF;
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

constexpr short ColumnLeft(int column) { return static_cast<short>(kLeftMargin + (column - 1) * kColumnPitch); }
constexpr short RowTop(int row) { return static_cast<short>(kTopMargin + (row - 1) * kRowPitch); }

static_assert(ColumnLeft(3) + kEditWidth + kLabelGap + kLabelWidth <= kPageWidth, "three columns fit the page");
static_assert(RowTop(8) + kEditHeight <= kPageHeight, "eight rows fit the page");

// Field IDs become control IDs, which a template holds as WORDs, and 0xFFFF
// belongs to the labels; the catalogue's tests keep every field ID in range.
WORD ControlId(int id) {
    assert(id > 0 && id < kStaticId && "a field ID must fit a dialog template");
    return static_cast<WORD>(id);
}

const UnitField& FieldById(const PageRecord& record, int id) {
    const int index = record.FieldIndex(id);
    assert(index >= 0 && "focus order names a field the page does not have");
    return record.fields[index >= 0 ? static_cast<std::size_t>(index) : 0];
}

}  // namespace

PageTemplate::PageTemplate(const PageRecord& record) {
    AddDword(WS_CHILD | DS_SETFONT | DS_CONTROL);  // hidden until its tab is chosen
    AddDword(0);           // extended style
    m_words.push_back(0);  // control count, set below
    for (short value : {short{0}, short{0}, kPageWidth, kPageHeight}) {
        m_words.push_back(static_cast<WORD>(value));
    }
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the dialog class
    AddText(L"");          // no title
    m_words.push_back(9);  // point size
    AddText(L"ＭＳ Ｐゴシック");

    for (const GroupFrame& frame : record.frames) {
        const short left = static_cast<short>(ColumnLeft(frame.column) - kFrameMargin);
        const short top = static_cast<short>(RowTop(frame.firstRow) - kFrameCaption);
        const short right = static_cast<short>(ColumnLeft(frame.column + 1) - kFrameMargin - 1);
        const short bottom = static_cast<short>(RowTop(frame.lastRow) + kEditHeight + kFrameBottom);
        AddControl(kButtonAtom, kStaticId, frame.caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                   {left, top, static_cast<short>(right - left), static_cast<short>(bottom - top)});
    }

    const auto addField = [&](const UnitField& field) {
        const short left = ColumnLeft(field.column);
        const short top = RowTop(field.row);
        AddControl(kEditAtom, ControlId(field.id), L"",
                   WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                   {left, top, kEditWidth, kEditHeight});
        AddControl(kStaticAtom, kStaticId, field.label, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT,
                   {static_cast<short>(left + kEditWidth + kLabelGap), static_cast<short>(top + kLabelDrop),
                    kLabelWidth, kLabelHeight});
    };
    if (record.focusOrder.empty()) {
        for (const UnitField& field : record.fields) addField(field);
    } else {
        for (int id : record.focusOrder) addField(FieldById(record, id));
    }
    m_words[4] = m_nControls;
}

// A control's template: DWORD-aligned, then style, extended style, place,
// ID, class atom, text and an empty creation-data block.
void PageTemplate::AddControl(WORD classAtom, WORD id, const wchar_t* text, DWORD style, Place place) {
    if (m_words.size() % 2 != 0) m_words.push_back(0);
    AddDword(style);
    AddDword(0);
    for (short value : {place.x, place.y, place.cx, place.cy}) {
        m_words.push_back(static_cast<WORD>(value));
    }
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AddText(text);
    m_words.push_back(0);
    ++m_nControls;
}

void PageTemplate::AddDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void PageTemplate::AddText(const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        m_words.push_back(static_cast<WORD>(*text));
    }
    m_words.push_back(0);
}

}  // namespace unitora
