// The data exchange of a page's number boxes, by the program's number text
// rules. Loading reads a box back (the whole text one number, see
// unitora::ReadBackValue; a float is rounded to single precision); saving
// writes the display format (6 significant digits for float, 15 for double)
// and replaces a box's text only when it differs, so that an unchanged box
// keeps its caret and selection. A text that cannot be read back brings up
// the number prompt, and the exchange fails at that box.
#pragma once

#include "DataExchange.h"

void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
