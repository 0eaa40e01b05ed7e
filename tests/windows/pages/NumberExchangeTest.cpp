// The number boxes' data exchange: read-back and write-out by the number
// text rules, and the prompt when a box cannot be read back (the real
// message box is the length page test's).
#include "DialogTemplateBuilder.h"
#include "NumberExchange.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr WORD kFirst = 100;
constexpr WORD kSecond = 101;
constexpr WORD kThird = 102;

// Two single-precision boxes and one double-precision box.
class CBoxesDialog : public CDialog {
public:
    CEdit m_first, m_second, m_third;
    float m_a = 0.0f;
    float m_b = 0.0f;
    double m_c = 0.0;

    HWND Box(WORD id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kFirst, m_first);
        DDX_Control(dx, kSecond, m_second);
        DDX_Control(dx, kThird, m_third);
        DDX_Text(dx, kFirst, m_a);
        DDX_Text(dx, kSecond, m_b);
        DDX_Text(dx, kThird, m_c);
    }
};

class NumberExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_template.AddEdit(kFirst, 5, 5, 80, 12).AddEdit(kSecond, 5, 20, 80, 12).AddEdit(kThird, 5, 35, 80, 12);
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
    }

    void SetTexts(const wchar_t* first, const wchar_t* second, const wchar_t* third) {
        ::SetWindowTextW(m_dialog.Box(kFirst), first);
        ::SetWindowTextW(m_dialog.Box(kSecond), second);
        ::SetWindowTextW(m_dialog.Box(kThird), third);
    }

    PromptRecorder m_prompts;
    DialogTemplateBuilder m_template{WS_POPUP | WS_VISIBLE, 0, 0, 120, 60};
    CBoxesDialog m_dialog;
};

TEST_F(NumberExchangeTest, ReadBackStoresEveryNumberAndRoundsSingleBoxesToSinglePrecision) {
    SetTexts(L"0.1", L" \t2 ", L"0.1");
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(0.1f, m_dialog.m_a);
    EXPECT_EQ(2.0f, m_dialog.m_b);
    EXPECT_EQ(0.1, m_dialog.m_c);

    SetTexts(L"1e39", L"0", L"0");  // beyond the single range
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(std::numeric_limits<float>::infinity(), m_dialog.m_a);
    EXPECT_TRUE(m_prompts.m_owners.empty());
}

TEST_F(NumberExchangeTest, AnUnreadableBoxIsPromptedFocusedAndSelectedAndLaterBoxesAreNotRead) {
    for (const wchar_t* unreadable : {L"1-2", L"-0", L".0", L"1.#INF", L"", L"12abc"}) {
        SCOPED_TRACE(::testing::Message() << "second box: \"" << unreadable << "\"");
        m_prompts.m_owners.clear();
        m_dialog.m_b = 7.0f;
        m_dialog.m_c = 42.0;
        SetTexts(L"3", unreadable, L"5");
        ::SetFocus(m_dialog.Box(kFirst));

        EXPECT_FALSE(m_dialog.UpdateData(TRUE));

        EXPECT_EQ(std::vector<HWND>{m_dialog.m_hWnd}, m_prompts.m_owners);
        EXPECT_EQ(m_dialog.Box(kSecond), ::GetFocus());
        const auto length = static_cast<DWORD>(std::wstring(unreadable).size());
        EXPECT_EQ(std::make_pair(DWORD{0}, length), SelectionOf(m_dialog.Box(kSecond)));
        EXPECT_EQ(3.0f, m_dialog.m_a);   // read before the failure
        EXPECT_EQ(7.0f, m_dialog.m_b);   // not stored
        EXPECT_EQ(42.0, m_dialog.m_c);   // not read
        EXPECT_EQ(unreadable, TextOf(m_dialog.Box(kSecond)));
    }
}

TEST_F(NumberExchangeTest, WriteOutUsesTheDisplayFormatOfEachBoxesWidth) {
    m_dialog.m_a = 1234567.0f;
    m_dialog.m_b = 0.9765625f;
    m_dialog.m_c = 1.0 / 3.0;
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(L"1.23457e+006", TextOf(m_dialog.Box(kFirst)));
    EXPECT_EQ(L"0.976563", TextOf(m_dialog.Box(kSecond)));
    EXPECT_EQ(L"0.333333333333333", TextOf(m_dialog.Box(kThird)));

    m_dialog.m_a = std::numeric_limits<float>::infinity();
    m_dialog.m_c = -0.0;
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(L"1.#INF", TextOf(m_dialog.Box(kFirst)));
    EXPECT_EQ(L"-0", TextOf(m_dialog.Box(kThird)));
}

TEST_F(NumberExchangeTest, WriteOutLeavesABoxThatAlreadyShowsItsValueUntouched) {
    SetTexts(L"0.5", L"7", L"0");
    ::SendMessageW(m_dialog.Box(kFirst), EM_SETSEL, 1, 2);
    ::SendMessageW(m_dialog.Box(kSecond), EM_SETSEL, 1, 1);
    MessageLog texts({WM_SETTEXT});
    texts.Watch(m_dialog.Box(kFirst));
    texts.Watch(m_dialog.Box(kSecond));
    m_dialog.m_a = 0.5f;
    m_dialog.m_b = 8.0f;
    m_dialog.m_c = 0.0;

    EXPECT_TRUE(m_dialog.UpdateData(FALSE));

    EXPECT_EQ(0, texts.Count(m_dialog.Box(kFirst), WM_SETTEXT));
    EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{2}), SelectionOf(m_dialog.Box(kFirst)));
    EXPECT_EQ(1, texts.Count(m_dialog.Box(kSecond), WM_SETTEXT));
    EXPECT_EQ(L"8", TextOf(m_dialog.Box(kSecond)));
}

}  // namespace
