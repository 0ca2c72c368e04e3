// Non-client objects: everything clickable in a skinned frame. They share the normal /
// hover / pressed state machine and the hand-over of the "hot" object inside their form
// skin; caption buttons add their skin element, their visibility and their drawing.
#pragma once

#include <windows.h>

#include "skin/data/skin_records.h"

namespace velmora {

class TWinSkinForm;

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

}  // namespace velmora
