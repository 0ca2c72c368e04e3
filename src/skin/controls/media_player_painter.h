// Media player controls: TSkinMP lays TWMediaPlayer, a window of ours, over the control.
// It shows the control's visible buttons side by side on skinned button frames, each
// with its glyph from the program's resources ("EN_", "DI_" or "CL_" and the button's
// name) after the control's enabled and coloured buttons, and hands presses to the
// control, which does what the button asks.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinMP;

class TWMediaPlayer {
 public:
  static constexpr int ButtonCount = 9;
  // Which glyph a button shows.
  enum TGlyphState { gsEnabled = 0, gsDisabled = 1, gsColored = 2 };

  TWMediaPlayer(TSkinMP& owner, HWND control);
  ~TWMediaPlayer();
  TWMediaPlayer(const TWMediaPlayer&) = delete;
  TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

  HWND Handle() const { return FWindow; }
  // Covers the control's client area.
  void Align();
  bool Pressed() const { return FPressed; }
  int PressedButton() const { return FPressedButton; }
  // The button (0 play ... 8 eject) under x, or -1.
  int ButtonAt(int x) const;
  // The glyph of button `button` in `state`; empty when the program has none.
  const TBitmap& Glyph(int button, TGlyphState state) const { return FGlyphs[state][button]; }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void paint(HDC dc) const;
  // The served control's button set `name`, or every button when it has none.
  unsigned buttonSet(const char* name) const;
  // The visible buttons' places: button index and left edge, laid left to right.
  struct TPlace {
    int Button, Left, Right;
  };
  std::vector<TPlace> places() const;
  void setHot(int button);

  TSkinMP& FOwner;
  HWND FControl;
  HWND FWindow = nullptr;
  std::array<std::array<TBitmap, ButtonCount>, 3> FGlyphs;
  bool FPressed = false;
  int FPressedButton = -1;
  int FHotButton = -1;
};

class TSkinMP : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void Unskin() override;
  void SkinChanged() override;
  TWMediaPlayer* Overlay() const { return FPlayer.get(); }

 protected:
  void AfterMessage(TMessage& message) override;

 private:
  std::unique_ptr<TWMediaPlayer> FPlayer;
};

}  // namespace velmora
