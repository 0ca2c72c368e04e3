// The masked edit.
#include "framework/mask_edit.h"

#include "framework/exception.h"

namespace velmora {

namespace {

char localeSeparator(LCTYPE type, char fallback) {
  char text[8] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof(text)) > 1 ? text[0] : fallback;
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

const TClassInfo& TMaskEdit::StaticClassInfo() {
  static const TClassInfo info{
      "TMaskEdit",
      &TCustomEdit::StaticClassInfo(),
      {props::String<TMaskEdit>("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask)},
      [](TComponent* owner) -> TComponent* { return new TMaskEdit(owner); }};
  return info;
}

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TMaskEdit::SetEditMask(const std::string& mask) {
  const std::string text = GetText();
  FMaskText = mask;
  FMask = TEditMask(mask, localeSeparator(LOCALE_STIME, ':'), localeSeparator(LOCALE_SDATE, '/'));
  if (!FMask.Empty()) SetMaxLength(FMask.Length());
  SetText(text);
}

std::string TMaskEdit::GetText() const {
  return FMask.Empty() ? TCustomEdit::GetText() : FMask.Text(FValue);
}

void TMaskEdit::SetText(const std::string& text) {
  if (FMask.Empty()) return TCustomEdit::SetText(text);
  FValue = FMask.Fit(text);
  FText = FValue;
  FModified = false;
  FBeforeEdit = FValue;
  showValue(0);
}

std::string TMaskEdit::EditText() const {
  return FMask.Empty() ? TCustomEdit::GetText() : (Focused() ? FMask.Display(FValue) : FValue);
}

void TMaskEdit::InitializeWnd() {
  TCustomEdit::InitializeWnd();
  if (!FMask.Empty()) showValue(0);
}

void TMaskEdit::showValue(int caretAt) {
  if (!FHandle) return;
  FUpdating = true;
  const std::string shown = EditText();
  TMessage set{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()), 0};
  DefaultHandler(set);
  SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(caretAt), caretAt);
  FUpdating = false;
}

void TMaskEdit::userEdit(const std::string& value, int caretAt) {
  if (value != FValue) {
    FValue = value;
    FText = value;
    FModified = true;
    showValue(caretAt);
    Change();
  } else {
    SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(caretAt), caretAt);
  }
}

std::pair<int, int> TMaskEdit::selection() const {
  DWORD start = 0, end = 0;
  SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

int TMaskEdit::caret() const { return selection().first; }

void TMaskEdit::typeText(const std::string& text) {
  auto [from, to] = selection();
  std::string value = FValue;
  int at = from;
  if (from != to) at = FMask.Clear(value, from, to, false);
  for (char c : text) {
    const int next = FMask.TypeDigit(value, at, c);
    if (next < 0) {
      MessageBeep(0);
      break;
    }
    at = next;
  }
  userEdit(value, at);
}

// Leaving for another control of the same window after a change, with a required
// position empty: beep, take the focus back with the caret at the gap, and say why.
// Leaving the window (another program, a message box) is no focus change here.
void TMaskEdit::validateOnExit(HWND newFocus) {
  if (!FModified || FMask.FirstMissing(FValue) < 0 || !newFocus) return;
  // The window itself taking the focus back on activation is no move either.
  HWND top = GetAncestor(FHandle, GA_ROOT);
  if (!IsChild(top, newFocus)) return;
  MessageBeep(0);
  FCaretOnFocus = FMask.FirstMissing(FValue);
  ::SetFocus(FHandle);
  throw Exception("Invalid input value.  Use escape key to abandon changes");
}

void TMaskEdit::WndProc(TMessage& message) {
  if (FMask.Empty() || !FHandle) return TCustomEdit::WndProc(message);
  switch (message.Msg) {
    case WM_CHAR: {
      const char c = static_cast<char>(message.WParam);
      if (c == VK_BACK) {
        auto [from, to] = selection();
        std::string value = FValue;
        const int at = FMask.Clear(value, from, to, true);
        return userEdit(value, at);
      }
      if (c == 27) return;                    // Esc: handled on key down
      if (c == 22) return typeText(clipboardText());  // Ctrl+V
      if (c == 24) {                          // Ctrl+X
        SendMessageA(FHandle, WM_CUT, 0, 0);
        return;
      }
      if (static_cast<unsigned char>(c) < 32) return TCustomEdit::WndProc(message);
      return typeText(std::string(1, c));
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_DELETE) {
        auto [from, to] = selection();
        std::string value = FValue;
        const int at = FMask.Clear(value, from, to, false);
        return userEdit(value, at);
      }
      if (message.WParam == VK_ESCAPE) {
        if (FModified) {
          FValue = FBeforeEdit;
          FText = FValue;
          FModified = false;
          showValue(0);
          Change();
        }
        return;
      }
      break;
    case WM_GETDLGCODE: {
      TCustomEdit::WndProc(message);
      auto* msg = reinterpret_cast<MSG*>(message.LParam);
      if (msg && FModified && msg->wParam == VK_ESCAPE &&
          (msg->message == WM_KEYDOWN || msg->message == WM_CHAR))
        message.Result |= DLGC_WANTMESSAGE;
      return;
    }
    case WM_PASTE:
      return typeText(clipboardText());
    case WM_CLEAR:
    case WM_CUT: {
      auto [from, to] = selection();
      if (message.Msg == WM_CUT && from != to) {
        TMessage copy{WM_COPY, 0, 0, 0};
        DefaultHandler(copy);
      }
      std::string value = FValue;
      const int at = FMask.Clear(value, from, to, false);
      return userEdit(value, at);
    }
    case WM_SETTEXT:
      // Text from outside goes through the mask like the program's own.
      if (!FUpdating) {
        SetText(reinterpret_cast<const char*>(message.LParam));
        message.Result = TRUE;
        return;
      }
      break;
    case WM_SETFOCUS:
      TCustomEdit::WndProc(message);
      if (!FModified) FBeforeEdit = FValue;
      showValue(FCaretOnFocus);
      return;
    case WM_KILLFOCUS: {
      TCustomEdit::WndProc(message);
      FCaretOnFocus = caret();
      showValue(0);
      validateOnExit(reinterpret_cast<HWND>(message.WParam));
      return;
    }
    case CN_COMMAND:
      if (FUpdating) return;
      break;
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace velmora
