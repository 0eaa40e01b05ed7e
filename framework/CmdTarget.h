// Message maps: the table-driven dispatch behind every window object and the
// application object.
//
// Each class with handlers declares DECLARE_MESSAGE_MAP() and defines its
// table with BEGIN_MESSAGE_MAP(theClass, baseClass) ... END_MESSAGE_MAP().
// Lookup walks the object's own table first and then its bases' tables.
//
// An entry holds a small thunk instead of a cast member-function pointer: the
// thunk is a captureless lambda written inside the class's own table function,
// so it calls the handler with its real signature (checked by the compiler)
// and may reach protected handlers, without any conversion between member
// pointer types.
#pragma once

#include <windows.h>

#include <type_traits>

class CCmdTarget;

// One message as a handler thunk sees it; the thunk stores the result.
struct MessageCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

using MessageThunk = void (*)(CCmdTarget& target, MessageCall& call);

struct MessageMapEntry {
    UINT message;  // WM_..., or kAnyCtlColorMessage
    UINT code;     // notification code of WM_COMMAND and WM_NOTIFY entries
    UINT firstId;  // control or command ID range of WM_COMMAND and WM_NOTIFY entries
    UINT lastId;
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* (*getBaseMap)();  // null for the root
    const MessageMapEntry* entries;     // ends with a null thunk
};

// Entry key of ON_WM_CTLCOLOR: matches the seven WM_CTLCOLOR... messages.
constexpr UINT kAnyCtlColorMessage = 0x0019;

// Finds the first entry, in the class's table and then its bases', that
// handles the message; for WM_COMMAND and WM_NOTIFY also the code and ID.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id);

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    virtual const MessageMap* GetMessageMap() const;

    // Runs the handler of a command (WM_COMMAND with this code and ID) from
    // this object's map. Returns FALSE when there is none.
    virtual BOOL OnCmdMsg(UINT id, int code);

protected:
    static const MessageMap* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const ::MessageMap* GetThisMessageMap();      \
    const ::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const ::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::MessageMap* theClass::GetThisMessageMap() {                               \
        using ThisClass = theClass;                                                   \
        using TheBaseClass = baseClass;                                               \
        static_assert(::std::is_base_of_v<TheBaseClass, ThisClass>,                   \
                      "a message map chains to a base class");                        \
        static const ::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                          \
            {0, 0, 0, 0, nullptr}};                                                \
        static const ::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                               \
    }

// Commands (menu items, accelerators, posted commands and button clicks,
// which share the code 0) and control notifications. Handlers are named
// unqualified, as members of the class whose map this is.
#define ON_COMMAND(id, memberFn)                                               \
    {WM_COMMAND, 0, (id), (id),                                                \
     [](::CCmdTarget& target, ::MessageCall&) { static_cast<ThisClass&>(target).memberFn(); }},

#define ON_CONTROL(notifyCode, id, memberFn)                                   \
    {WM_COMMAND, (notifyCode), (id), (id),                                     \
     [](::CCmdTarget& target, ::MessageCall&) { static_cast<ThisClass&>(target).memberFn(); }},

#define ON_BN_CLICKED(id, memberFn) ON_CONTROL(BN_CLICKED, id, memberFn)

// One handler for a range of controls; it receives the control's ID.
#define ON_CONTROL_RANGE(notifyCode, firstId, lastId, memberFn)                        \
    {WM_COMMAND, (notifyCode), (firstId), (lastId),                                    \
     [](::CCmdTarget& target, ::MessageCall& call) {                                   \
         static_cast<ThisClass&>(target).memberFn(static_cast<UINT>(LOWORD(call.wParam))); \
     }},

// WM_NOTIFY from control id with this code: void memberFn(NMHDR*, LRESULT*).
#define ON_NOTIFY(notifyCode, id, memberFn)                                       \
    {WM_NOTIFY, static_cast<UINT>(notifyCode), (id), (id),                        \
     [](::CCmdTarget& target, ::MessageCall& call) {                              \
         static_cast<ThisClass&>(target).memberFn(reinterpret_cast<NMHDR*>(call.lParam), \
                                                  &call.result);                  \
     }},

// Any message: LRESULT memberFn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFn)                                              \
    {(message), 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {           \
         call.result = static_cast<ThisClass&>(target).memberFn(call.wParam, call.lParam); \
     }},
