// The standard controls the program's window is made of: push button, check box,
// edit, group box and label. The windowed ones superclass the system's classes.
#pragma once

#include "framework/win_control.h"

namespace velmora {

// Push buttons and check boxes: a click arrives as BN_CLICKED, reflected to the
// control. A press whose focus change was refused (a field that would not let the
// focus go) must not turn into a click.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void WndProc(TMessage& message) override;

 private:
  bool FPressRefused = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The default button takes Enter in its window (the form answers DM_GETDEFID).
  bool Default() const { return FDefault; }
  void SetDefault(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool FDefault = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Checked() const { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
};

// The sunken edge of edits and lists: "BorderStyle".
enum class TControlBorderStyle { bsNone, bsSingle };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int n);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  int PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(int c);
  TControlBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TControlBorderStyle style);
  bool Modified() const;
  void SetModified(bool v);
  int SelStart() const;
  void SetSelStart(int position);
  void SetSelLength(int length);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  virtual void Change();

 private:
  int FMaxLength = 0;
  bool FReadOnly = false;
  int FPasswordChar = 0;
  TControlBorderStyle FBorderStyle = TControlBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The system's group box leaves its inside to the parent, which clips its children:
  // the group box fills it with its own colour.
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);

  void PaintOn(HDC dc) override;

 protected:
  void TextChanged() override;
  void FontChanged() override;

 private:
  void adjustSize();
  bool FAutoSize = true;
  bool FTransparent = false;
};

// Registers the standard controls' classes for stored forms.
void RegisterStandardControls();

}  // namespace velmora
