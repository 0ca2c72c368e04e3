// Text and platform services the painters share: drawing a caption as UTF-16, the
// control object behind a window, and the user32 calls that older systems lack,
// looked up once by name.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

class TWinControl;

// DrawTextW with the text's length on the NT family; elsewhere the text in the ANSI
// code page through DrawTextA. Returns what the call returns.
int SkinDrawText(HDC dc, const std::wstring& text, RECT& rect, UINT flags);
// Narrow text of the system ANSI code page as UTF-16.
std::wstring AnsiToWide(const std::string& text);
// The framework control of one of our windows; null for a null or foreign window.
TWinControl* FindControlObject(HWND window);

// The optional calls: whether each was found in user32.
bool HasGetScrollBarInfo();
bool HasTrackMouseEvent();
bool HasGetComboBoxInfo();
bool HasDisableProcessWindowsGhosting();
// False when the call is missing, else whether it succeeded.
bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE when the call exists; nothing otherwise.
void SkinTrackMouseLeave(HWND window);
// Takes such a request back.
void SkinCancelMouseLeave(HWND window);
bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO& info);
void SkinDisableProcessWindowsGhosting();

// True on the NT family (the high bit of GetVersion clear).
bool IsNTFamily();

}  // namespace velmora
