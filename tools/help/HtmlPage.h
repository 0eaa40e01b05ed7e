// The help text as one self-contained HTML page in UTF-8, for systems whose
// shell no longer opens help files: each topic a section with its ID as
// anchor, jumps as links within the page.
#pragma once

#include <string>

#include "HelpDocument.h"

namespace unitora::help {

std::string WriteHtmlPage(const HelpDocument& document);

}  // namespace unitora::help
