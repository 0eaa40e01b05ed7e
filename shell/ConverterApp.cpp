#include "ConverterApp.h"

#include "HelpOrder.h"
#include "MainDialog.h"
#include "ResourceIds.h"
#include "WindowsVersion.h"

namespace {

// The tab-order section of the application's profile.
class CProfileTabOrderStore : public unitora::TabOrderStore {
public:
    explicit CProfileTabOrderStore(CWinApp& app) : m_app(app) {}

    std::wstring Read(const std::wstring& name, const wchar_t* fallback) override {
        return std::wstring(m_app.GetProfileString(unitora::kSettingsSection, name.c_str(), fallback).View());
    }
    void Write(const std::wstring& name, const std::wstring& text) override {
        m_app.WriteProfileString(unitora::kSettingsSection, name.c_str(), text.c_str());
    }

private:
    CWinApp& m_app;
};

}  // namespace

BEGIN_MESSAGE_MAP(CConverterApp, CBaseApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CConverterApp::InitInstance() {
    LoadAccelAndKey(IDR_MAIN_ACCELERATORS, kSettingsKey);
    BuildDefaultTabs();
    LoadTabSettings();
    LoadTopMost();

    CMainDialog mainWindow(*this);
    m_pMainWnd = &mainWindow;
    mainWindow.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends with its main window.
    return FALSE;
}

void CConverterApp::BuildDefaultTabs() { m_defaultTabs = unitora::DefaultTabLabels(); }

void CConverterApp::LoadTabSettings() {
    CProfileTabOrderStore store(*this);
    m_tabOrder = unitora::LoadTabSettings(store, m_defaultTabs);
}

void CConverterApp::SetTabOrder(const unitora::TabSlots& order) {
    m_tabOrder = order;
    SaveTabOrder();
}

void CConverterApp::SaveTabOrder() {
    CProfileTabOrderStore store(*this);
    unitora::SaveTabOrder(store, m_tabOrder);
}

void CConverterApp::LoadTopMost() {
    m_bTopMost = GetProfileInt(unitora::kSettingsSection, unitora::kTopMostValueName, 0) == 1;
}

void CConverterApp::SetTopMost(bool topMost) {
    m_bTopMost = topMost;
    WriteProfileInt(unitora::kSettingsSection, unitora::kTopMostValueName, topMost ? 1 : 0);
}

// The form of the help that suits the running system, or the other one
// when the shell cannot open it (a result of 32 or below).
void CConverterApp::ShowHelp() {
    constexpr INT_PTR kLastShellError = 32;
    unitora::OpenHelpInOrder(RunningWindowsMajorVersion(),
                             [this](const wchar_t* fileName) { return OpenModuleFile(fileName) > kLastShellError; });
}
