// Window objects and handles: subclassing an existing window, Default(),
// the handle map, and what happens when the window or the object goes first.
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Lets digits through to the edit control and drops everything else.
class CDigitsEdit : public CEdit {
public:
    int m_nPreSubclassCalls = 0;
    bool m_bWasHookedAtPreSubclass = false;

protected:
    void PreSubclassWindow() override {
        ++m_nPreSubclassCalls;
        m_bWasHookedAtPreSubclass =
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == FrameworkWindowProcedure;
        ModifyStyle(0, ES_NOHIDESEL);
    }
    void OnChar(UINT ch, UINT, UINT) {
        if (ch >= L'0' && ch <= L'9') {
            Default();
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDigitsEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateHidden());
        m_hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20,
                                    m_parent.m_hWnd, reinterpret_cast<HMENU>(7), nullptr, nullptr);
        ASSERT_NE(nullptr, m_hEdit);
        m_originalProcedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hEdit, GWLP_WNDPROC));
    }

    CTestWindow m_parent;
    HWND m_hEdit = nullptr;
    WNDPROC m_originalProcedure = nullptr;
};

TEST_F(SubclassTest, TheObjectSeesTheMessagesAndDefaultPassesTheCurrentOneToTheOriginalProcedure) {
    MessageRecorder belowTheObject(m_hEdit, WM_CHAR, WM_CHAR);
    CDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(m_hEdit));

    for (wchar_t ch : {L'1', L'x', L'2', L'+'}) {
        edit.SendMessage(WM_CHAR, ch, 1);
    }
    EXPECT_EQ(L"12", TextOf(m_hEdit));
    ASSERT_EQ(2u, belowTheObject.Messages().size());
    EXPECT_EQ(static_cast<WPARAM>(L'1'), belowTheObject.Messages()[0].wParam);
    EXPECT_EQ(static_cast<WPARAM>(L'2'), belowTheObject.Messages()[1].wParam);
}

TEST_F(SubclassTest, PreSubclassWindowRunsOnceBeforeTheObjectTakesTheMessages) {
    CDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(m_hEdit));
    EXPECT_EQ(1, edit.m_nPreSubclassCalls);
    EXPECT_FALSE(edit.m_bWasHookedAtPreSubclass);
    EXPECT_NE(0u, edit.GetStyle() & ES_NOHIDESEL);
    EXPECT_FALSE(CDigitsEdit().SubclassWindow(m_hEdit));  // one object per window
}

TEST_F(SubclassTest, TheHandleMapKnowsAttachedObjectsAndWrapsOtherWindowsTemporarily) {
    CDigitsEdit edit;
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hEdit));
    CWnd* wrapper = CWnd::FromHandle(m_hEdit);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(m_hEdit, wrapper->m_hWnd);
    EXPECT_EQ(wrapper, CWnd::FromHandle(m_hEdit));

    ASSERT_TRUE(edit.SubclassWindow(m_hEdit));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(m_hEdit));
    EXPECT_EQ(&edit, CWnd::FromHandle(m_hEdit));
    EXPECT_EQ(&edit, m_parent.GetDlgItem(7));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST_F(SubclassTest, UnsubclassingGivesTheWindowItsProcedureBack) {
    CDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(m_hEdit));
    EXPECT_EQ(m_hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(m_originalProcedure, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hEdit, GWLP_WNDPROC)));
    ::SendMessageW(m_hEdit, WM_CHAR, L'x', 1);
    EXPECT_EQ(L"x", TextOf(m_hEdit));
}

TEST_F(SubclassTest, AnObjectThatGoesFirstLeavesAWorkingWindowBehind) {
    std::optional<MessageRecorder> subclassedAfterUs;  // so our procedure cannot simply be taken out
    {
        CDigitsEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(m_hEdit));
        subclassedAfterUs.emplace(m_hEdit);
    }
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hEdit));
    ::SendMessageW(m_hEdit, WM_CHAR, L'x', 1);
    EXPECT_EQ(L"x", TextOf(m_hEdit));  // no filter any more, and no crash

    CDigitsEdit second;
    ASSERT_TRUE(second.SubclassWindow(m_hEdit));
    second.SendMessage(WM_CHAR, L'y', 1);
    second.SendMessage(WM_CHAR, L'3', 1);
    EXPECT_EQ(L"x3", TextOf(m_hEdit));
}

TEST_F(SubclassTest, WhenTheWindowGoesTheObjectIsDetached) {
    CDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(m_hEdit));
    m_parent.DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, m_parent.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hEdit));
}

TEST_F(SubclassTest, AWindowTheObjectCreatedGoesWithTheObject) {
    HWND created = nullptr;
    {
        CTestWindow window;
        ASSERT_TRUE(window.CreateHidden());
        created = window.m_hWnd;
        EXPECT_EQ(&window, CWnd::FromHandlePermanent(created));
    }
    EXPECT_FALSE(::IsWindow(created));
}

TEST_F(SubclassTest, CreateExDeliversTheCreationMessagesToTheObject) {
    class CCreationWatcher : public CTestWindow {
    public:
        std::vector<UINT> m_seen;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NCCREATE || message == WM_CREATE) {
                m_seen.push_back(message);
            }
            return CTestWindow::WindowProc(message, wParam, lParam);
        }
    } window;
    ASSERT_TRUE(window.CreateHidden());
    EXPECT_EQ((std::vector<UINT>{WM_NCCREATE, WM_CREATE}), window.m_seen);
}

}  // namespace
