// Drawing objects and device contexts free what they own, and only that.
#include "ProcessResources.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool Exists(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(GdiObjectsTest, EveryObjectDeletesWhatItCreatedWhenItGoes) {
    HGDIOBJ brush = nullptr, font = nullptr, bitmap = nullptr, region = nullptr;
    HDC memoryDC = nullptr;
    {
        CBrush solidBrush(RGB(10, 20, 30));
        LOGFONTW logFont{};
        logFont.lfHeight = -12;
        CFont plainFont;
        ASSERT_TRUE(plainFont.CreateFontIndirect(&logFont));
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        CBitmap surface;
        ASSERT_TRUE(surface.CreateCompatibleBitmap(&memory, 8, 8));
        CRgn ellipse;
        ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 8, 8));
        brush = solidBrush.m_hObject;
        font = plainFont.m_hObject;
        bitmap = surface.m_hObject;
        region = ellipse.m_hObject;
        memoryDC = memory.m_hDC;
        for (HGDIOBJ object : {brush, font, bitmap, region, static_cast<HGDIOBJ>(memoryDC)}) {
            EXPECT_TRUE(Exists(object));
        }
    }
    for (HGDIOBJ object : {brush, font, bitmap, region, static_cast<HGDIOBJ>(memoryDC)}) {
        EXPECT_FALSE(Exists(object));
    }
}

// A second creation would have nowhere to go: it is refused before anything
// is made, and the object keeps the handle it has.
TEST(GdiObjectsTest, AnObjectThatHoldsAHandleCreatesNoOther) {
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    CBrush brush;
    CFont font;
    CBitmap bitmap;
    CRgn region;
    CDC memory;
    const struct {
        const char* name;
        std::function<BOOL()> create;
        std::function<void*()> held;
    } creators[] = {
        {"brush", [&] { return brush.CreateSolidBrush(RGB(1, 2, 3)); }, [&] { return brush.m_hObject; }},
        {"font", [&] { return font.CreateFontIndirect(&logFont); }, [&] { return font.m_hObject; }},
        {"bitmap", [&] { return bitmap.CreateCompatibleBitmap(&screen, 4, 4); }, [&] { return bitmap.m_hObject; }},
        {"region", [&] { return region.CreateEllipticRgn(0, 0, 4, 4); }, [&] { return region.m_hObject; }},
        {"context", [&] { return memory.CreateCompatibleDC(nullptr); },
         [&] { return static_cast<void*>(memory.m_hDC); }},
    };
    for (const auto& creator : creators) {
        SCOPED_TRACE(creator.name);
        ASSERT_TRUE(creator.create());
        void* const held = creator.held();
        const int objects = ProcessResources::Now().drawingObjects;
        EXPECT_FALSE(creator.create());
        EXPECT_EQ(objects, ProcessResources::Now().drawingObjects);
        EXPECT_EQ(held, creator.held());
    }
}

TEST(GdiObjectsTest, DetachHandsTheObjectOverAndAttachTakesItBack) {
    HGDIOBJ handedOver = nullptr;
    {
        CBrush brush(RGB(1, 1, 1));
        handedOver = brush.Detach();
        EXPECT_EQ(nullptr, brush.m_hObject);
    }
    EXPECT_TRUE(Exists(handedOver));
    HBRUSH another = ::CreateSolidBrush(RGB(2, 2, 2));
    {
        CBrush owner;
        EXPECT_TRUE(owner.Attach(handedOver));
        EXPECT_FALSE(owner.Attach(another));  // one handle per object
    }
    EXPECT_FALSE(Exists(handedOver));
    EXPECT_TRUE(Exists(another));
    ::DeleteObject(another);
}

TEST(GdiObjectsTest, AScopedSelectionIsUndoneWhenItEnds) {
    CTestWindow window;
    ASSERT_TRUE(window.CreateHidden());
    CClientDC dc(&window);
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_FONT);
    LOGFONTW logFont{};
    logFont.lfHeight = -20;
    CFont bigFont;
    ASSERT_TRUE(bigFont.CreateFontIndirect(&logFont));
    {
        CScopedSelect selection(dc, bigFont);
        EXPECT_EQ(bigFont.m_hObject, ::GetCurrentObject(dc, OBJ_FONT));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_FONT));
}

TEST(GdiObjectsTest, AWrappedForeignContextIsLeftToItsOwner) {
    HDC memory = ::CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(memory);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(memory, wrapper->m_hDC);
    EXPECT_EQ(wrapper, CDC::FromHandle(memory));
    // A framework message loop frees the wrapper after a message, not the context.
    CTestApp app;
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
    ::PostQuitMessage(0);
    app.Run();
    EXPECT_TRUE(Exists(memory));
    ::DeleteDC(memory);
}

}  // namespace
