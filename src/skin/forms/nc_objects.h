// Non-client objects: everything clickable in a skinned frame. They share the normal /
// hover / pressed state machine and the hand-over of the "hot" object inside their form
// skin; caption buttons add their skin element, their visibility and their drawing.
#pragma once

#include <windows.h>

#include <string>

#include "skin/data/skin_records.h"

namespace velmora {

class TMenuItem;
class TWinSkinForm;
class TWinSkinMenu;

enum TNCState { ncNormal = 1, ncPressed = 2, ncHover = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* owner) : FOwner(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* Owner() const { return FOwner; }
  const RECT& Rect() const { return FRect; }
  void SetRect(const RECT& r) { FRect = r; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  int State() const { return FState; }

 protected:
  TWinSkinForm* FOwner;
  RECT FRect{};
  bool FVisible = false;
  int FState = ncNormal;
};

// One caption button described by the skin.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* owner, const TDataSkinSysButton* data) : TNCObject(owner), FData(data) {}

  const TDataSkinSysButton& Data() const { return *FData; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }
  // Frames of its strip (a window-icon button shows one).
  int FrameCount() const;
  bool IsIconButton() const { return FData->Action == 3 || FData->Action == 11; }

  // Draws the button in its state into the window.
  void Paint() override;
  // Draws the button with frame `index` at its place in `dc` (window coordinates moved
  // by `origin`).
  void Draw(HDC dc, int frameIndex, POINT origin = {0, 0}) const;

 private:
  const TDataSkinSysButton* FData;
  bool FEnabled = true;
};

// One top-level item of a skinned menu bar: its caption, its command and the drop-down
// it opens (none for an item that is a command of its own).
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* owner, TWinSkinMenu* bar, int index) : TNCObject(owner), FBar(bar), FIndex(index) {}

  // The item's place in the bar, drawn over the bar's background in its state.
  void Paint() override;

  int Index() const { return FIndex; }
  TMenuItem* Item() const { return FItem; }
  const std::string& Caption() const { return FCaption; }
  bool Enabled() const { return FEnabled; }
  HMENU SubMenu() const { return FSubMenu; }
  UINT Command() const { return FCommand; }

 private:
  friend class TWinSkinMenu;
  TWinSkinMenu* FBar;
  int FIndex;
  TMenuItem* FItem = nullptr;
  std::string FCaption;
  bool FEnabled = true;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
  int FTextWidth = 0;  // of the caption in the menu font
};

}  // namespace velmora
