// TSkinControl: the base of every control painter. A painter takes over the painting of
// one control of a skinned form: it puts its message entry in front of the control's
// (a framework control's replaceable WindowProc, or a bare window's procedure through
// the one subclassing mechanism), lets the control do its own work where that is
// harmless and draws the face from the skin. Its owner is the served control, so it
// dies with it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/control_proc_layer.h"
#include "framework/window_subclass.h"
#include "skin/controls/face_buffer.h"
#include "skin/data/skin_data.h"

namespace velmora {

class TSkinControl;

// The painters of one skinned form; the form's skinning object owns it. A painter adds
// itself when attached and takes itself out when freed.
class TSkinPainterList {
 public:
  void Add(TSkinControl* painter);
  void Remove(TSkinControl* painter);
  const std::vector<TSkinControl*>& Painters() const { return FPainters; }

 private:
  std::vector<TSkinControl*> FPainters;
};

// A window style bit a painter adds while it serves the window, when the window did
// not have it of its own; taken away again when the painter lets the window go.
class TAddedStyle {
 public:
  void Add(HWND window, LONG_PTR bit);
  // Nothing is changed on a window that is being destroyed.
  void Remove(bool windowDestroyed);

 private:
  HWND FWindow = nullptr;
  LONG_PTR FBit = 0;
};

enum TPainterStatus { psCreated = 0, psAttached = 1, psUnskinned = 2, psWindowDestroyed = 6 };

class TSkinControl : public TComponent {
 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  // Serves the owner, a framework control.
  virtual void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor);
  // Serves a bare window of a standard class.
  virtual void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin);
  // Undoes what attaching changed on the control.
  virtual void Unskin();
  virtual void SkinChanged();

  // Repaints the served control now.
  void Refresh();
  // The skin into `dc`, or into the window DC when it is null.
  virtual void PaintSkin(HDC dc);

  bool HotState = false;
  bool PressedState = false;
  bool Active() const { return FActive; }
  int Status() const { return FStatus; }
  HWND Handle() const { return FHandle; }
  TControl* Control() const { return FControl; }
  TSkinData* SkinData() const { return FSkinData; }
  // The window rectangle (screen) at the last paint.
  const RECT& WindowRect() const { return FWindowRect; }
  int BackgroundMode = 0;

 protected:
  // True: pass the message on, then AfterMessage.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // The whole face into `dc` within `rect` (window coordinates from 0,0).
  virtual void DrawSkin(HDC dc, const RECT& rect) {
    (void)dc, (void)rect;
  }

  void CallDefault(TMessage& message);
  // Whether this painter still exists after a call that may have freed it.
  std::shared_ptr<bool> AliveToken() const { return FAlive; }

  // Helpers shared by the painters.
  static void FillColor(HDC dc, const RECT& rect, COLORREF color);
  // A one-pixel line around `rect` in `color`.
  static void FrameColor(HDC dc, const RECT& rect, COLORREF color);
  void FillSkinColor(HDC dc, const RECT& rect) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  void PaintFull(TMessage& message);
  // For a painter that draws the whole face while `drawn`: WM_PAINT through PaintFull and
  // WM_ERASEBKGND answered 1, each taken (false); any other message, or any message
  // while not drawn, goes on (true).
  bool TakePaintAndErase(TMessage& message, bool drawn);
  void EraseWithParent(TMessage& message);
  void DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& element) const;
  UINT AddReadingOrder(UINT flags) const;
  void DrawCaptionFocus(HDC dc, UINT flags, const RECT& rect) const;
  // One line of text in `area`, transparent, centred vertically (one pixel high of the
  // middle) and, with DT_CENTER, horizontally; in the button-shadow colour when the
  // control is disabled, else in the DC's text colour.
  void DrawCentredText(HDC dc, const RECT& area, const std::wstring& text, UINT alignment) const;
  // The served control's mouse-down handler for a left press the window never sees.
  void ForwardMouseDown(const TMessage& message) const;
  static std::wstring ReadWindowText(HWND handle);
  LONG_PTR WindowLong(int index) const;
  void SendMouseLeave() const;
  // The skin's background colour as RGB.
  COLORREF SkinFaceColor() const;
  // Switches the control's "ParentBackground" off (remembering it) or back on.
  void switchParentBackground(bool on);

  bool FEnabled = true;
  bool FFocused = false;
  std::wstring FCaption;
  bool FUnicode = false;
  HWND FHandle = nullptr;
  TControl* FControl = nullptr;
  TControl* FGraphicControl = nullptr;
  TSkinData* FSkinData = nullptr;
  TSkinPainterList* FFormSkin = nullptr;
  RECT FWindowRect{};
  bool FChangeColor = false;
  COLORREF FSavedColor = 0;
  bool FAttached = false;
  int FStatus = psCreated;
  bool FParentBackgroundWasOn = false;
  // The off-screen face of painters that compose the whole control before showing it.
  TFaceBuffer FFace;

 private:
  void messageEntry(TMessage& message);

  bool FActive = true;

 protected:
  // Puts the painter's message entry in front of `control`'s.
  void hookControl(TControl& control);
  // Gives the served control its own entry back (while ours is still in front).
  void unhookControl();

 private:
  TControlProcLayer FControlLayer;
  TWindowSubclass FSubclass;
  const TSubclassNext* FNext = nullptr;  // the layer below, while a bare window's message runs
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace velmora
