#include "QuantityDialog.h"

#include "DataExchange.h"
#include "MemoryBoxes.h"
#include "NumberPrompt.h"
#include "PageTemplate.h"

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
    ON_CONTROL_RANGE(EN_CHANGE, 0, 0xFFFF, OnBoxChanged)
END_MESSAGE_MAP()

CQuantityDialog::CQuantityDialog(const unitora::PageRecord& record, CWnd* pParent)
    : CBaseDialog(record.templateId, pParent, {.systemMenu = true, .childPage = true}), m_page(record) {}

// The page's template number becomes its window's control ID, so that the
// main window (and anyone looking at its children) can tell the pages apart.
BOOL CQuantityDialog::CreateFromTemplate() {
    const unitora::PageTemplate layout(m_page.Record());
    if (!CreateIndirect(layout.Get(), m_pOwnerWnd)) {
        return FALSE;
    }
    ::SetWindowLongPtrW(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(m_page.Record().templateId));
    return TRUE;
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
    GetDlgItem(id)->GetWindowText(text);
    return std::wstring(text.View());
}

bool CQuantityDialog::ReadBack() { return UpdateData(TRUE) != FALSE; }

void CQuantityDialog::WriteOut() { UpdateData(FALSE); }
