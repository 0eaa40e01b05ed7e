// Dialog templates built in memory, so that the tests need no resources.
#pragma once

#include <windows.h>

#include <vector>

class DialogTemplateBuilder {
public:
    DialogTemplateBuilder(DWORD style, short x, short y, short width, short height, DWORD exStyle = 0);

    DialogTemplateBuilder& AddEdit(WORD id, short x, short y, short width, short height);
    DialogTemplateBuilder& AddButton(WORD id, const wchar_t* text, short x, short y, short width, short height,
                                     DWORD style = BS_PUSHBUTTON);
    DialogTemplateBuilder& AddStatic(WORD id, const wchar_t* text, short x, short y, short width, short height);

    LPCDLGTEMPLATEW Get() const noexcept { return reinterpret_cast<LPCDLGTEMPLATEW>(m_words.data()); }

private:
    enum : WORD { kButtonAtom = 0x0080, kEditAtom = 0x0081, kStaticAtom = 0x0082 };

    void AddItem(WORD classAtom, WORD id, const wchar_t* text, DWORD style, short x, short y, short width,
                 short height);
    void AppendDword(DWORD value);
    void AppendText(const wchar_t* text);
    void AlignToDword();

    std::vector<WORD> m_words;
};
