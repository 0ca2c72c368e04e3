// The masked edit: an edit whose text follows an edit mask (digits only, fixed
// separators, "_" for empty positions while it is edited). Leaving it after a change
// with a required position empty is refused with a beep and an error; Esc gives back
// the text it had before the change. Text put in by the program is not validated.
#pragma once

#include "framework/edit_mask.h"
#include "framework/std_controls.h"

namespace velmora {

class TMaskEdit : public TCustomEdit {
 public:
  explicit TMaskEdit(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string EditMask() const { return FMaskText; }
  void SetEditMask(const std::string& mask);
  const TEditMask& Mask() const { return FMask; }

  std::string GetText() const override;
  void SetText(const std::string& text) override;
  // What the field shows now ("_9:30:__" while edited).
  std::string EditText() const;
  bool IsModified() const { return FModified; }

  void WndProc(TMessage& message) override;

 protected:
  void InitializeWnd() override;

 private:
  void showValue(int caret);
  void userEdit(const std::string& value, int caret);
  int caret() const;
  std::pair<int, int> selection() const;
  void typeText(const std::string& text);
  void validateOnExit(HWND newFocus);

  std::string FMaskText;
  TEditMask FMask;
  std::string FValue;
  std::string FBeforeEdit;
  bool FModified = false;
  bool FUpdating = false;
  int FCaretOnFocus = 0;  // where the caret goes when the field gets the focus
};

}  // namespace velmora
