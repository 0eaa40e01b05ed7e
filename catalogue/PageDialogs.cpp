#include "PageDialogs.h"

#include <iterator>

#include "AngleDensityFuelCountTime.h"
#include "DataSize.h"
#include "Electric.h"
#include "FlowTransport.h"
#include "LargeNumber.h"
#include "LengthAreaVolume.h"
#include "Light.h"
#include "MagneticQuantumRadiation.h"
#include "Multiplier.h"
#include "PageTable.h"
#include "PressureEnergyPowerTorque.h"
#include "SpeedMassForce.h"
#include "Temperature.h"

#define UNITORA_DEFINE_PAGE_DIALOG(Name) \
    C##Name##Dialog::C##Name##Dialog(CWnd* pParent) : CQuantityDialog(unitora::k##Name##Page, pParent) {}

UNITORA_FOR_EACH_PAGE(UNITORA_DEFINE_PAGE_DIALOG)

#undef UNITORA_DEFINE_PAGE_DIALOG

namespace {

struct PageClass {
    const unitora::PageRecord* record;
    std::unique_ptr<CQuantityDialog> (*create)(CWnd* pParent);
};

template <class Page>
std::unique_ptr<CQuantityDialog> Create(CWnd* pParent) {
    return std::make_unique<Page>(pParent);
}

#define UNITORA_PAGE_CLASS(Name) {&unitora::k##Name##Page, &Create<C##Name##Dialog>},

const PageClass kPageClasses[] = {UNITORA_FOR_EACH_PAGE(UNITORA_PAGE_CLASS)};

#undef UNITORA_PAGE_CLASS

static_assert(std::size(kPageClasses) == unitora::kPageCount, "one class per page");

}  // namespace

// The page order lives in the page table alone: a page's class is found by
// its record.
std::unique_ptr<CQuantityDialog> CreatePageObject(int index, CWnd* pParent) {
    const unitora::PageRecord* record = unitora::PageAt(index);
    if (record == nullptr) {
        return nullptr;
    }
    for (const PageClass& page : kPageClasses) {
        if (page.record == record) {
            return page.create(pParent);
        }
    }
    return nullptr;
}
