// The rules of a skinned frame as plain values.
#include "skin/forms/frame_rules.h"

namespace velmora {

int BorderKindOf(DWORD style, DWORD exStyle, bool dialogBox) {
  int kind = bkSingle;
  if ((style & WS_CAPTION) == WS_CAPTION)
    kind = (style & WS_THICKFRAME) ? bkSizeable : (style & 0x80) ? bkDialog : bkSingle;
  else
    kind = bkNone;
  if (exStyle & WS_EX_DLGMODALFRAME) kind = bkDialog;
  if (dialogBox) kind = bkDialog;
  return kind;
}

unsigned BorderIconsOf(DWORD style, DWORD exStyle, bool hasSystemMenu, const TPlatformVersion& version,
                       bool hasOwner, bool mdiChild) {
  unsigned icons = 0;
  if (style & WS_MAXIMIZEBOX) icons |= sbiMaximize;
  if (style & WS_MINIMIZEBOX) icons |= sbiMinimize;
  if (exStyle & WS_EX_CONTEXTHELP) icons |= sbiHelp;
  if ((style & WS_SYSMENU) || hasSystemMenu) icons |= sbiSystemMenu;
  if (version.Major >= 5 && version.Minor == 0 &&
      ((version.NT && (exStyle & WS_EX_APPWINDOW)) || (!hasOwner && !mdiChild)))
    icons |= sbiKeepSystemMenu;
  return icons;
}

int SizeStateFromShowCommand(UINT showCommand) {
  if (showCommand == SW_SHOWMAXIMIZED) return ssMaximized;
  if (showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINNOACTIVE)
    return ssMinimized;
  return ssNormal;
}

int SizeStateFromSizeCode(WPARAM code) {
  if (code == SIZE_MAXIMIZED) return ssMaximized;
  if (code == SIZE_MINIMIZED) return ssMinimized;
  return ssNormal;
}

int FrameThickness(int extent, int frameCount) { return extent / (frameCount > 0 ? frameCount : 1); }

TFrameMetrics FrameMetricsOf(const TSkinRecords& records, int borderKind, int menuHeight) {
  TFrameMetrics m;
  if (borderKind == bkNone) return m;
  if (records.BorderLeft) m.Left = FrameThickness(records.BorderLeft->Map.Width(), records.BorderLeft->Frame);
  if (records.BorderTop) m.Top = FrameThickness(records.BorderTop->Map.Height(), records.BorderTop->Frame);
  if (records.BorderRight) m.Right = FrameThickness(records.BorderRight->Map.Width(), records.BorderRight->Frame);
  if (records.BorderBottom)
    m.Bottom = FrameThickness(records.BorderBottom->Map.Height(), records.BorderBottom->Frame);
  m.MenuHeight = menuHeight;
  return m;
}

RECT SkinClientRect(const RECT& window, const TFrameMetrics& m) {
  return {window.left + m.Left, window.top + m.Top + m.MenuHeight, window.right - m.Right, window.bottom - m.Bottom};
}

LRESULT SkinHitTest(LRESULT systemCode, POINT p, const TFrameMetrics& m, bool hasMenuBar) {
  if (systemCode != HTNOWHERE && systemCode != HTCAPTION) return systemCode;
  if (p.y <= 3) return systemCode;
  return hasMenuBar && p.y > m.Top ? HTMENU : HTCAPTION;
}

namespace {

bool hasMinOrMax(unsigned icons) { return icons & (sbiMinimize | sbiMaximize); }

}  // namespace

bool VisibilityHolds(int code, bool first, const TButtonContext& c, const TAskButtonVisible& ask) {
  if (code == 0) return true;
  if (code == 1) return c.Maximized;
  if (code == 2) return !c.Maximized;
  if (code == 3) return c.Active;
  if (code == 4) return !c.Active;
  if (code == 6 || code == 8)
    return first ? hasMinOrMax(c.Icons) && (c.Icons & sbiSystemMenu) : hasMinOrMax(c.Icons);
  if (code == 7) return !(c.Icons & sbiMaximize);
  if (code == 9) return !(c.Icons & sbiMinimize);
  if (code == 10) return first ? (c.Icons & sbiHelp) && !hasMinOrMax(c.Icons) : (c.Icons & sbiHelp) != 0;
  if (code == 100) return first ? c.MDIMainWithMaximizedChild : true;
  if (code == 200) return c.BorderKind == bkDialog && !c.DialogBox;
  if (code > 200 && code < 1000) return true;
  if (code >= 1000 && code <= 2000) return first ? (ask && ask(code, 0)) : true;
  return false;  // 5, 11 to 99, and anything else
}

TButtonShown ButtonShown(const TDataSkinSysButton& b, const TButtonContext& c, const TAskButtonVisible& ask) {
  TButtonShown shown;
  const TAskButtonVisible askWithAction = [&](int code, int) { return ask && ask(code, b.Action); };
  shown.Visible = VisibilityHolds(b.Visibility, true, c, askWithAction) &&
                  VisibilityHolds(b.Visibility1, false, c, askWithAction);
  switch (b.Action) {
    case 0:
      if (!(c.Icons & sbiSystemMenu)) shown.Visible = false;
      break;
    case 1: shown.Enabled = (c.Icons & sbiMaximize) && (c.Icons & sbiSystemMenu); break;
    case 2: shown.Enabled = (c.Icons & sbiMinimize) && (c.Icons & sbiSystemMenu); break;
    case 3:
    case 11:
    case 12:
      if (c.BorderKind == bkDialog) shown.Visible = false;
      break;
    default: break;
  }
  return shown;
}

SIZE ButtonSize(const TDataSkinSysButton& b) {
  if (b.Map.Empty()) return {0, 0};
  return {b.Map.Width() / (b.Frame > 0 ? b.Frame : 1), b.Map.Height()};
}

RECT ButtonRect(SIZE size, int align, int x, int y, const TButtonLayoutContext& c) {
  int left = 0, top = 0;
  switch (align) {
    case 0: left = x, top = y; break;
    case 1: left = c.WindowWidth - x, top = y; break;
    case 2:
    case 8: left = c.CaptionRect.left - size.cx - x, top = y; break;
    case 3:
    case 9: left = c.CaptionRect.right + x, top = y; break;
    case 100:
      left = c.WindowWidth - x - c.Metrics.Right - (c.MenuBarLeftWidth >= 0 ? c.MenuBarLeftWidth : 0);
      top = c.Metrics.Top + (c.Metrics.MenuHeight - size.cy) / 2;
      break;
    default: break;
  }
  return {left, top, left + size.cx, top + size.cy};
}

namespace {

int withinStrip(int index, int frameCount) { return index >= 1 && index <= (frameCount > 0 ? frameCount : 1) ? index : 1; }

}  // namespace

int TitleButtonFrame(bool active, bool enabled, int frameCount) {
  if (frameCount < 4) return 1;
  return withinStrip(active && enabled ? 1 : 4, frameCount);
}

int DirectButtonFrame(int state, bool enabled, bool menuBarButton, int frameCount) {
  int index = state;
  if (!enabled || (menuBarButton && state == 3)) index = frameCount < 4 ? 1 : 4;
  return withinStrip(index, frameCount);
}

}  // namespace velmora
