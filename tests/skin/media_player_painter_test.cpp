// The media player painter: its overlay shows the control's visible buttons on skinned
// frames with the program's glyphs (enabled, disabled, coloured), hands presses to the
// control, and goes with the skin.
#include "skin/controls/media_player_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// Push button frames: normal, pressed, disabled, hot, focused.
constexpr std::uint32_t Normal = 0x406080, Pressed = 0x80A040, Disabled = 0x909090, Hot = 0xC08040, Focused = 0x604020;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> buttonSkin() {
  const std::uint32_t faces[] = {Normal, Pressed, Disabled, Hot, Focused};
  const Bytes package =
      test::PackSkin("[Buttons]\nBitmap=buttons.bmp\n", {{"buttons.bmp", MakeBmp(50, 20, [&](int x, int) {
                                                           return faces[x / 10];
                                                         })}});
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(package)));
  return data;
}

const std::vector<std::string> kButtons = {"btPlay", "btPause", "btStop", "btNext",  "btPrev",
                                           "btStep", "btBack",  "btRecord", "btEject"};

// A media player as another control family has it: which buttons show, work and are in
// colour, and the presses it is handed.
class TMediaPlayerLike : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TMediaPlayer",
        &TWinControl::StaticClassInfo(),
        {props::Set<TMediaPlayerLike, unsigned>("VisibleButtons", kButtons, &TMediaPlayerLike::Visible,
                                                &TMediaPlayerLike::SetVisible),
         props::Set<TMediaPlayerLike, unsigned>("EnabledButtons", kButtons, &TMediaPlayerLike::Enabled,
                                                &TMediaPlayerLike::SetEnabled),
         props::Set<TMediaPlayerLike, unsigned>("ColoredButtons", kButtons, &TMediaPlayerLike::Colored,
                                                &TMediaPlayerLike::SetColored)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  unsigned Visible() const { return FVisible; }
  void SetVisible(unsigned v) { FVisible = v; }
  unsigned Enabled() const { return FEnabledSet; }
  void SetEnabled(unsigned v) { FEnabledSet = v; }
  unsigned Colored() const { return FColored; }
  void SetColored(unsigned v) { FColored = v; }
  std::vector<std::pair<UINT, LPARAM>> Presses;

  void WndProc(TMessage& message) override {
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP) Presses.emplace_back(message.Msg, message.LParam);
    TWinControl::WndProc(message);
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
    params.Style |= SS_NOTIFY;
  }

 private:
  unsigned FVisible = 0x1FF, FEnabledSet = 0x1FF, FColored = 0;
};

TBitmap overlayFace(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  TBitmap bitmap(client.right, client.bottom);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  GdiFlush();
  return bitmap;
}

TEST(MediaPlayerPainterTest, VisibleButtonsOnSkinnedFramesWithTheirGlyphs) {
  TSkinPainterList list;
  auto skin = buttonSkin();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 200);
  auto* player = new TMediaPlayerLike(&form);
  player->SetParent(&form);
  player->SetBounds(10, 10, 240, 30);
  player->SetVisible(1u << 0 | 1u << 2 | 1u << 7 | 1u << 8);  // play, stop, record, eject
  player->SetEnabled(1u << 0 | 1u << 7 | 1u << 8);            // stop does not work
  player->SetColored(1u << 0);                                // play in colour
  (void)player->Handle();
  auto* painter = new TSkinMP(player);
  painter->AttachControl(&list, skin.get(), false);
  TWMediaPlayer* overlay = painter->Overlay();
  ASSERT_NE(overlay, nullptr);
  ASSERT_TRUE(IsWindow(overlay->Handle()));
  for (int state = 0; state < 3; ++state)
    for (int button = 0; button < TWMediaPlayer::ButtonCount; ++button)
      EXPECT_FALSE(overlay->Glyph(button, static_cast<TWMediaPlayer::TGlyphState>(state)).Empty())
          << "glyph " << state << "/" << button << " is among the program's resources";

  // Four buttons, 60 pixels each.
  EXPECT_EQ(overlay->ButtonAt(10), 0);
  EXPECT_EQ(overlay->ButtonAt(70), 2);
  EXPECT_EQ(overlay->ButtonAt(130), 7);
  EXPECT_EQ(overlay->ButtonAt(239), 8);
  TBitmap pixels = overlayFace(overlay->Handle());
  EXPECT_EQ(pixels.Pixel(3, 3), rgb(Normal));
  EXPECT_EQ(pixels.Pixel(63, 3), rgb(Disabled)) << "a button the control does not enable";
  EXPECT_EQ(pixels.Pixel(29, 15), RGB(40, 150, 60)) << "play in colour";
  EXPECT_EQ(pixels.Pixel(149, 15), RGB(32, 36, 44)) << "record in the enabled glyph";
  EXPECT_EQ(pixels.Pixel(89, 15), RGB(160, 164, 172)) << "stop in the disabled glyph";

  // A press goes to the control at the same place, and shows on the pressed button.
  SendMessageW(overlay->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 12));
  EXPECT_TRUE(overlay->Pressed());
  EXPECT_EQ(overlay->PressedButton(), 8);
  pixels = overlayFace(overlay->Handle());
  EXPECT_EQ(pixels.Pixel(183, 3), rgb(Pressed));
  SendMessageW(overlay->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 12));
  EXPECT_FALSE(overlay->Pressed());
  ASSERT_EQ(player->Presses.size(), 2u);
  EXPECT_EQ(player->Presses[0].first, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(player->Presses[0].second, MAKELPARAM(200, 12));
  EXPECT_EQ(player->Presses[1].first, static_cast<UINT>(WM_LBUTTONUP));

  const HWND window = overlay->Handle();
  painter->Unskin();
  EXPECT_EQ(painter->Overlay(), nullptr);
  EXPECT_FALSE(IsWindow(window)) << "the overlay goes with the skin";
}

}  // namespace
}  // namespace velmora
