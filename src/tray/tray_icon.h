// The notification-area icon: one icon in the tray with its hint, kept there when the
// taskbar is re-created, the shell's mouse notifications turned into events, the
// pop-up menu at the cursor, and the owner's window hidden to the tray when it is
// minimized. All tray icons of the process share one hidden window, owned by one
// handler that exists while a tray icon does.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <set>

#include "framework/control.h"
#include "framework/icons.h"
#include "framework/menus.h"
#include "framework/window_subclass.h"
#include "tray/simple_timer.h"

namespace velmora {

class TTrayIcon;
class TWinControl;

// The shell's notification message for our icons.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 0x400;

// The picture beside a balloon's title.
enum class TBalloonIcon : DWORD { None = NIIF_NONE, Info = NIIF_INFO, Warning = NIIF_WARNING, Error = NIIF_ERROR };
using TMouseMoveEvent = std::function<void(TObjectSender, TShiftState, int x, int y)>;
using TCycleEvent = std::function<void(TObjectSender, int nextIndex)>;
using TStartupEvent = std::function<void(TObjectSender, bool& showMainForm)>;

class TTrayIconHandler {
 public:
  static TTrayIconHandler* Instance() { return FInstance; }
  unsigned RefCount() const { return FRefCount; }
  HWND Window() const { return FWindow; }

  // Destroys the handler and its window if there is one (at module end).
  static void DestroyInstance();

 private:
  friend class TTrayIcon;
  TTrayIconHandler();
  ~TTrayIconHandler();
  static void Register(TTrayIcon* icon);
  static void Unregister(TTrayIcon* icon);
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  static inline TTrayIconHandler* FInstance = nullptr;
  unsigned FRefCount = 0;
  HWND FWindow = nullptr;
  std::set<TTrayIcon*> FIcons;  // the live icons, so a late notification finds nobody
};

class TTrayIcon : public TComponent {
 public:
  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Published properties.
  bool DesignPreview() const { return FDesignPreview; }
  void SetDesignPreview(bool v) { FDesignPreview = v; }
  TImageList* IconList() const { return FIconList; }
  void SetIconList(TImageList* list);
  bool CycleIcons() const { return FCycleIcons; }
  void SetCycleIcons(bool v);
  unsigned CycleInterval() const { return FCycleInterval; }
  void SetCycleInterval(unsigned ms);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }
  std::string Hint() const { return FHint; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v);
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* icon);
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool v);
  int IconIndex() const { return FIconIndex; }
  void SetIconIndex(int index);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);
  bool LeftPopup() const { return FLeftPopup; }
  void SetLeftPopup(bool v) { FLeftPopup = v; }
  bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
  void SetWantEnterExitEvents(bool v);
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool v) { FMinimizeToTray = v; }

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseExit, OnMinimizeToTray;
  TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;
  TStartupEvent OnStartup;

  // The icon's identity towards the shell: the object's own address.
  UINT IconId() const { return static_cast<UINT>(reinterpret_cast<UINT_PTR>(this)); }
  const NOTIFYICONDATAA& IconData() const { return FIconData; }

  // Asked only by a designer, whether to show the platform's application icon when the
  // component has none; nothing asks at run time.
  virtual bool UsePlaceholderIcon() { return true; }
  virtual bool AddToTray();
  virtual bool RemoveFromTray();
  virtual bool RefreshTrayIcon();
  void PopupAtCursor();
  void HideToTray() { DoHideToTray(); }
  void HideMainWindow();
  void HideTaskbarEntry();
  bool FillIconData();
  // A balloon at the icon: title and text cut to what the shell takes (63 and 255
  // bytes), shown for about `timeoutMs`. The balloon goes with one call of its own; the
  // icon's record and its flags stay as they are, so later refreshes show no balloon.
  // Clicking it raises OnBalloonHintClick. False when the icon is not in the tray.
  bool ShowBalloonHint(const std::string& title, const std::string& text, TBalloonIcon icon,
                       unsigned timeoutMs = 10000);

  // The icon data of an .ico file, stored with the form.
  bool ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) override;

  // The timers, for the tests' eyes.
  const TSimpleTimer& CycleTimer() const { return *FCycleTimer; }
  const TSimpleTimer& ClickTimer() const { return *FClickTimer; }
  const TSimpleTimer& ExitTimer() const { return *FExitTimer; }

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual void RaiseClick();
  virtual void RaiseDblClick();
  virtual void RaiseCycle(int nextIndex);
  virtual void RaiseMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void RaiseMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void RaiseMouseMove(TShiftState shift, int x, int y);
  virtual void RaiseMouseEnter();
  virtual void RaiseMouseExit();
  virtual void DoHideToTray();

 private:
  friend class TTrayIconHandler;
  void handleNotify(UINT mouseMessage);
  void cycleTick();
  void clickTick();
  void exitTick();
  void applyCycleIcons();
  // The rules for the application's window (a hook of the application) and for the
  // owner's window (a subclass of it); here both are the main window.
  bool applicationMessage(TMessage& message);
  LRESULT ownerMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next);
  TWinControl* ownerControl() const;
  bool shellCall(DWORD message);

  bool FDesignPreview = false;
  TImageList* FIconList = nullptr;
  bool FCycleIcons = false;
  unsigned FCycleInterval = 0;
  bool FEnabled = true;
  std::string FHint;
  bool FShowHint = true;
  std::unique_ptr<TIcon> FIcon;
  bool FIconVisible = false;
  int FIconIndex = 0;
  TPopupMenu* FPopupMenu = nullptr;
  bool FLeftPopup = false;
  bool FWantEnterExitEvents = false;
  bool FMinimizeToTray = false;

  std::unique_ptr<TSimpleTimer> FCycleTimer, FClickTimer, FExitTimer;
  bool FLeftDown = false, FClickPending = false, FDblClicked = false;
  bool FMouseOutside = true, FStartupPending = true, FInPreview = false;
  POINT FLastCursor{};
  NOTIFYICONDATAA FIconData{};
  // The shell may hold our icon: it was offered (added, whatever the shell answered; a
  // busy shell may report a failure and add it all the same) and not taken away since.
  bool FOfferedToShell = false;
  TWindowSubclass FOwnerSubclass;
  int FApplicationHook = 0;
  // False from the start of destruction: an event handler or a message handled inside
  // PopupAtCursor may free the component, and the code that raised it must then stop.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// "TaskbarCreated": the taskbar was re-created (0 when comctl32 is older than 4.71).
UINT TaskbarCreatedMessage();

}  // namespace velmora
