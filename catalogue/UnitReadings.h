// The readings of the units whose names are written in kanji alone (坪,
// 那由他, 時計秒針 ...), so that the finder finds them by how they are said.
// They stand beside the page records rather than in the labels, which the
// windows show as they are.
#pragma once

#include "PageRecord.h"

namespace unitora {

// The reading of the unit in this field of the page, in hiragana, two
// readings in use separated by "、"; null when the unit has none here.
const wchar_t* UnitReading(const PageRecord& page, int fieldId);

}  // namespace unitora
