// A quantity page as a real child window (the length page): keystrokes
// running the conversion cycle, the clipboard keys and the full-width number
// keys, pasted numbers, rejected texts, the prompt path, quiet write-out, the notification
// lockout, and the page's shared dialog behaviour (Enter and Escape,
// dragging, tooltips, hiding).
#include "LengthAreaVolume.h"
#include "PageDialogs.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <imm.h>

namespace {

constexpr int kKm = 1001;
constexpr int kM = 1003;
constexpr int kCm = 1005;

class LengthPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        ASSERT_TRUE(m_page.CreateFromTemplate());
        m_page.ShowWindow(SW_SHOW);  // as the main window shows the current tab's page
    }

    HWND Box(int id) const { return ::GetDlgItem(m_page.m_hWnd, id); }

    // Types into the box as the user would; the model gets the texts the
    // box holds after each keystroke.
    void TypeInto(int id, std::wstring_view keys, std::initializer_list<std::wstring_view> modelTexts) {
        TypeKeys(Box(id), keys);
        for (std::wstring_view text : modelTexts) {
            m_model.boxes.Type(id, text);
        }
    }
    void ReplaceWith(int id, std::wstring_view keys, std::initializer_list<std::wstring_view> modelTexts) {
        ::SendMessageW(Box(id), EM_SETSEL, 0, -1);
        TypeInto(id, keys, modelTexts);
    }

    CHostWindow m_host;
    CLengthDialog m_page{&m_host};
    ModelPage m_model{unitora::kLengthPage};
};

TEST_F(LengthPageTest, AKeystrokeConvertsAndRewritesEveryBoxTheTypedOneToo) {
    ReplaceWith(kM, L"1234567", {L"1", L"12", L"123", L"1234", L"12345", L"123456", L"1234567"});
    EXPECT_EQ(L"1.23457e+006", TextOf(Box(kM)));
    EXPECT_EQ(L"1234.57", TextOf(Box(kKm)));
    ExpectSameTexts(m_page.m_hWnd, m_model);

    ReplaceWith(kKm, L"1.5", {L"1", L"1.", L"1.5"});
    EXPECT_EQ(L"1500", TextOf(Box(kM)));
    ExpectSameTexts(m_page.m_hWnd, m_model);
}

// The edit control's own commands and the characters a Japanese keyboard
// types for the number keys, each from "123" with a given selection and "9"
// on the clipboard; the page converts whatever the box then holds.
TEST_F(LengthPageTest, ClipboardKeysAndFullWidthNumberKeysReachTheBox) {
    struct Case {
        std::wstring_view keys;
        DWORD selStart, selEnd;
        std::wstring_view text, clipboard;
    };
    const Case cases[] = {
        {L"\x01\x03", 1, 2, L"123", L"123"},     // Ctrl+A, Ctrl+C
        {L"\x03", 1, 2, L"123", L"2"},           // Ctrl+C
        {L"\x18", 1, 2, L"13", L"2"},            // Ctrl+X
        {L"\x16", 1, 2, L"193", L"9"},           // Ctrl+V
        {L"5\x1A", 1, 2, L"123", L"9"},          // typing, then Ctrl+Z
        {L"\xFF14\xFF15", 1, 2, L"1453", L"9"},  // ４５
        {L"\xFF0D", 0, 0, L"-123", L"9"},        // －
        {L"\x2212", 0, 1, L"-23", L"9"},         // −
        {L"\x30FC", 0, 0, L"-123", L"9"},        // ー
        {L"\xFF0E\xFF15", 3, 3, L"123.5", L"9"}, // ．５
        {L"a\xFF41", 1, 2, L"123", L"9"},        // letters are dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "keys " << static_cast<unsigned>(c.keys[0]));
        PutOnClipboard(L"9");
        ::SetWindowTextW(Box(kKm), L"123");
        m_model.boxes.Type(kKm, L"123");
        ::SendMessageW(Box(kKm), EM_SETSEL, c.selStart, c.selEnd);
        TypeInto(kKm, c.keys, {c.text});
        EXPECT_EQ(c.text, TextOf(Box(kKm)));
        EXPECT_EQ(c.clipboard, ClipboardText());
        ExpectSameTexts(m_page.m_hWnd, m_model);
    }
}

// Numbers pasted as people write them go in as their plain text and convert;
// a pasted text that is still no number gets the prompt as ever. Each paste
// replaces the whole text, by WM_PASTE, Ctrl+V or Shift+Insert.
TEST_F(LengthPageTest, PastedNumbersGoInAsTheirPlainText) {
    enum class Route { Message, CtrlV, ShiftInsert };
    struct Case {
        const wchar_t* clipboard;
        Route route;
        std::wstring_view boxText;  // what the box holds after the paste
    };
    const Case cases[] = {
        {L"１２３", Route::Message, L"123"},         {L"1,234.5\r\n", Route::ShiftInsert, L"1234.5"},
        {L"−5", Route::CtrlV, L"-5"},                {L"\x3000" L"1.50 ", Route::ShiftInsert, L"1.5"},
        {L"2.5e10", Route::Message, L"25e09"},       {L"1,5", Route::CtrlV, L"1,5"},
    };
    PromptRecorder prompt;
    BYTE keys[256] = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.clipboard)));
        PutOnClipboard(c.clipboard);
        ::SendMessageW(Box(kKm), EM_SETSEL, 0, -1);
        keys[VK_SHIFT] = c.route == Route::ShiftInsert ? 0x80 : 0;
        ::SetKeyboardState(keys);
        if (c.route == Route::Message) ::SendMessageW(Box(kKm), WM_PASTE, 0, 0);
        if (c.route == Route::CtrlV) TypeKeys(Box(kKm), L"\x16");
        if (c.route == Route::ShiftInsert) ::SendMessageW(Box(kKm), WM_KEYDOWN, VK_INSERT, 1);
        m_model.boxes.Type(kKm, c.boxText);
        ExpectSameTexts(m_page.m_hWnd, m_model);
    }
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(std::vector<int>{kKm}, m_model.prompts);
    EXPECT_EQ(1u, prompt.m_owners.size());
}

// Digits typed with the input method on go straight into a box.
TEST_F(LengthPageTest, NumberBoxesHaveNoInputMethod) {
    for (const auto& field : unitora::kLengthPage.fields) {
        EXPECT_EQ(nullptr, ::ImmGetContext(Box(field.id))) << field.id;
    }
}

TEST_F(LengthPageTest, ARejectedTextChangesNoBox) {
    ReplaceWith(kKm, L"2", {L"2"});
    MessageLog log({WM_SETTEXT});
    for (const auto& field : unitora::kLengthPage.fields) {
        log.Watch(Box(field.id));
    }
    for (std::wstring_view rejected : {L".", L"0"}) {  // "2." and "2.0"
        TypeKeys(Box(kKm), rejected);
        EXPECT_TRUE(log.Entries().empty());
    }
    EXPECT_EQ(L"2.0", TextOf(Box(kKm)));
    EXPECT_EQ(L"2000", TextOf(Box(kM)));
}

TEST_F(LengthPageTest, AnUnreadableTextIsPromptedAndTheCycleGoesOnWithItsLeadingNumber) {
    PromptRecorder prompt;
    ReplaceWith(kKm, L"1-", {L"1", L"1-"});
    EXPECT_EQ(std::vector<HWND>{m_page.m_hWnd}, prompt.m_owners);
    EXPECT_EQ(std::vector<int>{kKm}, m_model.prompts);
    EXPECT_EQ(Box(kKm), ::GetFocus());
    EXPECT_EQ(L"1", TextOf(Box(kKm)));
    EXPECT_EQ(L"1000", TextOf(Box(kM)));
    ExpectSameTexts(m_page.m_hWnd, m_model);
}

// An overflowing value shows "1.#INF", which the next read-back refuses: the
// first such box in data exchange order gets the prompt, the focus and the
// whole-text selection, and the boxes after it are not read.
TEST_F(LengthPageTest, TheFirstUnreadableBoxGetsFocusAndSelectionAndLaterBoxesAreNotRead) {
    ::SendMessageW(Box(kM), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1e38"));  // a paste
    m_model.boxes.Type(kM, L"1e38");
    ASSERT_EQ(L"1.#INF", TextOf(Box(kCm)));

    MessageLog log({WM_GETTEXT});
    for (const auto& field : unitora::kLengthPage.fields) {
        log.Watch(Box(field.id));
    }
    PromptRecorder prompt(&log);
    ::SendMessageW(Box(kM), EM_SETSEL, 6, 6);
    TypeInto(kM, L"9", {L"1e+0389"});  // infinite: the box it fails on keeps its text

    EXPECT_EQ(std::vector<int>{kCm}, m_model.prompts);
    ASSERT_EQ(std::vector<HWND>{m_page.m_hWnd}, prompt.m_owners);
    EXPECT_EQ(Box(kCm), ::GetFocus());
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{6}), SelectionOf(Box(kCm)));
    ExpectSameTexts(m_page.m_hWnd, m_model);
    EXPECT_EQ(L"1.#INF", TextOf(Box(kKm)));

    std::vector<HWND> readBeforePrompt;
    for (const MessageLog::Entry& entry : log.Entries()) {
        if (entry.message == PromptRecorder::kPromptMarker) break;
        readBeforePrompt.push_back(entry.window);
    }
    // The typed box's text, then the read-back in exchange order up to cm.
    EXPECT_EQ((std::vector<HWND>{Box(kM), Box(kKm), Box(kM), Box(kCm)}), readBeforePrompt);
}

TEST_F(LengthPageTest, WriteOutLeavesABoxThatShowsItsValueUntouched) {
    ::SendMessageW(Box(kKm), EM_SETSEL, 1, 3);
    MessageLog log({WM_SETTEXT});
    log.Watch(Box(kKm));
    log.Watch(Box(kM));
    ::SendMessageW(Box(kM), EM_SETSEL, 0, 0);
    TypeInto(kM, L"0", {L"01"});  // the same metre again

    EXPECT_EQ(0, log.Count(Box(kKm), WM_SETTEXT));
    EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{3}), SelectionOf(Box(kKm)));
    EXPECT_EQ(1, log.Count(Box(kM), WM_SETTEXT));  // "01" shown as "1"
    EXPECT_EQ(L"1", TextOf(Box(kM)));
}

// Rewriting 24 boxes makes them all report a change; none of those reports
// may start a cycle of its own.
TEST(PageLockoutTest, RewritingTheBoxesStartsNoFurtherCycle) {
    class CCountingPage : public CQuantityDialog {
    public:
        explicit CCountingPage(CWnd* parent) : CQuantityDialog(unitora::kLengthPage, parent) {}
        int m_nExchanges = 0;

    protected:
        void DoDataExchange(CDataExchange* dx) override {
            ++m_nExchanges;
            CQuantityDialog::DoDataExchange(dx);
        }
    };
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    CCountingPage page(&host);
    ASSERT_TRUE(page.CreateFromTemplate());
    EXPECT_EQ(1, page.m_nExchanges);  // the initial display, worked out in memory, written once

    MessageLog log({WM_COMMAND});
    log.Watch(page.m_hWnd);
    HWND km = ::GetDlgItem(page.m_hWnd, kKm);
    ::SendMessageW(km, EM_SETSEL, 0, -1);
    TypeKeys(km, L"7");
    EXPECT_EQ(3, page.m_nExchanges);  // one read-back, one write-out
    EXPECT_GT(log.Entries().size(), 20u);
}

TEST_F(LengthPageTest, EnterAndEscapeCloseNothingAndChangeNothing) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg{Box(kKm), WM_KEYDOWN, key, 1, 0, {}};
        ::IsDialogMessageW(m_page.m_hWnd, &msg);
        ::SendMessageW(Box(kKm), WM_CHAR, key, 1);
    }
    PumpPendingMessages();
    EXPECT_TRUE(m_page.IsWindowVisible());
    ExpectSameTexts(m_page.m_hWnd, m_model);
}

TEST_F(LengthPageTest, ALeftButtonDragOnTheBackgroundMovesTheHost) {
    m_page.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 150));
    EXPECT_EQ(std::vector<WPARAM>{HTCAPTION}, m_host.m_captionDrags);
}

TEST_F(LengthPageTest, ABoxsTooltipShowsItsWholeNumber) {
    ReplaceWith(kM, L"1234567", {L"1234567"});
    EXPECT_EQ(L"1.23457e+008", ToolTipTextOf(m_page, Box(kCm)));
}

TEST_F(LengthPageTest, AHiddenPageKeepsItsTextsAsTheyWere) {
    ReplaceWith(kKm, L"2.", {L"2", L"2."});
    m_page.ShowWindow(SW_HIDE);
    PumpPendingMessages();
    m_page.ShowWindow(SW_SHOW);
    PumpPendingMessages();
    EXPECT_EQ(L"2.", TextOf(Box(kKm)));
    ExpectSameTexts(m_page.m_hWnd, m_model);
}

// The real prompt: a message box with the prompt's words, owned by the
// page's top-level window, which the test dismisses with its OK button.
std::wstring g_dismissedPrompt;
HWND g_promptOwner = nullptr;

BOOL CALLBACK CollectText(HWND window, LPARAM texts) {
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(TextOf(window));
    return TRUE;
}

BOOL CALLBACK DismissMessageBox(HWND window, LPARAM) {
    wchar_t className[16] = L"";
    ::GetClassNameW(window, className, 16);
    if (!::IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
    std::vector<std::wstring> texts;
    ::EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    const bool isPrompt = std::find(texts.begin(), texts.end(), kNumberPromptText) != texts.end();
    if (isPrompt) {
        g_dismissedPrompt = kNumberPromptText;
        g_promptOwner = ::GetWindow(window, GW_OWNER);
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, IDOK)));
    }
    return !isPrompt;
}

void CALLBACK LookForPrompt(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), DismissMessageBox, 0);
}

TEST_F(LengthPageTest, TheRealPromptIsAMessageBoxAndTheCycleGoesOnAfterOk) {
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, LookForPrompt);
    ReplaceWith(kKm, L"1-", {L"1", L"1-"});
    ::KillTimer(nullptr, timer);

    EXPECT_EQ(kNumberPromptText, g_dismissedPrompt);
    EXPECT_EQ(m_host.m_hWnd, g_promptOwner);
    EXPECT_EQ(L"1", TextOf(Box(kKm)));
    ExpectSameTexts(m_page.m_hWnd, m_model);
}

}  // namespace
