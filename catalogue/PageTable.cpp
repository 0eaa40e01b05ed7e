#include "PageTable.h"

#include <iterator>

#include "PageList.h"

namespace unitora {
namespace {

#define UNITORA_PAGE_RECORD(Name) &k##Name##Page,
const PageRecord* const kPages[] = {UNITORA_FOR_EACH_PAGE(UNITORA_PAGE_RECORD)};
#undef UNITORA_PAGE_RECORD

static_assert(std::size(kPages) == kPageCount, "one record per page");

}  // namespace

const PageRecord* PageAt(int index) {
    if (index < 0 || index >= kPageCount) return nullptr;
    return kPages[index];
}

}  // namespace unitora
