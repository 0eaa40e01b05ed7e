// Owner-drawn controls draw themselves: the parent passes WM_DRAWITEM on to
// the control's own object.
#include "DialogTemplateBuilder.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr WORD kButton = 100;

// Turns a plain push button into an owner-drawn one, as the program's
// buttons do, and records what it is asked to draw.
class CDrawingButton : public CButton {
public:
    std::vector<DRAWITEMSTRUCT> m_drawn;

protected:
    void PreSubclassWindow() override {
        ModifyStyle(0, BS_OWNERDRAW);
        CButton::PreSubclassWindow();
    }
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override {
        m_drawn.push_back(*drawItem);
        CDC* dc = CDC::FromHandle(drawItem->hDC);
        dc->FillSolidRect(&drawItem->rcItem, RGB(0, 128, 0));
    }
};

class CButtonDialog : public CDialog {
public:
    CDrawingButton m_button;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kButton, m_button); }
};

TEST(OwnerDrawTest, APaintedOwnerDrawnButtonDrawsItselfThroughItsObject) {
    DialogTemplateBuilder dialogTemplate{WS_POPUP | WS_VISIBLE, 0, 0, 100, 40};
    dialogTemplate.AddButton(kButton, L"Go", 5, 5, 50, 14);
    CButtonDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), dialog.m_button.GetStyle() & BS_TYPEMASK);

    dialog.m_button.Invalidate();
    dialog.m_button.UpdateWindow();

    ASSERT_FALSE(dialog.m_button.m_drawn.empty());
    const DRAWITEMSTRUCT& drawn = dialog.m_button.m_drawn.back();
    EXPECT_EQ(static_cast<UINT>(ODT_BUTTON), drawn.CtlType);
    EXPECT_EQ(dialog.m_button.m_hWnd, drawn.hwndItem);
    EXPECT_EQ(static_cast<UINT>(kButton), drawn.CtlID);
}

TEST(OwnerDrawTest, APlainButtonLeavesTheDrawItemMessageToTheDialog) {
    DialogTemplateBuilder dialogTemplate{WS_POPUP, 0, 0, 100, 40};
    dialogTemplate.AddButton(kButton, L"Go", 5, 5, 50, 14, BS_OWNERDRAW);
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    DRAWITEMSTRUCT drawItem{};
    drawItem.CtlType = ODT_BUTTON;
    drawItem.CtlID = kButton;
    drawItem.hwndItem = ::GetDlgItem(dialog.m_hWnd, kButton);
    // No object for the button: the dialog manager's answer, which is "not handled".
    EXPECT_EQ(0, dialog.SendMessage(WM_DRAWITEM, kButton, reinterpret_cast<LPARAM>(&drawItem)));
}

}  // namespace
