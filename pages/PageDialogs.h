// The 46 page classes: each is a CQuantityDialog showing one record of the
// catalogue (CLengthDialog shows kLengthPage, and so on) and nothing else.
// The classes follow the catalogue's page list, so their order is the page
// order of PageTable.h.
//
// The main window makes its pages with CreatePageObject, in page order:
//
//     std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, this);
//     page->CreateFromTemplate();  // the page's window, a child of this window
//
// and then only moves, shows and hides the page's window. It keeps the
// objects as long as its own window lives.
#pragma once

#include <memory>

#include "PageList.h"
#include "QuantityDialog.h"

#define UNITORA_DECLARE_PAGE_DIALOG(Name)                      \
    class C##Name##Dialog final : public CQuantityDialog {     \
    public:                                                    \
        explicit C##Name##Dialog(CWnd* pParent = nullptr);     \
    };

UNITORA_FOR_EACH_PAGE(UNITORA_DECLARE_PAGE_DIALOG)

#undef UNITORA_DECLARE_PAGE_DIALOG

// A new page object (no window yet) for page index 0..45 of the fixed page
// order, with pParent as its parent-to-be; null for any other index.
std::unique_ptr<CQuantityDialog> CreatePageObject(int index, CWnd* pParent);
