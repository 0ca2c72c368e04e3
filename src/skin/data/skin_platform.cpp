// Shared text and platform services of the skin.
#include "skin/data/skin_platform.h"

#include "framework/module_procedure.h"
#include "framework/win_control.h"
#include "framework/win_string.h"

namespace velmora {
namespace {

using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using DisableGhostingProc = void(WINAPI*)();

// user32 stays loaded while the program runs; its calls are looked up once.
class TUser32Calls {
 public:
  TUser32Calls() : FLibrary(LoadLibraryA("user32.dll")) {
    GetScrollBarInfo = ProcedureOf<GetScrollBarInfoProc>(FLibrary, "GetScrollBarInfo");
    TrackMouseEvent = ProcedureOf<TrackMouseEventProc>(FLibrary, "TrackMouseEvent");
    GetComboBoxInfo = ProcedureOf<GetComboBoxInfoProc>(FLibrary, "GetComboBoxInfo");
    DisableGhosting = ProcedureOf<DisableGhostingProc>(FLibrary, "DisableProcessWindowsGhosting");
  }
  ~TUser32Calls() {
    if (FLibrary) FreeLibrary(FLibrary);
  }
  TUser32Calls(const TUser32Calls&) = delete;
  TUser32Calls& operator=(const TUser32Calls&) = delete;

  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;
  GetComboBoxInfoProc GetComboBoxInfo = nullptr;
  DisableGhostingProc DisableGhosting = nullptr;

 private:
  HMODULE FLibrary;
};

const TUser32Calls& user32() {
  static const TUser32Calls calls;
  return calls;
}

}  // namespace

bool IsNTFamily() { return (GetVersion() & 0x80000000u) == 0; }

int SkinDrawText(HDC dc, const std::wstring& text, RECT& rect, UINT flags) {
  if (IsNTFamily()) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  std::string narrow = WideToAnsiText(text);
  return DrawTextA(dc, narrow.c_str(), -1, &rect, flags);
}

std::wstring AnsiToWide(const std::string& text) { return AnsiToWideText(text); }

TWinControl* FindControlObject(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropA(window, TWinControl::ControlAtomName().c_str()));
}

bool HasGetScrollBarInfo() { return user32().GetScrollBarInfo != nullptr; }
bool HasTrackMouseEvent() { return user32().TrackMouseEvent != nullptr; }
bool HasGetComboBoxInfo() { return user32().GetComboBoxInfo != nullptr; }
bool HasDisableProcessWindowsGhosting() { return user32().DisableGhosting != nullptr; }

bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
  if (!user32().GetScrollBarInfo) return false;
  info.cbSize = sizeof info;
  return user32().GetScrollBarInfo(window, objectId, &info) != FALSE;
}

void SkinTrackMouseLeave(HWND window) {
  if (!user32().TrackMouseEvent) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  user32().TrackMouseEvent(&track);
}

void SkinCancelMouseLeave(HWND window) {
  if (!user32().TrackMouseEvent) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE | TME_CANCEL;
  track.hwndTrack = window;
  user32().TrackMouseEvent(&track);
}

bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO& info) {
  if (!user32().GetComboBoxInfo) return false;
  info.cbSize = sizeof info;
  return user32().GetComboBoxInfo(window, &info) != FALSE;
}

void SkinDisableProcessWindowsGhosting() {
  if (user32().DisableGhosting) user32().DisableGhosting();
}

}  // namespace velmora
