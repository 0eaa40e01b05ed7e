// A quantity page's window layout as a dialog template built in memory
// from its record and its grid, so that no page's layout is written by hand.
//
// The page is a hidden child dialog without caption or border, in "ＭＳ Ｐゴシック"
// 9 pt, that the main window's dialog navigation tabs into (DS_CONTROL). A
// record's captioned frames come first, as group boxes (ID 0xFFFF) around
// their cells. Then each unit field in the page's focus order: its unit label,
// a static text (ID 0xFFFF) that takes no focus, and just left of it the
// field's empty, left-aligned edit box (ID = the field's ID). The order of the
// boxes is the tab order; each label standing just before its box makes the
// label the box's name for assistive technology.
#pragma once

#include "DialogTemplate.h"
#include "PageGrid.h"

namespace unitora {

framework::DialogTemplateWriter WritePageTemplate(const PageRecord& record, const PageGrid& grid);

// A page with one box and nothing else, in which the page font and what a
// box adds around its text can be measured.
framework::DialogTemplateWriter WriteMeasuringPageTemplate();

}  // namespace unitora
