#include "CStringArray.h"

#include <stdexcept>

std::ptrdiff_t CStringArray::Checked(int index, int pastEnd) const {
    if (index < 0 || index > GetSize() - 1 + pastEnd) {
        throw std::out_of_range("CStringArray index");
    }
    return index;
}
