#include "MainWindowFixture.h"

#include "PageTable.h"

INT_PTR MainWindowTest::Run(std::vector<ModalScript::Step> steps) {
    dialog = std::make_unique<CMainDialog>(app);
    app.m_pMainWnd = dialog.get();
    INT_PTR result = -1;
    {
        ModalScript script(std::move(steps));
        result = dialog->DoModal();
    }
    app.m_pMainWnd = nullptr;
    return result;
}

int MainWindowTest::CurrentTab() { return static_cast<int>(::SendMessageW(Item(IDC_TABS), TCM_GETCURSEL, 0, 0)); }

void MainWindowTest::SelectTab(int tab) {
    const HWND tabs = Item(IDC_TABS);
    ::SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header{tabs, IDC_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    Main().SendMessage(WM_NOTIFY, IDC_TABS, reinterpret_cast<LPARAM>(&header));
}

std::vector<int> MainWindowTest::VisiblePages() {
    std::vector<int> visible;
    for (int page = 0; page < unitora::kPageCount; ++page) {
        if (Main().Page(page).IsWindowVisible()) {
            visible.push_back(page);
        }
    }
    return visible;
}

HWND MainWindowTest::Box(int page, size_t field) {
    return ::GetDlgItem(Main().Page(page).m_hWnd, unitora::PageAt(page)->fields[field].id);
}

std::vector<std::wstring> MainWindowTest::BoxTexts(int page) {
    std::vector<std::wstring> texts;
    for (size_t field = 0; field < unitora::PageAt(page)->fields.size(); ++field) {
        texts.push_back(TextOf(Box(page, field)));
    }
    return texts;
}
