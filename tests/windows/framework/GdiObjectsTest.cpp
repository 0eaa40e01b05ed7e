// Drawing objects and device contexts free what they own, and only that.
#include "ProcessResources.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

bool Exists(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

// Each object holds one handle: a second creation, which would have nowhere
// to go, is refused before anything is made; the handle goes with the object.
TEST(GdiObjectsTest, AnObjectCreatesOneHandleAndDeletesItWhenItGoes) {
    std::vector<HGDIOBJ> created;
    {
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
            std::function<HGDIOBJ()> held;
        } creators[] = {
            {"brush", [&] { return brush.CreateSolidBrush(RGB(1, 2, 3)); }, [&] { return brush.m_hObject; }},
            {"font", [&] { return font.CreateFontIndirect(&logFont); }, [&] { return font.m_hObject; }},
            {"bitmap", [&] { return bitmap.CreateCompatibleBitmap(&screen, 4, 4); }, [&] { return bitmap.m_hObject; }},
            {"region", [&] { return region.CreateEllipticRgn(0, 0, 4, 4); }, [&] { return region.m_hObject; }},
            {"context", [&] { return memory.CreateCompatibleDC(nullptr); }, [&] { return memory.m_hDC; }},
        };
        for (const auto& creator : creators) {
            SCOPED_TRACE(creator.name);
            ASSERT_TRUE(creator.create());
            created.push_back(creator.held());
            EXPECT_TRUE(Exists(created.back()));
            const int objects = ProcessResources::Now().drawingObjects;
            EXPECT_FALSE(creator.create());
            EXPECT_EQ(objects, ProcessResources::Now().drawingObjects);
            EXPECT_EQ(created.back(), creator.held());
        }
    }
    for (HGDIOBJ object : created) {
        EXPECT_FALSE(Exists(object));
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
