// The main window run modally over a test's own application object, with a
// script of steps inside its modal loop, and what the steps look at.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MainDialog.h"
#include "ResourceIds.h"
#include "ShellTestSupport.h"

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        app.LoadAccelAndKey(IDR_MAIN_ACCELERATORS, CConverterApp::kSettingsKey);
        app.BuildDefaultTabs();
        app.m_tabOrder = app.m_defaultTabs;
    }

    // Runs the main window with these steps; returns its modal result.
    INT_PTR Run(std::vector<ModalScript::Step> steps);

    CMainDialog& Main() { return *dialog; }
    HWND Item(int id) { return ::GetDlgItem(dialog->m_hWnd, id); }

    std::vector<std::wstring> TabTexts() { return TabTextsOf(Item(IDC_TABS)); }
    int CurrentTab();
    // Selects a tab as the user's click would: the selection moves, then
    // the tab control tells the main window.
    void SelectTab(int tab);
    // The page indices whose windows are visible.
    std::vector<int> VisiblePages();

    // A unit field's edit box on a page.
    HWND Box(int page, size_t field);
    // Every unit field's text on a page, in reading order.
    std::vector<std::wstring> BoxTexts(int page);

    PrivateProfileRoot profile;
    SeamRecorder seams;
    CConverterApp app;
    std::unique_ptr<CMainDialog> dialog;
};
