// All 46 pages as windows: made in the fixed page order, each opens with
// the model's first display and converts a keystroke as the model does.
#include "PageDialogs.h"
#include "PageTable.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PageFactoryTest, PagesComeInTheFixedOrderWithTheirOwnClasses) {
    for (int index = 0; index < unitora::kPageCount; ++index) {
        const std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, nullptr);
        ASSERT_NE(nullptr, page);
        EXPECT_EQ(unitora::PageAt(index), &page->Record()) << "page " << index;
        EXPECT_EQ(nullptr, page->m_hWnd);
    }
    EXPECT_NE(nullptr, dynamic_cast<CMultiplierDialog*>(CreatePageObject(0, nullptr).get()));
    EXPECT_NE(nullptr, dynamic_cast<CLengthDialog*>(CreatePageObject(2, nullptr).get()));
    EXPECT_NE(nullptr, dynamic_cast<CLargeNumberDialog*>(CreatePageObject(45, nullptr).get()));
    EXPECT_EQ(nullptr, CreatePageObject(-1, nullptr));
    EXPECT_EQ(nullptr, CreatePageObject(unitora::kPageCount, nullptr));
}

// The page's first field in focus order, where the user starts typing.
int FirstFocusField(const unitora::PageRecord& record) {
    return record.focusOrder.empty() ? record.fields.front().id : record.focusOrder.front();
}

TEST(AllPagesTest, EveryPageOpensWithTheModelsDisplayAndConvertsAKeystroke) {
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    PromptRecorder prompt;
    for (int index = 0; index < unitora::kPageCount; ++index) {
        SCOPED_TRACE(::testing::Message() << "page " << index);
        const unitora::PageRecord& record = *unitora::PageAt(index);
        const std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, &host);
        ASSERT_TRUE(page->CreateFromTemplate());
        EXPECT_EQ(static_cast<int>(record.templateId), ::GetDlgCtrlID(page->m_hWnd));
        EXPECT_EQ(nullptr, page->GetToolTipWindow()) << "no tooltips before the page is first shown";
        page->ShowWindow(SW_SHOW);
        EXPECT_NE(nullptr, page->GetToolTipWindow());
        ModelPage model(record);
        ExpectSameTexts(page->m_hWnd, model);

        const int id = FirstFocusField(record);
        HWND box = ::GetDlgItem(page->m_hWnd, id);
        ::SendMessageW(box, EM_SETSEL, 0, -1);
        TypeKeys(box, L"7");
        model.boxes.Type(id, L"7");
        ExpectSameTexts(page->m_hWnd, model);
        EXPECT_TRUE(prompt.m_owners.empty());
        EXPECT_TRUE(model.prompts.empty());
    }
}

}  // namespace
