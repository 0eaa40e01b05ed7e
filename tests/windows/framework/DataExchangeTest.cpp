// The data exchange's mechanics: controls attached once, control
// notifications held back while UpdateData runs, and a failed exchange
// stopping at its control with that control focused and selected.
#include "DialogTemplateBuilder.h"
#include "TestSupport.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr WORD kFirst = 100;
constexpr WORD kSecond = 101;

// Two text boxes exchanged with two strings; a box reading "bad" fails the
// exchange. A change of the first box copies it into the second, as a
// page's change handler rewrites its boxes.
class CTextDialog : public CDialog {
public:
    CEdit m_first, m_second;
    std::wstring m_a, m_b;
    int m_nChangeHandlerCalls = 0;

    HWND Box(WORD id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kFirst, m_first);
        DDX_Control(dx, kSecond, m_second);
        ExchangeText(dx, kFirst, m_a);
        ExchangeText(dx, kSecond, m_b);
    }

    void OnBoxChanged(UINT) {
        ++m_nChangeHandlerCalls;
        if (UpdateData(TRUE)) {
            m_b = m_a;
            UpdateData(FALSE);
        }
    }

    DECLARE_MESSAGE_MAP()

private:
    static void ExchangeText(CDataExchange* dx, int id, std::wstring& value) {
        const HWND box = dx->PrepareEditCtrl(id);
        if (!dx->m_bSaveAndValidate) {
            ::SetWindowTextW(box, value.c_str());
        } else if (TextOf(box) == L"bad") {
            dx->Fail();
        } else {
            value = TextOf(box);
        }
    }
};

BEGIN_MESSAGE_MAP(CTextDialog, CDialog)
    ON_CONTROL_RANGE(EN_CHANGE, kFirst, kSecond, OnBoxChanged)
END_MESSAGE_MAP()

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_template.AddEdit(kFirst, 5, 5, 80, 12).AddEdit(kSecond, 5, 20, 80, 12);
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
    }

    DialogTemplateBuilder m_template{WS_POPUP | WS_VISIBLE, 0, 0, 120, 40};
    CTextDialog m_dialog;
};

TEST_F(DataExchangeTest, ControlsAreAttachedOnceAndRewritingThemRunsNoChangeHandler) {
    EXPECT_EQ(&m_dialog.m_first, CWnd::FromHandlePermanent(m_dialog.Box(kFirst)));
    m_dialog.m_a = L"";
    m_dialog.m_b = L"2";
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(&m_dialog.m_first, CWnd::FromHandlePermanent(m_dialog.Box(kFirst)));
    EXPECT_EQ(0, m_dialog.m_nChangeHandlerCalls);

    // A keystroke runs the handler once; its own rewriting starts no other.
    ::SendMessageW(m_dialog.Box(kFirst), WM_CHAR, L'5', 1);
    EXPECT_EQ(1, m_dialog.m_nChangeHandlerCalls);
    EXPECT_EQ(L"5", TextOf(m_dialog.Box(kSecond)));
}

TEST_F(DataExchangeTest, AFailedExchangeStopsAtItsControlWhichGetsTheFocusWithItsTextSelected) {
    ::SetWindowTextW(m_dialog.Box(kFirst), L"bad");
    ::SetFocus(m_dialog.Box(kSecond));
    m_dialog.m_b = L"kept";

    EXPECT_FALSE(m_dialog.UpdateData(TRUE));

    EXPECT_EQ(m_dialog.Box(kFirst), ::GetFocus());
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{3}), SelectionOf(m_dialog.Box(kFirst)));
    EXPECT_EQ(L"kept", m_dialog.m_b);  // not read
}

}  // namespace
