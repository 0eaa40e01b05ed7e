// Dialog templates in memory. The reader takes the few header fields the
// framework needs from either layout: the classic one and the extended one
// that starts with version 1 and the signature 0xFFFF. The writer builds a
// classic template for windows whose layout is worked out at run time.
#pragma once

#include <windows.h>

#include <vector>

namespace framework {

struct DialogTemplateHeader {
    DWORD style;
    short x;
    short y;
};

DialogTemplateHeader ReadDialogTemplateHeader(LPCDLGTEMPLATEW dialogTemplate) noexcept;

// A place in dialog units.
struct DialogRect {
    short x, y, cx, cy;
};

// The predefined control classes a template names by atom.
enum class DialogControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

struct DialogFrame {
    DWORD style;
    DWORD exStyle = 0;
    DialogRect place;
    // With a face the dialog gets DS_SETFONT and this font; without one,
    // the system font.
    const wchar_t* fontFace = nullptr;
    WORD pointSize = 0;
};

struct DialogItem {
    DialogControlClass controlClass;
    WORD id;
    const wchar_t* text;
    DWORD style;  // WS_CHILD and WS_VISIBLE are not added
    DialogRect place;
};

// The controls come in the order they are added, which is their creation
// order, tab order and z-order.
class DialogTemplateWriter {
public:
    explicit DialogTemplateWriter(const DialogFrame& frame);

    void Add(const DialogItem& item);

    // Valid until the next Add or the end of this object; the dialog manager
    // copies what it needs while it creates the window.
    LPCDLGTEMPLATEW Get() const noexcept { return reinterpret_cast<LPCDLGTEMPLATEW>(m_words.data()); }

private:
    void AddDword(DWORD value);
    void AddText(const wchar_t* text);
    void AddRect(DialogRect place);

    std::vector<WORD> m_words;
};

}  // namespace framework
