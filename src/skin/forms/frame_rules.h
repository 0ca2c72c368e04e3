// The rules of a skinned frame as plain values: the window's border kind, caption icons
// and size state read from its styles, the frame thickness a skin gives, the client
// rectangle and hit-test codes that follow from it, and when and where a caption button
// shows. No window is needed to ask them.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/data/skin_records_set.h"

namespace velmora {

// How the frame is drawn: sizeable, single, none (no full caption), dialog.
enum TSkinBorderKind { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };

// The caption icons a window has.
enum TSkinBorderIcon : unsigned {
  sbiMaximize = 1,
  sbiMinimize = 2,
  sbiHelp = 4,
  sbiSystemMenu = 8,
  sbiKeepSystemMenu = 16,  // the system-menu style bit is left alone
};

enum TSkinSizeState { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };

int BorderKindOf(DWORD style, DWORD exStyle, bool dialogBox);

struct TPlatformVersion {
  int Major = 6, Minor = 1;
  bool NT = true;
};
unsigned BorderIconsOf(DWORD style, DWORD exStyle, bool hasSystemMenu, const TPlatformVersion& version,
                       bool hasOwner, bool mdiChild);

// From a placement's show command, and from WM_SIZE's code.
int SizeStateFromShowCommand(UINT showCommand);
int SizeStateFromSizeCode(WPARAM code);

// Thickness of the skinned frame and the menu bar under the title.
struct TFrameMetrics {
  int Left = 0, Top = 0, Right = 0, Bottom = 0, MenuHeight = 0;
};

// A strip's extent divided by its frame count; a count of 0 or below counts as 1.
int FrameThickness(int extent, int frameCount);
// Borders from the skin's four border elements (none for a window without border).
TFrameMetrics FrameMetricsOf(const TSkinRecords& records, int borderKind, int menuHeight);

// The client rectangle inside the window rectangle (both in the same coordinates).
RECT SkinClientRect(const RECT& window, const TFrameMetrics& metrics);
// The hit-test code of a point in window coordinates, given the system's own answer:
// nowhere and caption below the top 3 pixels become caption, or menu below the title
// when there is a menu bar; everything else keeps the system's answer.
LRESULT SkinHitTest(LRESULT systemCode, POINT windowPoint, const TFrameMetrics& metrics, bool hasMenuBar);

// What decides whether a caption button shows.
struct TButtonContext {
  bool Maximized = false;
  bool Active = true;
  unsigned Icons = 0;  // TSkinBorderIcon bits
  bool MDIMainWithMaximizedChild = false;
  int BorderKind = bkSizeable;
  bool DialogBox = false;
};
// Asks the window about an application-defined visibility code (1000 to 2000).
using TAskButtonVisible = std::function<bool(int code, int action)>;

bool VisibilityHolds(int code, bool firstCondition, const TButtonContext& context, const TAskButtonVisible& ask);

struct TButtonShown {
  bool Visible = false;
  bool Enabled = true;
};
TButtonShown ButtonShown(const TDataSkinSysButton& button, const TButtonContext& context,
                         const TAskButtonVisible& ask);

// Where the buttons of one window go.
struct TButtonLayoutContext {
  int WindowWidth = 0;
  RECT CaptionRect{};
  TFrameMetrics Metrics;
  int MenuBarLeftWidth = -1;  // the menu bar element's LeftWidth, -1 without one
};
SIZE ButtonSize(const TDataSkinSysButton& button);
RECT ButtonRect(SIZE size, int align, int x, int y, const TButtonLayoutContext& context);

// The frame a caption button is drawn with. In the title bar: 1 active, 4 inactive or
// disabled. Directly: its state (1 normal, 2 pressed, 3 hover), 4 when disabled or a
// menu-bar button in hover. Strips of fewer than 4 frames use 1 instead of 4, and a
// frame beyond the strip falls back to 1.
int TitleButtonFrame(bool active, bool enabled, int frameCount);
int DirectButtonFrame(int state, bool enabled, bool menuBarButton, int frameCount);

}  // namespace velmora
