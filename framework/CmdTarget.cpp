#include "CmdTarget.h"

namespace {

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool Matches(const MessageMapEntry& entry, UINT message, UINT code, UINT id) {
    if (entry.message == kAnyCtlColorMessage) {
        return IsCtlColorMessage(message);
    }
    if (entry.message != message) {
        return false;
    }
    if (message == WM_COMMAND || message == WM_NOTIFY) {
        return entry.code == code && id >= entry.firstId && id <= entry.lastId;
    }
    return true;
}

}  // namespace

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id) {
    for (; map != nullptr; map = map->getBaseMap != nullptr ? map->getBaseMap() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->thunk != nullptr; ++entry) {
            if (Matches(*entry, message, code, id)) {
                return entry;
            }
        }
    }
    return nullptr;
}

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT id, int code) {
    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(code), id);
    if (entry == nullptr) {
        return FALSE;
    }
    MessageCall call{WM_COMMAND, MAKEWPARAM(id, code), 0, 0};
    entry->thunk(*this, call);
    return TRUE;
}
