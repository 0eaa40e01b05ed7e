// A quantity page as plain text, for the clipboard: one line per unit in
// the order Tab moves through the page's boxes, each the unit's label as the
// page shows it, a tab, and the box's text as shown, ended by CR LF. Pasted
// into a spreadsheet it makes two columns; into a text editor, a list.
#pragma once

#include <functional>
#include <string>

#include "PageRecord.h"

namespace unitora {

std::wstring PageAsText(const PageRecord& record, const std::function<std::wstring(int fieldId)>& boxText);

}  // namespace unitora
