// The track bar painter on real track bars: the channel and the thumb come from the skin
// through the control's custom drawing (its parent reflects the notifications), the
// tick marks stay the control's, a thumb without its element is a rectangle in the frame
// colour, and the skin's hello (same number as the reflected notification) is not read
// as a notification.
#include "skin/controls/trackbar_painter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t Channel = 0x20A0C0, Thumb = 0xC04080;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> trackSkin(bool withThumb) {
  std::string ini = "[Colours]\nButtonShadow=10 200 30\n[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\n"
                    "[TrackVert]\nImage=trackv.bmp\nTopHeight=2\nBottomHeight=2\n";
  std::vector<test::TTestEntry> files{{"track.bmp", MakeBmp(16, 4, Channel)}, {"trackv.bmp", MakeBmp(4, 16, Channel)}};
  if (withThumb) {
    ini += "[Trackbar.ThumbHorz]\nImage=thumb.bmp\n[Trackbar.ThumbVert]\nImage=thumbv.bmp\n";
    files.push_back({"thumb.bmp", MakeBmp(50, 20, [](int x, int) { return x / 10 == 1 ? Thumb : 0x000000u; })});
    files.push_back({"thumbv.bmp", MakeBmp(100, 10, [](int x, int) { return x / 20 == 1 ? Thumb : 0x000000u; })});
  }
  const Bytes package = test::PackSkin(ini, files);
  const test::Bytes block = test::SkinStreamBlock(package);
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", block));
  return data;
}

class TrackBarPainterTest : public testing::Test {
 protected:
  TTrackBar& track(bool vertical) {
    auto* control = new TTrackBar(&Form);
    control->SetParent(&Form);
    control->SetVertical(vertical);
    control->SetBounds(10, 10, vertical ? 40 : 200, vertical ? 200 : 40);
    control->SetPosition(50);
    control->Handle();
    return *control;
  }
  TBitmap face(TWinControl& control) {
    TBitmap bitmap(control.Width(), control.Height());
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  }
  static RECT rectOf(HWND window, UINT message) {
    RECT r{};
    SendMessageA(window, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }

  // Declared before the form: the painters the form's controls free at the end still
  // reach the list and the skin.
  TSkinPainterList List;
  std::vector<std::unique_ptr<TSkinData>> Skins;
  TForm Form{nullptr};
  TSkinData* keep(std::unique_ptr<TSkinData> skin) {
    Skins.push_back(std::move(skin));
    return Skins.back().get();
  }
};

TEST_F(TrackBarPainterTest, ChannelAndThumbFromTheSkin) {
  Form.SetBounds(0, 0, 400, 300);
  TSkinData* skin = keep(trackSkin(true));
  for (const bool vertical : {false, true}) {
    auto& control = track(vertical);
    (new TSkinTrackBar(&control))->AttachControl(&List, skin, false);
    const TBitmap pixels = face(control);
    const RECT thumb = rectOf(control.Handle(), TBM_GETTHUMBRECT);
    EXPECT_EQ(pixels.Pixel((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), rgb(Thumb))
        << (vertical ? "vertical" : "horizontal") << " thumb: frame 2 of its element";
    RECT channel = rectOf(control.Handle(), TBM_GETCHANNELRECT);
    if (vertical && channel.right - channel.left > channel.bottom - channel.top)
      channel = {channel.top, channel.left, channel.bottom, channel.right};
    // A point of the channel away from the thumb.
    const POINT inChannel = vertical ? POINT{(channel.left + channel.right) / 2, channel.top + 3}
                                     : POINT{channel.left + 3, (channel.top + channel.bottom) / 2};
    EXPECT_EQ(pixels.Pixel(inChannel.x, inChannel.y), rgb(Channel)) << (vertical ? "vertical" : "horizontal")
                                                                    << " channel";
  }
}

TEST_F(TrackBarPainterTest, AThumbWithoutItsElementIsAFramedRectangle) {
  Form.SetBounds(0, 0, 400, 300);
  TSkinData* skin = keep(trackSkin(false));
  auto& control = track(false);
  (new TSkinTrackBar(&control))->AttachControl(&List, skin, false);
  const TBitmap pixels = face(control);
  const RECT thumb = rectOf(control.Handle(), TBM_GETTHUMBRECT);
  EXPECT_EQ(pixels.Pixel(thumb.left, (thumb.top + thumb.bottom) / 2), RGB(10, 200, 30));
  // The skin's hello, which shares its number with the reflected notification, is passed
  // on untouched.
  EXPECT_NO_FATAL_FAILURE(SendMessageA(control.Handle(), 0xBC4E, 0, 0x41A2));
}

}  // namespace
}  // namespace velmora
