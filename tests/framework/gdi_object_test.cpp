// The counting wrappers: every live object is counted once, moves do not double
// count, and scoped selections restore the DC.
#include "framework/gdi_object.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmora {
namespace {

TEST(GdiObjectTest, CountsFollowTheObjectsLife) {
  const int brushes = GdiCounters::Live(TGdiKind::Brush);
  {
    GdiBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes + 1);
    GdiBrush moved = std::move(red);
    EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes + 1);
    EXPECT_EQ(red.Get(), nullptr);
    moved.Reset(CreateSolidBrush(RGB(0, 0, 255)));
    EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes + 1);
    GdiBrush none(nullptr);  // a failed creation is not counted
    EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes + 1);
  }
  EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes);

  GdiRegion region(CreateRectRgn(0, 0, 10, 10));
  EXPECT_EQ(GdiCounters::Live(TGdiKind::Region), 1);
  HRGN given = region.Release();  // handed to a call that owns it from now on
  EXPECT_EQ(GdiCounters::Live(TGdiKind::Region), 0);
  GdiRegion retaken(given);
}

TEST(GdiObjectTest, SelectScopeAndSavedDCRestoreTheDC) {
  MemoryDC dc;
  EXPECT_EQ(GdiCounters::Live(TGdiKind::MemoryDC), 1);
  const HGDIOBJ original = GetCurrentObject(dc, OBJ_BRUSH);
  GdiBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
  {
    SelectScope scope(dc, brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), original);
  {
    SavedDC saved(dc);
    SetBkColor(dc, RGB(9, 9, 9));
    SelectObject(dc, brush);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), original);
  EXPECT_NE(GetBkColor(dc), RGB(9, 9, 9));
}

// Memory DCs are lent from a per-thread store: each one starts fresh whatever the last
// holder did to it, the store stays bounded, and the idle DCs are not counted as live.
TEST(GdiObjectTest, MemoryDCsStartFreshAndTheIdleOnesStayBounded) {
  GdiBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
  GdiBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
  GdiRegion clip(CreateRectRgn(1, 1, 2, 2));
  HGDIOBJ freshBitmap = nullptr, freshFont = nullptr, freshBrush = nullptr;
  {
    MemoryDC fresh;
    freshBitmap = GetCurrentObject(fresh, OBJ_BITMAP);
    freshFont = GetCurrentObject(fresh, OBJ_FONT);
    freshBrush = GetCurrentObject(fresh, OBJ_BRUSH);
  }
  struct Case {
    const char* name;
    void (*mess)(HDC, HBITMAP, HBRUSH, HRGN);
  };
  const Case cases[] = {
      {"objects and colours",
       [](HDC dc, HBITMAP b, HBRUSH br, HRGN) {
         SelectObject(dc, b);
         SelectObject(dc, br);
         SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
         SetTextColor(dc, RGB(9, 8, 7));
         SetBkMode(dc, TRANSPARENT);
       }},
      {"layout, clip and origin",
       [](HDC dc, HBITMAP b, HBRUSH, HRGN clip) {
         SelectObject(dc, b);
         SetLayout(dc, LAYOUT_RTL);
         SelectClipRgn(dc, clip);
         SetViewportOrgEx(dc, 5, 6, nullptr);
         SetStretchBltMode(dc, HALFTONE);
       }},
      {"saved levels left behind", [](HDC dc, HBITMAP b, HBRUSH, HRGN) {
         SaveDC(dc);
         SelectObject(dc, b);
         SaveDC(dc);
       }},
      {"restored past its start", [](HDC dc, HBITMAP b, HBRUSH, HRGN) {
         SelectObject(dc, b);
         RestoreDC(dc, -1);
         RestoreDC(dc, -1);
       }},
  };
  for (const Case& c : cases) {
    {
      MemoryDC used;
      c.mess(used, bitmap, brush, clip);
    }
    MemoryDC next;
    EXPECT_EQ(GetCurrentObject(next, OBJ_BITMAP), freshBitmap) << c.name;
    EXPECT_EQ(GetCurrentObject(next, OBJ_FONT), freshFont) << c.name;
    EXPECT_EQ(GetCurrentObject(next, OBJ_BRUSH), freshBrush) << c.name;
    EXPECT_EQ(GetTextColor(next), RGB(0, 0, 0)) << c.name;
    EXPECT_EQ(GetBkMode(next), OPAQUE) << c.name;
    EXPECT_EQ(GetLayout(next), 0u) << c.name;
    POINT origin{-1, -1};
    GetViewportOrgEx(next, &origin);
    EXPECT_EQ(origin.x, 0) << c.name;
    GdiRegion probe(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(next, probe), 0) << c.name << ": a clip region is left";
    EXPECT_EQ(GetStretchBltMode(next), BLACKONWHITE) << c.name;
  }

  const int liveBefore = GdiCounters::LiveTotal();
  {
    std::vector<std::unique_ptr<MemoryDC>> many;
    for (int i = 0; i < MemoryDC::MaxIdleMemoryDCs + 9; ++i) many.push_back(std::make_unique<MemoryDC>());
    for (const auto& dc : many) EXPECT_NE(dc->Get(), nullptr);
    EXPECT_EQ(GdiCounters::Live(TGdiKind::MemoryDC), MemoryDC::MaxIdleMemoryDCs + 9);
  }
  EXPECT_EQ(GdiCounters::Live(TGdiKind::MemoryDC), 0);
  EXPECT_EQ(GdiCounters::Live(TGdiKind::IdleMemoryDC), MemoryDC::MaxIdleMemoryDCs);
  EXPECT_EQ(GdiCounters::LiveTotal(), liveBefore);
}

}  // namespace
}  // namespace velmora
