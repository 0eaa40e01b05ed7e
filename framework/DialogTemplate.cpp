#include "DialogTemplate.h"

#include <cstring>

namespace framework {

namespace {

template <class Field>
Field ReadAt(const BYTE* bytes, size_t offset) noexcept {
    Field value;
    std::memcpy(&value, bytes + offset, sizeof(value));
    return value;
}

constexpr size_t kItemCountIndex = 4;  // WORD index of DLGTEMPLATE::cdit

}  // namespace

DialogTemplateHeader ReadDialogTemplateHeader(LPCDLGTEMPLATEW dialogTemplate) noexcept {
    const auto* bytes = reinterpret_cast<const BYTE*>(dialogTemplate);
    const bool extended = ReadAt<WORD>(bytes, 0) == 1 && ReadAt<WORD>(bytes, 2) == 0xFFFF;
    // Extended: version, signature, help ID, extended style, style, item count, x, y.
    // Classic: style, extended style, item count, x, y.
    if (extended) {
        return {ReadAt<DWORD>(bytes, 12), ReadAt<short>(bytes, 18), ReadAt<short>(bytes, 20)};
    }
    return {ReadAt<DWORD>(bytes, 0), ReadAt<short>(bytes, 10), ReadAt<short>(bytes, 12)};
}

// The header: style, extended style, item count, place, no menu, the
// standard dialog class, no title, and the font when there is one.
DialogTemplateWriter::DialogTemplateWriter(const DialogFrame& frame) {
    const bool hasFont = frame.fontFace != nullptr;
    AddDword(hasFont ? frame.style | DS_SETFONT : frame.style & ~static_cast<DWORD>(DS_SETFONT));
    AddDword(frame.exStyle);
    m_words.push_back(0);
    AddRect(frame.place);
    m_words.push_back(0);
    m_words.push_back(0);
    AddText(L"");
    if (hasFont) {
        m_words.push_back(frame.pointSize);
        AddText(frame.fontFace);
    }
}

// An item: DWORD-aligned (the vector's storage is, so an even WORD count is
// a DWORD boundary), then style, extended style, place, ID, class atom,
// text and an empty creation-data block.
void DialogTemplateWriter::Add(const DialogItem& item) {
    if (m_words.size() % 2 != 0) {
        m_words.push_back(0);
    }
    AddDword(item.style);
    AddDword(0);
    AddRect(item.place);
    m_words.push_back(item.id);
    m_words.push_back(0xFFFF);
    m_words.push_back(static_cast<WORD>(item.controlClass));
    AddText(item.text);
    m_words.push_back(0);
    ++m_words[kItemCountIndex];
}

void DialogTemplateWriter::AddDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void DialogTemplateWriter::AddText(const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        m_words.push_back(static_cast<WORD>(*text));
    }
    m_words.push_back(0);
}

void DialogTemplateWriter::AddRect(DialogRect place) {
    for (short value : {place.x, place.y, place.cx, place.cy}) {
        m_words.push_back(static_cast<WORD>(value));
    }
}

}  // namespace framework
