// The framework's modal loop: the application's message filter, the owner
// disabled while the dialog runs, keyboard navigation (the innermost dialog
// first), OK and Cancel, and F1 becoming the help command.
#include "DialogTemplateBuilder.h"
#include "MessageRecorder.h"
#include "TestDialog.h"
#include "TestSupport.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

constexpr UINT kConsumedByFilter = WM_APP + 10;
constexpr UINT kRunStep = WM_APP + 11;
constexpr WORD kEdit = IDC_TEST_MODAL_EDIT;

// A modal dialog that runs the test's steps from inside its modal loop:
// each posted kRunStep runs the next step.
class CScriptedDialog : public CDialog {
public:
    CScriptedDialog() : CDialog(IDD_TEST_MODAL) {}

    std::vector<std::function<void(CScriptedDialog&)>> m_steps;
    std::vector<UINT> m_received;
    int m_nOkCalls = 0;
    int m_nCancelCalls = 0;
    bool m_bDefaultOkCancel = false;

    void RunNextStepLater() { PostMessage(kRunStep); }
    HWND Edit() const { return ::GetDlgItem(m_hWnd, kEdit); }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        RunNextStepLater();
        return TRUE;
    }
    void OnOK() override {
        ++m_nOkCalls;
        if (m_bDefaultOkCancel) {
            CDialog::OnOK();
        }
    }
    void OnCancel() override {
        ++m_nCancelCalls;
        if (m_bDefaultOkCancel) {
            CDialog::OnCancel();
        }
    }
    LRESULT OnRunStep(WPARAM, LPARAM) {
        if (m_nNextStep < m_steps.size()) {
            m_steps[m_nNextStep++](*this);
        }
        return 0;
    }
    LRESULT OnConsumable(WPARAM, LPARAM) {
        m_received.push_back(kConsumedByFilter);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    size_t m_nNextStep = 0;
};

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
    ON_MESSAGE(kRunStep, OnRunStep)
    ON_MESSAGE(kConsumedByFilter, OnConsumable)
END_MESSAGE_MAP()

// A child dialog standing in for a page: it records its own OK and Cancel.
class CPageDialog : public CDialog {
public:
    int m_nOkCalls = 0;
    int m_nCancelCalls = 0;

protected:
    void OnOK() override { ++m_nOkCalls; }
    void OnCancel() override { ++m_nCancelCalls; }
};

BOOL ConsumeMarkedMessages(const MSG& msg) { return msg.message == kConsumedByFilter; }

class ModalLoopTest : public ::testing::Test {
protected:
    CTestApp m_app;
    CScriptedDialog m_dialog;
};

TEST_F(ModalLoopTest, EndDialogEndsTheLoopWithItsResult) {
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) { dialog.EndDialog(77); });
    EXPECT_EQ(77, m_dialog.DoModal());
    EXPECT_EQ(nullptr, m_dialog.m_hWnd);
}

TEST_F(ModalLoopTest, TheApplicationsFilterSeesEveryMessageFirstAndCanConsumeIt) {
    m_app.m_pConsume = ConsumeMarkedMessages;
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) {
        dialog.PostMessage(kConsumedByFilter);
        dialog.RunNextStepLater();
    });
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) { dialog.EndDialog(IDOK); });

    EXPECT_EQ(IDOK, m_dialog.DoModal());

    EXPECT_EQ(MSGF_DIALOGBOX, m_app.m_nFilterCode);
    size_t consumed = 0;
    size_t steps = 0;
    for (const MSG& msg : m_app.m_filtered) {
        consumed += msg.message == kConsumedByFilter;
        steps += msg.message == kRunStep;
    }
    EXPECT_EQ(1u, consumed);
    EXPECT_EQ(2u, steps);
    EXPECT_TRUE(m_dialog.m_received.empty());  // the consumed message never arrived
}

TEST_F(ModalLoopTest, TheOwnerIsDisabledWhileTheDialogRunsAndEnabledAfterwards) {
    CTestWindow owner;
    ASSERT_TRUE(owner.CreateHidden());
    m_app.m_pMainWnd = &owner;
    bool ownerEnabledDuringLoop = true;
    HWND dialogOwner = nullptr;
    m_dialog.m_steps.push_back([&](CScriptedDialog& dialog) {
        ownerEnabledDuringLoop = ::IsWindowEnabled(owner.m_hWnd) != FALSE;
        dialogOwner = ::GetWindow(dialog.m_hWnd, GW_OWNER);
        dialog.EndDialog(IDCANCEL);
    });

    EXPECT_EQ(IDCANCEL, m_dialog.DoModal());

    EXPECT_FALSE(ownerEnabledDuringLoop);
    EXPECT_EQ(owner.m_hWnd, dialogOwner);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    m_app.m_pMainWnd = nullptr;
}

TEST_F(ModalLoopTest, EnterAndEscapeInAControlBecomeOkAndCancel) {
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) {
        ::SetFocus(dialog.Edit());
        ::PostMessageW(dialog.Edit(), WM_KEYDOWN, VK_RETURN, 1);
        ::PostMessageW(dialog.Edit(), WM_KEYDOWN, VK_ESCAPE, 1);
        dialog.RunNextStepLater();
    });
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) { dialog.EndDialog(5); });

    EXPECT_EQ(5, m_dialog.DoModal());
    EXPECT_EQ(1, m_dialog.m_nOkCalls);
    EXPECT_EQ(1, m_dialog.m_nCancelCalls);
}

TEST_F(ModalLoopTest, TheDefaultOkAndCancelEndTheDialog) {
    m_dialog.m_bDefaultOkCancel = true;
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) { dialog.PostMessage(WM_COMMAND, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, m_dialog.DoModal());

    CScriptedDialog second;
    second.m_bDefaultOkCancel = true;
    second.m_steps.push_back([](CScriptedDialog& dialog) { dialog.PostMessage(WM_COMMAND, IDOK); });
    EXPECT_EQ(IDOK, second.DoModal());
}

TEST_F(ModalLoopTest, KeysInAChildDialogAreNavigatedByThatDialog) {
    DialogTemplateBuilder pageTemplate{WS_CHILD | WS_VISIBLE, 0, 0, 100, 40};
    pageTemplate.AddEdit(kEdit, 5, 5, 60, 12).AddEdit(kEdit + 1, 5, 20, 60, 12);
    CPageDialog page;
    HWND focusAfterTab = nullptr;
    HWND second = nullptr;
    m_dialog.m_steps.push_back([&](CScriptedDialog& dialog) {
        ASSERT_TRUE(page.CreateIndirect(pageTemplate.Get(), &dialog));
        HWND first = ::GetDlgItem(page.m_hWnd, kEdit);
        second = ::GetDlgItem(page.m_hWnd, kEdit + 1);
        ::SetFocus(first);
        ::PostMessageW(first, WM_KEYDOWN, VK_TAB, 1);
        ::PostMessageW(first, WM_KEYDOWN, VK_ESCAPE, 1);
        ::PostMessageW(first, WM_KEYDOWN, VK_RETURN, 1);
        dialog.RunNextStepLater();
    });
    m_dialog.m_steps.push_back([&](CScriptedDialog& dialog) {
        focusAfterTab = ::GetFocus();
        dialog.EndDialog(6);
    });

    EXPECT_EQ(6, m_dialog.DoModal());

    EXPECT_EQ(1, page.m_nCancelCalls);
    EXPECT_EQ(1, page.m_nOkCalls);
    EXPECT_EQ(0, m_dialog.m_nCancelCalls);
    EXPECT_EQ(0, m_dialog.m_nOkCalls);
    EXPECT_EQ(nullptr, page.m_hWnd);  // went with its parent
    EXPECT_EQ(second, focusAfterTab) << "Tab moves to the page's next box";
}

// F1 is a real key press: the system turns it into WM_HELP for the focused
// control, which climbs to the top-level dialog and becomes the help command.
// The key is sent once the dialog has settled as the active window.
HWND g_settlingDialog = nullptr;

void CALLBACK RunStepWhenSettled(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::PostMessageW(g_settlingDialog, kRunStep, 0, 0);
}

TEST_F(ModalLoopTest, F1InAControlBecomesTheHelpCommandOfTheApplication) {
    m_app.m_pMainWnd = &m_dialog;
    std::optional<MessageRecorder> dialogCommands;
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) {
        ::SetForegroundWindow(dialog.m_hWnd);
        g_settlingDialog = dialog.m_hWnd;
        ::SetTimer(nullptr, 0, 300, RunStepWhenSettled);
    });
    m_dialog.m_steps.push_back([&](CScriptedDialog& dialog) {
        ::SetFocus(dialog.Edit());
        dialogCommands.emplace(dialog.m_hWnd, WM_COMMAND, WM_COMMAND);
        INPUT keys[2]{};
        keys[0].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_F1;
        keys[1] = keys[0];
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, keys, sizeof(INPUT));
        ::SetTimer(nullptr, 0, 300, RunStepWhenSettled);
    });
    m_dialog.m_steps.push_back([](CScriptedDialog& dialog) { dialog.EndDialog(IDOK); });

    EXPECT_EQ(IDOK, m_dialog.DoModal());

    EXPECT_EQ(1, m_app.m_nHelpCommands);
    ASSERT_TRUE(dialogCommands.has_value());
    size_t helpCommands = 0;
    for (const RecordedMessage& command : dialogCommands->Messages()) {
        helpCommands += command.wParam == ID_HELP;
    }
    EXPECT_EQ(1u, helpCommands);
    m_app.m_pMainWnd = nullptr;
}

TEST_F(ModalLoopTest, AModelessDialogWithoutParentBecomesAChildOfTheMainWindow) {
    CTestWindow mainWindow;
    ASSERT_TRUE(mainWindow.CreateHidden());
    m_app.m_pMainWnd = &mainWindow;
    DialogTemplateBuilder pageTemplate{WS_CHILD, 0, 0, 50, 20};
    CPageDialog page;
    ASSERT_TRUE(page.CreateIndirect(pageTemplate.Get()));
    EXPECT_EQ(mainWindow.m_hWnd, ::GetParent(page.m_hWnd));
    EXPECT_EQ(&page, CWnd::FromHandlePermanent(page.m_hWnd));
    m_app.m_pMainWnd = nullptr;
}

// The application's own message loop navigates a modeless dialog's
// keyboard too.
class CQuittingPage : public CPageDialog {
protected:
    void OnCancel() override {
        CPageDialog::OnCancel();
        ::PostQuitMessage(0);
    }
};

TEST_F(ModalLoopTest, TheApplicationsLoopHandsAModelessDialogItsKeys) {
    DialogTemplateBuilder modelessTemplate{WS_POPUP | WS_VISIBLE, 0, 0, 100, 40};
    modelessTemplate.AddEdit(kEdit, 5, 5, 60, 12);
    CQuittingPage modeless;
    ASSERT_TRUE(modeless.CreateIndirect(modelessTemplate.Get()));
    HWND edit = ::GetDlgItem(modeless.m_hWnd, kEdit);
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);

    m_app.Run();

    EXPECT_EQ(1, modeless.m_nCancelCalls);
}

// A top-level dialog whose template leaves the position at 0,0 opens in the
// middle of the work area when it has no owner.
TEST_F(ModalLoopTest, ATopLevelDialogAtTheOriginIsCentredOnTheWorkArea) {
    DialogTemplateBuilder originTemplate{WS_POPUP, 0, 0, 100, 40};
    CPageDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(originTemplate.Get()));
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect window;
    dialog.GetWindowRect(&window);
    EXPECT_NEAR(workArea.left + workArea.right, window.left + window.right, 2);
    EXPECT_NEAR(workArea.top + workArea.bottom, window.top + window.bottom, 2);
}

}  // namespace
