#include "PageTable.h"

#include "LengthAreaVolume.h"

namespace unitora {
namespace {

const PageRecord* const kPages[kPageCount] = {
    nullptr,       nullptr,     &kLengthPage, &kAreaPage, &kVolumePage,
};

}  // namespace

const PageRecord* PageAt(int index) {
    if (index < 0 || index >= kPageCount) return nullptr;
    return kPages[index];
}

}  // namespace unitora
