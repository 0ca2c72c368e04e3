// Windowed controls: a control with a window of its own. Standard controls are
// superclassed: the framework registers a window class named after the control's class
// ("TButton" over "BUTTON") whose procedure leads every message through the control's
// WindowProc before the original class procedure; the form's own class ("TForm1") has
// DefWindowProc below it. The object is reached through GWLP_USERDATA, set at
// WM_NCCREATE from the creation parameter.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/control.h"

namespace velmora {

struct TCreateParams {
  std::string WinClassName;   // the class registered for this control
  std::string BaseClassName;  // superclassed standard class, empty for our own windows
  UINT ClassStyle = CS_DBLCLKS;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  HMENU Id = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool IsWindowed() const override { return true; }

  // The window, made on first use (with the parents' windows before it).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  HWND WindowHandle() const { return FHandle; }  // without making it
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  // Makes the window again, for a style only creation sets; its text goes over. Whoever
  // stands in the control's message entry sees CM_RECREATEWND go by, the new window
  // made when it returns. For controls without windowed children (edits, lists).
  void RecreateWnd();

  // The control of one of our windows, or null for any other window.
  static TWinControl* FromHandle(HWND window);
  // The name of the window property under which every window of ours carries its
  // control: "ControlOfs" with the module handle and the thread id, eight hex digits each.
  static std::string ControlAtomName();

  const std::vector<TControl*>& Controls() const { return FControls; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  TControl* FindChildControl(const std::string& name) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v);
  // Windowed children in tab order.
  std::vector<TWinControl*> TabList() const;

  void SetFocus();
  bool Focused() const;
  bool CanFocus() const;

  void SetBounds(int left, int top, int width, int height) override;
  std::string GetText() const override;
  void SetText(const std::string& text) override;
  void Invalidate() override;

  int ClientWidth() const;
  int ClientHeight() const;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  // After the window exists: font, text and children follow.
  virtual void InitializeWnd();

  void FontChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  void ColorChanged() override;

  // A window of ours inside this top-level window got the focus.
  virtual void ChildFocused(HWND child) { (void)child; }

  // Colours of WM_CTLCOLOR*: text in our font colour, background in our colour.
  virtual void CtlColor(TMessage& message);
  // Paints the controls without a window that sit on this one.
  void PaintGraphicControls(HDC dc);
  void updateTabOrder();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  bool FTabStop = false;
  int FTabOrder = -1;  // wanted order until the parent sorts its children
  GdiBrush FBrush;     // background for WM_CTLCOLOR*

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void reflect(TMessage& message, HWND child);
  // Mouse messages over a control without a window go to that control (in its own
  // coordinates); true when one took the message.
  bool routeMouse(TMessage& message);
  TControl* graphicControlAt(POINT point) const;
  void setMouseControl(TControl* control);
  int FNesting = 0;  // messages of this window being handled
  TControl* FMouseControl = nullptr;    // the window-less control under the mouse
  TControl* FCaptureControl = nullptr;  // the one a button press went to
};

// Registers (once) the class that superclasses `base` under `name`, or our own class
// with DefWindowProc below it when `base` is empty; returns the procedure below ours.
WNDPROC RegisterControlClass(const std::string& name, const std::string& base, UINT classStyle);

}  // namespace velmora
