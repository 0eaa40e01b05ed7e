#include "DialogTemplateBuilder.h"

using framework::DialogControlClass;

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, short x, short y, short width, short height,
                                             DWORD exStyle)
    : m_writer({.style = style, .exStyle = exStyle, .place = {x, y, width, height}}) {}

DialogTemplateBuilder& DialogTemplateBuilder::AddEdit(WORD id, short x, short y, short width, short height) {
    m_writer.Add({.controlClass = DialogControlClass::Edit,
                  .id = id,
                  .text = L"",
                  .style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                  .place = {x, y, width, height}});
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddButton(WORD id, const wchar_t* text, short x, short y, short width,
                                                        short height, DWORD style) {
    m_writer.Add({.controlClass = DialogControlClass::Button,
                  .id = id,
                  .text = text,
                  .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                  .place = {x, y, width, height}});
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddStatic(WORD id, const wchar_t* text, short x, short y, short width,
                                                        short height) {
    m_writer.Add({.controlClass = DialogControlClass::Static,
                  .id = id,
                  .text = text,
                  .style = WS_CHILD | WS_VISIBLE | SS_LEFT,
                  .place = {x, y, width, height}});
    return *this;
}
