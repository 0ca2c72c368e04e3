// TWScrollbar: a small window of ours laid exactly over one native scroll bar of a host
// window. It draws the skinned arrows, track and thumb from the native bar's geometry
// and hands every press to the native bar underneath, so the system's own scrolling
// loop does the work (auto-repeat included) while the overlay shows it.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/scrollbar_drawing.h"
#include "skin/controls/scrollbar_geometry.h"

namespace velmora {

class TSkinControl;
class TSkinData;

// Which bar of the host the overlay covers: one of its window bars, or the whole host
// when the host is a scroll bar control.
enum TOverlaySource : unsigned char { osHorizontal = 0, osVertical = 1, osControl = 2 };

// What the native bar looks like now: its rectangle on screen, the thumb in bar
// coordinates, enabled and visible.
struct TNativeBar {
  RECT Screen{};
  TThumbSpan Thumb;
  bool Visible = false;
  bool Enabled = true;
  bool operator==(const TNativeBar& other) const;
};

class TWScrollbar : public std::enable_shared_from_this<TWScrollbar> {
 public:
  // The overlay reads the skin from `data`; it exists (hidden) from here on.
  static std::shared_ptr<TWScrollbar> Create(TSkinData* data);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Covers `source` of `host`, a child window; then Reposition.
  void Attach(HWND host, TOverlaySource source);
  // Follows the native bar: shown over it when it is visible, hidden when it is not.
  void Reposition();
  void HideOverlay();
  // Repaints when the native bar moved its thumb or changed state since the last look,
  // repositions when it moved, appeared or went.
  void Sync();
  void Repaint();
  // Destroys the window; the object may live on while one of its messages runs.
  void Destroy();

  HWND Handle() const { return FWindow; }
  HWND Host() const { return FHost; }
  bool Shown() const { return FShown; }
  bool Horizontal() const { return FHorizontal; }
  // The overlay's rectangle in the host's parent's client coordinates.
  const RECT& BarRect() const { return FBarRect; }
  // The part being scrolled or under the mouse (a TScrollPart).
  int HotPart = spNone;
  bool Pressed() const { return FPressed; }
  void SetSkinData(TSkinData* data) { FData = data; }

  // The native bar of `host` (false when it cannot be read).
  static bool ReadNativeBar(HWND host, TOverlaySource source, TNativeBar& bar);

 private:
  explicit TWScrollbar(TSkinData* data);
  static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void press(POINT point);
  void release(POINT point);
  void move(POINT point);
  void paint(HDC dc);
  int along(POINT point) const { return Horizontal() ? point.x : point.y; }
  // The native hit code of a window bar.
  WPARAM hitCode() const { return Horizontal() ? HTHSCROLL : HTVSCROLL; }
  // Hands a press or release at `point` (overlay coordinates) to the native bar.
  void forwardPress(POINT point, const RECT& barScreen);
  void forwardRelease(POINT point);
  POINT toScreen(POINT point) const;

  HWND FWindow = nullptr;
  HWND FHost = nullptr;
  TSkinData* FData = nullptr;
  TOverlaySource FSource = osVertical;
  bool FHorizontal = false;
  RECT FBarRect{};
  TNativeBar FLastSeen;
  int FArrow = 0;  // the system's arrow size
  POINT FPressCursor{};
  int FPressThumbStart = 0;
  bool FPressed = false;
  bool FShown = false;
  TScrollBarPicture FPicture;
};

}  // namespace velmora
