// CQuantityDialog: a quantity page as a modeless child dialog. It binds the
// page model (QuantityPage) to the page's windows: the edit boxes are the
// model's boxes, read back and written out through the dialog's data
// exchange, and every change of a unit field's box runs the model's
// conversion cycle. The window class itself does no arithmetic.
//
// The page's window is created from a template built from its record
// (PageTemplate); its initialisation is the model's initial display, so a
// page shows its default in every unit before it is first visible.
#pragma once

#include <array>
#include <vector>

#include "BaseDialog.h"
#include "NumberEditBox.h"
#include "PageBoxes.h"
#include "QuantityPage.h"

class CQuantityDialog : public CBaseDialog, private unitora::PageBoxes {
public:
    // pParent: the main window, which becomes the page's parent; without
    // one, the application's main window does.
    CQuantityDialog(const unitora::PageRecord& record, CWnd* pParent);

    const unitora::PageRecord& Record() const noexcept { return m_page.Record(); }

    BOOL CreateFromTemplate() override;

    // The text a unit field's box shows now; empty when the page has no such box.
    std::wstring BoxText(int id) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnShowWindow(BOOL show, UINT status);
    void OnBoxChanged(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    bool ReadBack() override;
    void WriteOut() override;

    unitora::QuantityPage m_page;
    // One per unit field, in the record's reading order.
    std::array<CNumberDoubleEditBox, unitora::kMaxFields> m_boxes;
    // Fields whose label is cut, until the page's tooltip shows them whole.
    std::vector<int> m_cutLabelFields;
};
