// The about box: its version line, its shape, how it ends (with and without
// the closing animation) and its link to the home page.
#include <gtest/gtest.h>

#include <functional>

#include "AboutDialog.h"
#include "ModulePath.h"
#include "ResourceIds.h"
#include "ShellTestSupport.h"

namespace {

constexpr int kFrames = 63;

class AboutBoxTest : public ::testing::Test {
protected:
    // Runs the about box as the about command does, with these steps inside
    // it, a tick apart; returns its result.
    INT_PTR Run(std::vector<ModalScript::Step> steps) {
        CAboutDialog about(RGB(255, 255, 255), RGB(0, 0, 0), nullptr);
        m_about = &about;
        app.m_pMainWnd = &about;  // closed by the script after its last step
        ModalScript script(std::move(steps));
        const INT_PTR result = about.DoModal();
        app.m_pMainWnd = m_about = nullptr;
        return result;
    }

    HWND Box() const { return m_about->m_hWnd; }
    HWND Item(int id) const { return ::GetDlgItem(Box(), id); }
    bool IsOpen() const { return m_about != nullptr && ::IsWindowVisible(Box()); }

    SeamRecorder seams;
    CConverterApp app;

private:
    CAboutDialog* m_about = nullptr;
};

// Set for a renamed copy of this program, which runs the test below again.
constexpr wchar_t kExpectedLine[] = L"UNITORA_EXPECTED_VERSION_LINE";

TEST_F(AboutBoxTest, VersionLineNamesTheExecutableItRunsFromAndItsVersion) {
    wchar_t expected[256] = {};
    if (::GetEnvironmentVariableW(kExpectedLine, expected, 256) != 0) {
        Run({[&] { EXPECT_EQ(expected, TextOf(Item(IDC_VERSION_LINE))); }});
        return;
    }
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring copy = std::wstring(folder) + L"単位換算 Unitora.exe";
    ASSERT_TRUE(::CopyFileW(GetModulePath(), copy.c_str(), FALSE));
    ::SetEnvironmentVariableW(kExpectedLine, L"単位換算 Unitora Version 1.71");
    std::wstring commandLine = L"\"" + copy + L"\" --gtest_filter=AboutBoxTest.VersionLine*";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    DWORD exitCode = 1;
    if (::CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &process)) {
        ::WaitForSingleObject(process.hProcess, 120000);
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::SetEnvironmentVariableW(kExpectedLine, nullptr);
    ::DeleteFileW(copy.c_str());
    EXPECT_EQ(0u, exitCode) << "the renamed copy did not start, or its run of this test failed (output above)";
}

TEST_F(AboutBoxTest, TheWindowIsAnEllipseFromBelowTheCaptionToTheClientAreasSize) {
    Run({[&] {
        CRect client;
        ::GetClientRect(Box(), &client);
        const HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
        ::GetWindowRgn(Box(), shape);
        CRect bounds;
        ::GetRgnBox(shape, &bounds);
        // The platform may leave the bounding rectangle's last column and row out.
        EXPECT_TRUE(bounds.left == 2 && bounds.top == 25 && client.right - bounds.right <= 1 &&
                    client.bottom - bounds.bottom <= 1);
        const CPoint centre((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
        for (CPoint inside : {centre, CPoint(bounds.left + 2, centre.y), CPoint(centre.x, bounds.bottom - 3)}) {
            EXPECT_TRUE(::PtInRegion(shape, inside.x, inside.y)) << inside.x << ", " << inside.y;
        }
        for (CPoint corner : {CPoint(bounds.left, bounds.top), CPoint(bounds.right - 1, bounds.bottom - 1)}) {
            EXPECT_FALSE(::PtInRegion(shape, corner.x, corner.y)) << corner.x << ", " << corner.y;
        }
        ::DeleteObject(shape);
    }});
}

TEST_F(AboutBoxTest, OkPlaysTheAnimationAndEndsTheBoxAltF4AndCloseEndItAtOnceEscapeAndTheLinkLeaveItOpen) {
    struct Way {
        const char* what;
        std::function<void(HWND box)> act;
        INT_PTR result;
        int frames;
        bool staysOpen;  // until the script closes it
    };
    const Way ways[] = {
        {"OK button", [](HWND box) { ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }, IDOK, kFrames,
         false},
        {"Enter", [](HWND) { PressKey(::GetFocus(), VK_RETURN); }, IDOK, kFrames, false},
        {"Alt+F4", [](HWND) { PressKey(::GetFocus(), VK_F4, true); }, IDCANCEL, 0, false},
        {"system menu Close", [](HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, 0, false},
        {"Escape", [](HWND) { PressKey(::GetFocus(), VK_ESCAPE); }, IDCANCEL, 0, true},
        {"link", [](HWND box) { ::SendMessageW(::GetDlgItem(box, IDC_HOME_PAGE_LINK), BM_CLICK, 0, 0); }, IDCANCEL,
         0, true},
    };
    for (const Way& way : ways) {
        SeamRecorder::s_frames = 0;
        bool openAfterwards = false;
        EXPECT_EQ(way.result, Run({[&] { way.act(Box()); }, [&] { openAfterwards = IsOpen(); }})) << way.what;
        EXPECT_EQ(way.frames, SeamRecorder::s_frames) << way.what;
        EXPECT_EQ(way.staysOpen, openAfterwards) << way.what;
    }
    // The link, and nothing else, opened the home page through the shell.
    EXPECT_EQ(std::vector<CString>{L"https://unitora.example/"}, SeamRecorder::s_opened);
}

}  // namespace
