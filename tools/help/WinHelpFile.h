// Writes the help text as a file for the system's help viewer: the WinHelp 4
// format (|SYSTEM minor version 33), uncompressed 4 KB topic blocks, all
// text in code page 932 with the Shift-JIS character set declared, so that
// the viewer of a Japanese system shows it as written. Besides the jumps in
// the text, the viewer reaches every topic through its contents topic (the
// first), its browse buttons (the topics in order) and its keyword index
// (the topics' titles).
#pragma once

#include <string>

#include "HelpDocument.h"

namespace unitora::help {

// The file's bytes. Text without a code page 932 form, two characters that
// become one there, a paragraph too large for a topic block, a title too
// long for the viewer's caption or two topic IDs that the viewer could not
// tell apart throw SourceError.
std::string WriteWinHelpFile(const HelpDocument& document);

}  // namespace unitora::help
