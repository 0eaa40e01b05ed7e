// An exception that escapes a handler stops at the framework: it is reported
// once, the message gets a result that keeps its window sane, and the
// program (its windows and modal loops) runs on.
#include "ExceptionBarrier.h"
#include "TestDialog.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kThrow = WM_APP + 20;
constexpr UINT kAnswer = WM_APP + 21;

// The reports, with the exception's text ("" when it had none).
std::vector<std::string> g_reports;

void RecordReport(HWND, const char* what) { g_reports.emplace_back(what != nullptr ? what : ""); }

class ReportRecorder {
public:
    ReportRecorder() : m_previous(SetExceptionReport(RecordReport)) { g_reports.clear(); }
    ~ReportRecorder() { SetExceptionReport(m_previous); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

private:
    ExceptionReportFunction m_previous;
};

// Throws from the handler of whichever message it is told to.
class CThrowingWindow : public CTestWindow {
public:
    UINT m_nThrowOn = kThrow;
    bool m_bThrowStdException = true;

protected:
    LRESULT Fail(WPARAM, LPARAM) {
        if (m_bThrowStdException) {
            throw std::runtime_error("handler failed");
        }
        throw 42;
    }
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) { return m_nThrowOn == WM_CREATE ? Fail(wParam, lParam) : 0; }
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam) {
        return m_nThrowOn == WM_PAINT ? Fail(wParam, lParam) : static_cast<LRESULT>(Default());
    }
    LRESULT OnThrow(WPARAM wParam, LPARAM lParam) { return Fail(wParam, lParam); }
    LRESULT OnAnswer(WPARAM, LPARAM) { return 7; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWindow, CTestWindow)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(kThrow, OnThrow)
    ON_MESSAGE(kAnswer, OnAnswer)
END_MESSAGE_MAP()

TEST(ExceptionBarrierTest, AFailedHandlerIsReportedOnceAndItsWindowLivesOn) {
    struct Case {
        const char* name;
        UINT throwOn;
        bool stdException;
        const char* report;
    };
    const Case cases[] = {
        {"ordinary message", kThrow, true, "handler failed"},
        {"exception without text", kThrow, false, ""},
        {"paint", WM_PAINT, true, "handler failed"},
        {"creation", WM_CREATE, true, "handler failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportRecorder reports;
        CThrowingWindow window;
        window.m_nThrowOn = c.throwOn;
        window.m_bThrowStdException = c.stdException;
        const BOOL created = window.CreateHidden();
        if (c.throwOn == WM_CREATE) {
            EXPECT_FALSE(created) << "creation is refused";
            EXPECT_EQ(nullptr, window.m_hWnd);
        } else if (c.throwOn == WM_PAINT) {
            ASSERT_TRUE(created);
            window.ShowWindow(SW_SHOWNA);
            window.Invalidate();
            window.UpdateWindow();
            EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, nullptr, FALSE)) << "the paint is not asked for again";
        } else {
            ASSERT_TRUE(created);
            EXPECT_EQ(0, window.SendMessage(kThrow));
        }
        EXPECT_EQ(std::vector<std::string>{c.report}, g_reports);
        if (window.m_hWnd != nullptr) {
            EXPECT_EQ(7, window.SendMessage(kAnswer)) << "the window still answers";
        }
    }
}

// A handler that fails while a report is on screen (here: inside the
// report itself) is not reported on top of it.
TEST(ExceptionBarrierTest, AFailureDuringAReportIsNotReportedAgain) {
    static CThrowingWindow* s_window = nullptr;
    static int s_reports = 0;
    CThrowingWindow window;
    ASSERT_TRUE(window.CreateHidden());
    s_window = &window;
    s_reports = 0;
    const ExceptionReportFunction previous = SetExceptionReport([](HWND, const char*) {
        ++s_reports;
        s_window->SendMessage(kThrow);
    });
    window.SendMessage(kThrow);
    SetExceptionReport(previous);
    EXPECT_EQ(1, s_reports);
}

// Ends with 55 once the two failing messages it posts have gone by.
class CFailingDialog : public CDialog {
public:
    CFailingDialog() : CDialog(IDD_TEST_MODAL) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessage(kThrow, 1);  // fails in the application's filter
        PostMessage(kThrow, 2);  // fails in the handler
        PostMessage(kAnswer);
        return TRUE;
    }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    LRESULT OnAnswer(WPARAM, LPARAM) {
        EndDialog(55);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingDialog, CDialog)
    ON_MESSAGE(kThrow, OnThrow)
    ON_MESSAGE(kAnswer, OnAnswer)
END_MESSAGE_MAP()

// Failures inside a modal loop, in the application's message filter and in
// a handler, leave the loop running until the dialog ends as usual.
TEST(ExceptionBarrierTest, AModalLoopRunsOnAfterFailures) {
    CTestApp app;
    app.m_pConsume = [](const MSG& msg) -> BOOL {
        if (msg.message == kThrow && msg.wParam == 1) {
            throw std::runtime_error("filter failed");
        }
        return FALSE;
    };
    ReportRecorder reports;
    CFailingDialog dialog;
    EXPECT_EQ(55, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"filter failed", "handler failed"}), g_reports);
}

}  // namespace
