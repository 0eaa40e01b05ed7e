#include "PageDialogs.h"

#include <iterator>

#include "PageTable.h"

#define UNITORA_DEFINE_PAGE_DIALOG(Name) \
    C##Name##Dialog::C##Name##Dialog(CWnd* pParent) : CQuantityDialog(unitora::k##Name##Page, pParent) {}

UNITORA_FOR_EACH_PAGE(UNITORA_DEFINE_PAGE_DIALOG)

#undef UNITORA_DEFINE_PAGE_DIALOG

namespace {

using PageFactory = std::unique_ptr<CQuantityDialog> (*)(CWnd* pParent);

template <class Page>
std::unique_ptr<CQuantityDialog> Create(CWnd* pParent) {
    return std::make_unique<Page>(pParent);
}

// By page index, from the same list as the page table.
#define UNITORA_PAGE_FACTORY(Name) &Create<C##Name##Dialog>,
const PageFactory kPageFactories[] = {UNITORA_FOR_EACH_PAGE(UNITORA_PAGE_FACTORY)};
#undef UNITORA_PAGE_FACTORY

static_assert(std::size(kPageFactories) == unitora::kPageCount, "one class per page");

}  // namespace

std::unique_ptr<CQuantityDialog> CreatePageObject(int index, CWnd* pParent) {
    if (index < 0 || index >= unitora::kPageCount) {
        return nullptr;
    }
    return kPageFactories[index](pParent);
}
