// The painters' kept face: reused while the size stays, made again when it changes, never
// shared with a paint nested in another, and given back with its painter.
#include "skin/controls/face_buffer.h"

#include <gtest/gtest.h>

#include "framework/gdi_object.h"

namespace velmora {
namespace {

TEST(FaceBufferTest, APaintOfTheSameSizeDrawsIntoTheLastFace) {
  TFaceBuffer buffer;
  HBITMAP first = nullptr;
  {
    TFaceBuffer::TUse use(buffer, 40, 20);
    first = use.Face().Handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(use.Face().Width(), 40);
    EXPECT_EQ(use.Face().Height(), 20);
  }
  {
    TFaceBuffer::TUse use(buffer, 40, 20);
    EXPECT_EQ(use.Face().Handle(), first);
  }
  struct Size {
    int Width, Height;
  };
  for (const Size size : {Size{41, 20}, Size{41, 19}, Size{1, 1}}) {
    TFaceBuffer::TUse use(buffer, size.Width, size.Height);
    EXPECT_EQ(use.Face().Width(), size.Width);
    EXPECT_EQ(use.Face().Height(), size.Height);
  }
  TFaceBuffer::TUse none(buffer, 0, 5);
  EXPECT_TRUE(none.Face().Empty());
}

TEST(FaceBufferTest, APaintNestedInAnotherGetsAFaceOfItsOwn) {
  TFaceBuffer buffer;
  TFaceBuffer::TUse outer(buffer, 30, 10);
  outer.Face().SetPixel(3, 4, RGB(1, 2, 3));
  {
    TFaceBuffer::TUse inner(buffer, 30, 10);
    ASSERT_FALSE(inner.Face().Empty());
    EXPECT_NE(inner.Face().Handle(), outer.Face().Handle());
    inner.Face().SetPixel(3, 4, RGB(200, 100, 50));
  }
  EXPECT_EQ(outer.Face().Pixel(3, 4), RGB(1, 2, 3));
  EXPECT_EQ(outer.Face().Width(), 30);
}

TEST(FaceBufferTest, TheFaceIsGivenBackWithItsBuffer) {
  const int before = GdiCounters::LiveTotal();
  {
    TFaceBuffer buffer;
    for (int i = 0; i < 100; ++i) TFaceBuffer::TUse use(buffer, 50 + i % 2, 20);
    EXPECT_EQ(GdiCounters::LiveTotal(), before + 1) << "one face kept, however many paints";
    TFaceBuffer::TUse outer(buffer, 50, 20);
    TFaceBuffer::TUse nested(buffer, 50, 20);
    EXPECT_EQ(GdiCounters::LiveTotal(), before + 2) << "the nested paint's own face";
  }
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

}  // namespace
}  // namespace velmora
