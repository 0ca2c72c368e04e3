// The small windows painters lay over native parts (scroll bar overlays, the date-time
// arrow button): their window class, and the messages every one of them answers alike.
#pragma once

#include <windows.h>

#include <functional>

namespace velmora {

// Registers the class `name` with `procedure` once per process (an arrow cursor, no
// background brush: the windows paint all of themselves).
void RegisterPainterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style);

// Answers what such a window answers alike: no erasing, no activation by a click, and
// WM_PAINT and WM_PRINTCLIENT through `paint`, whose failures leave what was shown.
// True when `msg` was one of them, with its answer in `result`.
bool HandlePainterWindowMessage(HWND window, UINT msg, WPARAM wParam, const std::function<void(HDC)>& paint,
                                LRESULT& result);

}  // namespace velmora
