#include "DialogTemplateBuilder.h"

namespace {

constexpr size_t kItemCountIndex = 4;  // WORD index of DLGTEMPLATE::cdit

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, short x, short y, short width, short height,
                                             DWORD exStyle) {
    AppendDword(style);
    AppendDword(exStyle);
    m_words.push_back(0);  // items, counted as they are added
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(width));
    m_words.push_back(static_cast<WORD>(height));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the standard dialog class
    AppendText(L"");       // no caption
}

DialogTemplateBuilder& DialogTemplateBuilder::AddEdit(WORD id, short x, short y, short width, short height) {
    AddItem(kEditAtom, id, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, x, y, width, height);
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddButton(WORD id, const wchar_t* text, short x, short y, short width,
                                                        short height, DWORD style) {
    AddItem(kButtonAtom, id, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width, height);
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddStatic(WORD id, const wchar_t* text, short x, short y, short width,
                                                        short height) {
    AddItem(kStaticAtom, id, text, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, width, height);
    return *this;
}

void DialogTemplateBuilder::AddItem(WORD classAtom, WORD id, const wchar_t* text, DWORD style, short x, short y,
                                    short width, short height) {
    AlignToDword();
    AppendDword(style);
    AppendDword(0);
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(width));
    m_words.push_back(static_cast<WORD>(height));
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AppendText(text);
    m_words.push_back(0);  // no creation data
    ++m_words[kItemCountIndex];
}

void DialogTemplateBuilder::AppendDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void DialogTemplateBuilder::AppendText(const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        m_words.push_back(static_cast<WORD>(*text));
    }
    m_words.push_back(0);
}

// The vector's storage is suitably aligned for DWORD, so even WORD counts
// are DWORD boundaries.
void DialogTemplateBuilder::AlignToDword() {
    if (m_words.size() % 2 != 0) {
        m_words.push_back(0);
    }
}
