// Opening and closing the program's windows again and again: a page window,
// the customize dialog and the about box, 200 times each. Afterwards the
// thread has as many windows as before, and the process as many drawing
// objects and kernel handles and about as much private memory.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "AboutDialog.h"
#include "CustomizeDialog.h"
#include "PageDialogs.h"
#include "ProcessResources.h"
#include "ResourceIds.h"
#include "ShellTestSupport.h"

namespace {

// Growth of private memory that is noise: Wine itself keeps about 1 KB of
// every dialog made and destroyed (a bare dialog of 40 controls, 400 times,
// measured). A page object or window left behind per run, or one of the
// about box's surfaces, would cost far more.
constexpr std::size_t kMemoryNoise = 512 * 1024;
// The first round opens every page once, and each dialog both ways.
constexpr int kWarmUpRuns = unitora::kPageCount;

// Runs a modal dialog with one step inside it, the way the main window
// runs it.
INT_PTR RunModal(CDialog& dialog, ModalScript::Step step) {
    ModalScript script({std::move(step)}, 10);
    return dialog.DoModal();
}

TEST(EnduranceTest, OpeningAndClosingTwoHundredTimesLeavesNothingBehind) {
    PrivateProfileRoot profile;
    SeamRecorder seams;  // the closing animation does not wait between its frames
    CConverterApp app;
    app.BuildDefaultTabs();
    app.m_tabOrder = app.m_defaultTabs;
    CWnd host;  // stands in for the main window, with the tooltips its pages share
    ASSERT_TRUE(host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 700, 400), nullptr, 0));
    ASSERT_TRUE(host.EnableToolTips());

    struct Case {
        const char* name;
        std::function<void(int run)> openAndClose;
    };
    const Case cases[] = {
        {"page window",
         [&](int run) {
             const std::unique_ptr<CQuantityDialog> page = CreatePageObject(run % unitora::kPageCount, &host);
             ASSERT_TRUE(page->CreateFromTemplate());
             page->ShowWindow(SW_SHOW);
         }},
        {"customize dialog",
         [&](int run) {
             CCustomizeDialog dialog(app.m_tabOrder, app.m_defaultTabs);
             RunModal(dialog, [&] {
                 ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_MOVE_DOWN), BM_CLICK, 0, 0);
                 ::SendMessageW(::GetDlgItem(dialog.m_hWnd, run % 2 == 0 ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
             });
         }},
        {"about box",
         [&](int run) {
             CAboutDialog about(RGB(255, 255, 255), RGB(0, 0, 0), nullptr);
             RunModal(about, [&] {
                 // Every other run ends through the closing animation.
                 if (run % 2 == 0) {
                     ::SendMessageW(::GetDlgItem(about.m_hWnd, IDOK), BM_CLICK, 0, 0);
                 } else {
                     about.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
                 }
             });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A first round loads what stays loaded: classes, icons, fonts.
        for (int run = 0; run < kWarmUpRuns; ++run) {
            c.openAndClose(run);
        }
        const ProcessResources before = ProcessResources::Now();
        for (int run = 0; run < 200; ++run) {
            c.openAndClose(run);
        }
        const ProcessResources after = ProcessResources::Now();
        EXPECT_EQ(before.windows, after.windows);
        EXPECT_EQ(before.drawingObjects, after.drawingObjects);
        EXPECT_EQ(before.kernelHandles, after.kernelHandles);
        EXPECT_LT(after.privateBytes, before.privateBytes + kMemoryNoise)
            << "grew by " << (after.privateBytes - before.privateBytes) << " bytes";
    }
}

}  // namespace
