// Boxes of a page held as plain strings: the page model without windows, for
// the native tests and the developer tool. Read-back and write-out follow the
// same rules as the dialog data exchange.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "PageBoxes.h"
#include "QuantityPage.h"

namespace unitora {

class MemoryBoxes final : public PageBoxes {
public:
    // onPrompt is called when a read-back fails, with the box that then gets
    // the focus and the whole-text selection.
    MemoryBoxes(QuantityPage& page, std::function<void(int id)> onPrompt);

    // The box now holds text, as after a keystroke or a paste, and its change
    // handler runs. Like an edit control, a box ends its text at a NUL.
    void Type(int id, std::wstring_view text);

    const std::wstring& Text(int id) const;
    // How often the write-out replaced the box's text.
    int Replacements(int id) const;
    // The box that last got the focus from a failed read-back; 0 when none.
    int FocusedBox() const { return m_focused; }

    std::wstring BoxText(int id) override { return Text(id); }
    bool ReadBack() override;
    void WriteOut() override;

private:
    std::size_t Slot(int id) const;
    std::size_t Slot(const UnitField& field) const;

    QuantityPage& m_page;
    std::function<void(int)> m_onPrompt;
    std::array<std::wstring, kMaxFields> m_texts;
    std::array<int, kMaxFields> m_replacements{};
    int m_focused = 0;
};

}  // namespace unitora
