#include "HelpOrder.h"

namespace unitora {

void OpenHelpInOrder(unsigned long windowsMajorVersion, const std::function<bool(const wchar_t* fileName)>& open) {
    constexpr unsigned long kFirstWithoutHelpViewer = 10;
    const bool webPageFirst = windowsMajorVersion >= kFirstWithoutHelpViewer;
    if (!open(webPageFirst ? kHelpPageFileName : kHelpFileName)) {
        open(webPageFirst ? kHelpFileName : kHelpPageFileName);
    }
}

}  // namespace unitora
