// The help text as one self-contained HTML page in UTF-8, for systems whose
// shell no longer opens help files: each topic a section with its ID as
// anchor that ends with a link back to the contents, jumps as links within
// the page, keys and commands marked as such, laid out to the width of the
// window, however narrow.
#pragma once

#include <string>

#include "HelpDocument.h"

namespace unitora::help {

std::string WriteHtmlPage(const HelpDocument& document);

}  // namespace unitora::help
