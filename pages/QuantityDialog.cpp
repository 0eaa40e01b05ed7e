#include "QuantityDialog.h"

#include "MemoryBoxes.h"
#include "NumberExchange.h"
#include "NumberPrompt.h"
#include "PageFontMetrics.h"
#include "PageTemplate.h"
#include "WinApp.h"

#include <commctrl.h>

namespace {

// The model's stored values, visited in data exchange order, exchanged with
// their boxes by DDX_Text at the page's width. DDX_Text leaves the exchange
// (by exception) at the first box it cannot read back.
class DialogFieldExchange final : public unitora::FieldExchange {
public:
    explicit DialogFieldExchange(CDataExchange* dx) noexcept : m_dx(dx) {}

    bool Field(const unitora::UnitField& field, double& value, unitora::Width width) override {
        if (width == unitora::Width::Single) {
            float single = static_cast<float>(value);  // exact: the model stores singles
            DDX_Text(m_dx, field.id, single);
            value = single;
        } else {
            DDX_Text(m_dx, field.id, value);
        }
        return true;
    }

private:
    CDataExchange* m_dx;
};

}  // namespace

// Every EN_CHANGE comes here; OnBoxChanged keeps those of the unit fields.
BEGIN_MESSAGE_MAP(CQuantityDialog, CBaseDialog)
    ON_WM_SHOWWINDOW()
    ON_CONTROL_RANGE(EN_CHANGE, 0, 0xFFFF, OnBoxChanged)
END_MESSAGE_MAP()

CQuantityDialog::CQuantityDialog(const unitora::PageRecord& record, CWnd* pParent)
    : CBaseDialog(record.templateId, pParent, {.systemMenu = true, .childPage = true}), m_page(record) {}

// The page is laid out for the font and DPI of the window it is made in.
// The page's template number becomes its window's control ID, so that the
// main window (and anyone looking at its children) can tell the pages apart.
BOOL CQuantityDialog::CreateFromTemplate() {
    CWnd* parent = m_pOwnerWnd != nullptr ? m_pOwnerWnd : AfxGetMainWnd();
    if (parent == nullptr) {
        return FALSE;
    }
    const unitora::PageRecord& record = m_page.Record();
    const CPageFontMetrics& font = CPageFontMetrics::For(parent->m_hWnd);
    if (!font.Measured()) {
        return FALSE;
    }
    const std::vector<int> oneLine = font.OneLineWidths(record);
    const unitora::PageGrid grid = unitora::LayOutPageGrid(
        record, {oneLine, [&](size_t field) { return font.TwoLineWidth(record.fields[field].label); }}, font.Boxes());
    if (!CreateIndirect(unitora::WritePageTemplate(record, grid).Get(), parent)) {
        return FALSE;
    }
    ::SetWindowLongPtrW(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(record.templateId));
    for (size_t i = 0; i < grid.fields.size(); ++i) {
        if (grid.fields[i].cut) {
            m_cutLabelFields.push_back(record.fields[i].id);
        }
    }
    return TRUE;
}

// A label cut for want of room shows whole in the page's tooltip, over the
// label's place. The tooltip comes with the page's first showing.
void CQuantityDialog::OnShowWindow(BOOL show, UINT status) {
    CBaseDialog::OnShowWindow(show, status);
    const HWND toolTip = GetToolTipWindow();
    if (toolTip == nullptr) {
        return;
    }
    for (int id : m_cutLabelFields) {
        const HWND box = ::GetDlgItem(m_hWnd, id);
        const HWND label = box != nullptr ? ::GetWindow(box, GW_HWNDPREV) : nullptr;
        if (label == nullptr) {
            continue;
        }
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(label);
        ::GetWindowRect(label, &tool.rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&tool.rect), 2);
        tool.lpszText = const_cast<wchar_t*>(m_page.Record().fields[m_page.Record().FieldIndex(id)].label);
        ::SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    m_cutLabelFields.clear();
}

// The initial display (write-out of the construction values, their
// read-back and a recalculation) runs on the page's texts in memory, which
// follow the same rules as the boxes; the first data exchange then writes its
// result into the boxes at once. That spares every page a read-back and a
// second write-out of all its boxes at start-up.
BOOL CQuantityDialog::OnInitDialog() {
    unitora::MemoryBoxes texts(m_page, [this](int) { ShowNumberPrompt(m_hWnd); });
    m_page.InitialDisplay(texts);
    CBaseDialog::OnInitDialog();
    return FALSE;  // the page is hidden; the main window places the focus
}

void CQuantityDialog::DoDataExchange(CDataExchange* dx) {
    CBaseDialog::DoDataExchange(dx);
    const auto& fields = m_page.Record().fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        DDX_Control(dx, fields[i].id, m_boxes[i]);
    }
    DialogFieldExchange exchange(dx);
    m_page.Exchange(exchange);
}

void CQuantityDialog::OnBoxChanged(UINT id) {
    if (m_page.HasField(static_cast<int>(id))) {
        m_page.OnBoxChanged(*this, static_cast<int>(id));
    }
}

std::wstring CQuantityDialog::BoxText(int id) {
    CString text;
    if (CWnd* box = GetDlgItem(id)) {
        box->GetWindowText(text);
    }
    return std::wstring(text.View());
}

bool CQuantityDialog::ReadBack() { return UpdateData(TRUE) != FALSE; }

void CQuantityDialog::WriteOut() { UpdateData(FALSE); }
