// Dialog templates built in memory, so that the tests need no resources: a
// shorthand for the framework's template writer with the tests' usual
// control styles.
#pragma once

#include "DialogTemplate.h"

class DialogTemplateBuilder {
public:
    DialogTemplateBuilder(DWORD style, short x, short y, short width, short height, DWORD exStyle = 0);

    DialogTemplateBuilder& AddEdit(WORD id, short x, short y, short width, short height);
    DialogTemplateBuilder& AddButton(WORD id, const wchar_t* text, short x, short y, short width, short height,
                                     DWORD style = BS_PUSHBUTTON);
    DialogTemplateBuilder& AddStatic(WORD id, const wchar_t* text, short x, short y, short width, short height);

    LPCDLGTEMPLATEW Get() const noexcept { return m_writer.Get(); }

private:
    framework::DialogTemplateWriter m_writer;
};
