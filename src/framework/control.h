// Controls: the visual components of a form. A control has a parent (a windowed
// control), a position, a caption, enabled and visible states, a font and click
// events. Every message reaches a control through its WindowProc, a replaceable
// callable: a painter saves it, puts its own in front, and puts it back.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/font.h"

namespace velmora {

class TWinControl;

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
};
using TWndMethod = std::function<void(TMessage&)>;

// Notifications a parent receives from a child window are reflected to the child's
// control as CN_BASE + the message.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

// Colours are COLORREFs; with the top bit set, the low byte is a system colour index.
inline constexpr COLORREF clSystemColor = 0x80000000u;
inline constexpr COLORREF clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr COLORREF clWindow = clSystemColor | COLOR_WINDOW;
inline constexpr COLORREF clWindowText = clSystemColor | COLOR_WINDOWTEXT;
COLORREF ColorToRGB(COLORREF color);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;
using TMouseEvent = std::function<void(TObjectSender, TMouseButton, TShiftState, int x, int y)>;
// The shift state of a mouse message's key flags (MK_*).
TShiftState ShiftStateFromKeys(WPARAM keys);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  std::string Text() const { return GetText(); }
  void SetTextProp(const std::string& text) { SetText(text); }
  virtual std::string GetText() const { return FText; }
  virtual void SetText(const std::string& text);

  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  // Visible here and in every parent up to a shown window.
  bool Showing() const;

  COLORREF Color() const { return FColor; }
  void SetColor(COLORREF color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* font);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);

  std::string Hint() const { return FHint; }
  void SetHint(const std::string& hint) { FHint = hint; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;

  // The message entry of this control: replaceable, and WndProc by default.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message) { (void)message; }

  virtual void Click();
  virtual void DblClick();
  // A mouse button went down over the control (client coordinates).
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Invalidate();
  // Paints a control without a window of its own onto its parent's DC (client
  // coordinates of the parent).
  virtual void PaintOn(HDC dc) { (void)dc; }
  virtual bool IsWindowed() const { return false; }

 protected:
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged();
  virtual void BoundsChanged() {}
  // The parent's font or colour changed: follow it where we share it.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();

  friend class TWinControl;
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  std::string FText;
  bool FEnabled = true;
  bool FVisible = true;
  COLORREF FColor = clBtnFace;
  bool FParentColor = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  std::string FHint;
};

// Calls the control's MouseDown for a button-down message (client coordinates in lParam);
// other messages are ignored.
void RaiseMouseDown(TControl& control, const TMessage& message);

// A control drawn by its parent, without a window of its own.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Invalidate() override;
  // WM_PAINT with a DC whose origin is this control's top-left paints it; a press
  // released over it clicks it. The parent sends both.
  void WndProc(TMessage& message) override;

 private:
  bool FMousePressed = false;
};

}  // namespace velmora
