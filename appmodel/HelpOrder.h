// Which form of the help to open: the help file for the system's help
// viewer, or the same help as a web page. Both lie next to the executable.
//
// Windows 10 and later have no help viewer: their help-file association
// starts a stub that only says the format is unsupported, and the shell
// reports that as success. There the web page comes first, and the help file
// only where no program opens web pages (as under Wine, whose help viewer
// works, in a prefix without a browser). Older systems, and a system whose
// version cannot be read (0), try the help file first. Either way the second
// form is tried when the first cannot be opened, so that the help command
// never silently does nothing.
#pragma once

#include <functional>

namespace unitora {

inline constexpr wchar_t kHelpFileName[] = L"unitora.hlp";
inline constexpr wchar_t kHelpPageFileName[] = L"unitora.html";

// Offers the forms to open, in the order that suits a system of this major
// version, until open reports that one was opened.
void OpenHelpInOrder(unsigned long windowsMajorVersion, const std::function<bool(const wchar_t* fileName)>& open);

}  // namespace unitora
