// Forms: top-level windows restored from their stored definition. A form's class
// publishes its event handlers by name so the stored definition can bind them
// ("OnClick = btn3Click").
#pragma once

#include <any>
#include <map>
#include <string>
#include <string_view>

#include "framework/win_control.h"

namespace velmora {

class TButton;

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObjectSender sender, TCloseAction& action)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Restores the form from its stored text: components created by class name, their
  // properties set by name, handlers bound by name; Loaded, then OnCreate.
  void LoadFromDefinition(std::string_view text);

  // A handler the stored definition may name.
  void RegisterMethod(const std::string& name, std::any handler);
  const std::any* FindMethod(const std::string& name) const;

  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition p) { FPosition = p; }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle s) { FBorderStyle = s; }
  unsigned BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(unsigned icons) { FBorderIcons = icons; }
  int ClientWidthProp() const { return ClientWidth(); }
  void SetClientWidth(int width);
  int ClientHeightProp() const { return ClientHeight(); }
  void SetClientHeight(int height);
  // Scroll bars when the controls do not fit; this framework's forms never scroll, the
  // property is kept for code that switches it off.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool v) { FAutoScroll = v; }
  // The form's main menu component, or null.
  TComponent* Menu() const { return FMenu; }
  void SetMenu(TComponent* menu) { FMenu = menu; }

  void Show();
  void Hide();
  void Close();
  // Brings the form forward and gives it the focus.
  void BringToFront();

  // The button that Enter presses.
  TButton* DefaultButton() const;

  // Keyboard navigation for a message of this form's thread (Tab, Enter, Esc,
  // arrows); true when the dialog manager took it.
  bool IsDialogKeyMessage(MSG& msg);
  // Alt with a letter in the form (WM_SYSCHAR) is offered to the form as CM_DIALOGCHAR
  // first; true when it was taken.
  bool IsDialogCharMessage(const MSG& msg);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void VisibleChanged() override;
  void Loaded() override;
  void ChildFocused(HWND child) override { FLastFocus = child; }
  virtual void DoCreate();

 private:
  void centerOnScreen();

  std::map<std::string, std::any> FMethods;
  TWindowState FWindowState = TWindowState::wsNormal;
  TPosition FPosition = TPosition::poDesigned;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  int FWantedClientWidth = -1, FWantedClientHeight = -1;
  bool FShownOnce = false;
  bool FAutoScroll = true;
  TComponent* FMenu = nullptr;
  HWND FLastFocus = nullptr;
};

}  // namespace velmora
