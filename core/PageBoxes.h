// What the page model needs from "the boxes" of a page: the text of one box,
// and the read-back and write-out of all boxes (the data exchange). The
// window binding implements it with the dialog's data exchange; the native
// tests and the developer tool implement it with plain strings.
#pragma once

#include <string>

namespace unitora {

class PageBoxes {
public:
    // The whole text of one box, which a box's change handler tests before
    // anything is read back.
    virtual std::wstring BoxText(int id) = 0;
    // All boxes into the stored values. On the first box that is not a
    // number: the prompt, focus and whole-text selection on that box, and
    // false; the boxes after it are not read.
    virtual bool ReadBack() = 0;
    // All stored values into the boxes, replacing only texts that differ.
    virtual void WriteOut() = 0;

protected:
    ~PageBoxes() = default;
};

}  // namespace unitora
