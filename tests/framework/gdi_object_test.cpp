// The counting wrappers: every live object is counted once, moves do not double
// count, and scoped selections restore the DC.
#include "framework/gdi_object.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velmora
