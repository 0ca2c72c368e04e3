// A form carrying a small test skin whose every pixel is known: 4-pixel side borders
// with magenta outer corners, a 24-pixel title, a 4-pixel bottom, caption buttons of
// four plain-coloured frames. The skin manager is the real one.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace velmora::test {

inline constexpr COLORREF LeftActive = RGB(200, 0, 0), LeftInactive = RGB(100, 0, 0);
inline constexpr COLORREF TopActive = RGB(0, 0, 200), TopInactive = RGB(0, 0, 100);
inline constexpr COLORREF BottomActive = RGB(0, 150, 150);
inline constexpr COLORREF TitleText = RGB(255, 255, 0);
// Frames of the caption buttons: normal, pressed, hover, inactive or disabled.
inline constexpr COLORREF ButtonFrames[4] = {RGB(0, 255, 0), RGB(0, 128, 0), RGB(128, 255, 128), RGB(128, 128, 128)};

class TSkinnedTestForm : public TForm {
 public:
  explicit TSkinnedTestForm(TComponent* owner = nullptr) : TForm(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TSkinnedTestForm", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TSkinData* Skin() const { return dynamic_cast<TSkinData*>(FindComponent("skin")); }
};

// The stored form of a skinned test window (`extra` adds form properties).
std::string SkinnedFormText(const std::string& extra = {}, const std::string& skinExtra = {});

// The menu pieces of the menu test skin: MenuItem frames (normal, separator, disabled,
// selected, selected disabled) and the MenuBackground's edge and fill.
inline constexpr COLORREF MenuItemFrames[5] = {RGB(224, 232, 240), RGB(0, 160, 0), RGB(192, 192, 192),
                                               RGB(48, 80, 160), RGB(128, 128, 128)};
inline constexpr COLORREF MenuEdge = RGB(120, 0, 60), MenuFill = RGB(240, 250, 200);
inline constexpr COLORREF MenuTextColour = RGB(0, 0, 200);
// The same form with a skin that also has menu pieces.
std::string MenuSkinnedFormText(const std::string& extra = {});

class FormSkinTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes, shows and waits until the form is skinned.
  TSkinnedTestForm& ShowSkinned(const std::string& extra = {});
  // Makes, shows and waits until skinned a form of the given stored text.
  TSkinnedTestForm& ShowSkinnedText(const std::string& text);
  TSkinManage& Manager() const;
  TWinSkinForm* SkinOf(HWND window) const;
  bool WaitSkinned(HWND window) const;
  // The frame as the form skin paints it, from a memory DC of the window's size.
  COLORREF FramePixel(HWND window, int x, int y) const;
  int FrameColourCount(HWND window, const RECT& area, COLORREF colour) const;
  static void Pump(int milliseconds = 50);

  std::unique_ptr<TSkinnedTestForm> Form;
};

}  // namespace velmora::test
