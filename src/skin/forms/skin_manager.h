// TSkinManage: the process-wide coordinator of the skin engine. A creation hook on the
// user-interface thread shows it every window being created, activated and destroyed;
// it decides which top-level windows get a form skin (TWinSkinForm) and which pop-up
// menu windows a menu skin, keeps those lists and the list of skin data components, and
// carries out the requests to apply, remove and refresh the skin from a timer.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/timer.h"
#include "skin/data/skin_manager_link.h"

namespace velmora {

class TBitmap;
class TForm;
class TSkinData;
class TWinControl;
class TWinSkinForm;
class TWinSkinPopMenu;

// Deferred actions beyond apply, remove and refresh.
inline constexpr int skaFreeDestroyed = 6;
inline constexpr int skaReskinWindow = 7;

// The manager's states.
inline constexpr int SkinManagerIdle = 0;
inline constexpr int SkinManagerDetached = 4;

// What a menu about to open is.
enum TSkinMenuKind { smkPopup = 0, smkMenuBar = 1, smkSystemMenu = 2 };

// A pop-up menu window ("#32768") the manager took on. Its drawing is the menu skin's;
// the manager keeps the window, the menu it shows and whether it came from a skinned
// menu bar.
struct TPopupMenuSkin {
  HWND Window = nullptr;
  HMENU Menu = nullptr;
  bool FromBar = false;
  const TBitmap* Background = nullptr;
  // Where the menu's client area starts in the background (the window's top-left is
  // 0, 0): item rectangles are client coordinates.
  POINT ClientOrigin{0, 0};
  // The window's skin, from creation to destruction.
  std::unique_ptr<TWinSkinPopMenu> Skin;
  TPopupMenuSkin();
  ~TPopupMenuSkin();
};

class TSkinManage : public ISkinManager {
 public:
  // A module-mode manager keeps no lists of its own and remembers the module.
  explicit TSkinManage(bool moduleMode = false);
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // ISkinManager.
  void AddData(TSkinData* data) override;
  void RemoveData(TSkinData* data) override;
  void SetCurrentData(TSkinData* data) override { FActionData = data; }
  void SetAction(TSkinAction action, int delayMs) override { SetAction(static_cast<int>(action), delayMs); }
  void SkinForm(HWND window) override { AddForm(window); }
  void InstallHook() override;
  void RefreshData() override;
  int State() const override { return FState; }
  void SetState(int state) override { FState = state; }
  void SetActive(bool active) override { FActive = active; }
  void AdvanceStateCounter() override { ++FStateCounter; }

  void SetAction(int action, int delayMs);
  // The timer's tick: carries out the pending action.
  void DoAction();

  // Skins `window` when every rule allows it; true when a form skin was made.
  bool AddForm(HWND window);
  TWinSkinForm* FindForm(HWND window) const;
  // Frees the form skin of `window` (not while the manager is shutting down).
  void RemoveForm(HWND window);
  // Drops form skins whose windows are gone and whose messages are all handled.
  void PurgeForms();

  bool AddPopup(HWND window);
  bool RemovePopup(HWND window);
  bool IsPopup(HWND window) const;
  void SetPopupMenu(HMENU menu);
  void MarkPopupsFromBar();
  const TBitmap* FindPopupBitmap(HMENU menu) const;
  // The skin of the pop-up window showing `menu`, or null.
  const TPopupMenuSkin* FindPopup(HMENU menu) const;
  // The menu of the newest pop-up window, known or asked of the window; null if none.
  HMENU NewestPopupMenu() const;

  void SetMDIMaximized(bool value);
  // Re-skins one window from scratch on the next tick (action 7).
  void ReskinWindow(HWND window, int delayMs);

  // The creation hook's procedure.
  static LRESULT CALLBACK CBTHookProc(int code, WPARAM wParam, LPARAM lParam);

  // State read by the form skins and tests.
  bool Active() const { return FActive; }
  bool Scanning() const { return FScanning; }
  int MenuKind() const { return FMenuKind; }
  void SetMenuKind(int kind) { FMenuKind = kind; }
  bool MenuFromBar() const { return FMenuFromBar; }
  void SetMenuFromBar(bool v) { FMenuFromBar = v; }
  bool MDIMaximized() const { return FMDIMaximized; }
  HWND MDIClient() const { return FMDIClient; }
  void SetMDIClient(HWND client, TForm* form) { FMDIClient = client, FMDIForm = form; }
  int Action() const { return FAction; }
  bool ActionPending() const { return FTimer && FTimer->Enabled(); }
  TSkinData* ActionData() const { return FActionData; }
  TSkinData* MainData() const { return FMainData; }
  const std::vector<TSkinData*>& Datas() const { return FDatas; }
  const std::vector<std::unique_ptr<TWinSkinForm>>& Forms() const { return FForms; }
  const std::vector<std::unique_ptr<TPopupMenuSkin>>& Popups() const { return FPopups; }
  int StateCounter() const { return FStateCounter; }
  HHOOK HookOfThread(DWORD threadId) const;

  // The rules of AddForm's steps 8 to 10, for tests and for the form skin.
  bool CanSkinWindow(HWND window, const std::string& className, DWORD style);
  TSkinData* SelectData(HWND window, const std::string& className) const;

 private:
  void hookCreate(HWND window, const CREATESTRUCTA& create);
  void applyAll();
  void removeAll();
  void refreshAll();
  void freeDestroyed();
  void reskinActionWindow();
  void applyOnlyThisForm(int action, TSkinData* data);
  // Takes the entry out of the list, then detaches and frees it (or leaves it to a
  // later purge while one of its messages is being handled).
  void detachAndFree(std::size_t index, bool detaching);
  void keepUntilIdle(std::unique_ptr<TWinSkinForm> form);

  std::unique_ptr<TTimer> FTimer;
  // The optional scroll-bar library: its start answers a byte; the two window entry
  // points are only looked up, never called.
  using CoolSBAppStart = BOOLEAN(WINAPI*)();
  using CoolSBAppEnd = void(WINAPI*)();
  HMODULE FCoolSBLib = nullptr;
  CoolSBAppStart FCoolSBInitApp = nullptr;
  CoolSBAppEnd FCoolSBUninitApp = nullptr;
  FARPROC FInitCoolSB = nullptr, FUninitCoolSB = nullptr;
  std::vector<std::unique_ptr<TWinSkinForm>> FForms;
  std::vector<std::unique_ptr<TPopupMenuSkin>> FPopups;
  std::vector<TSkinData*> FDatas;
  std::map<DWORD, HHOOK> FHooks;  // one creation hook per thread
  bool FActive = false;
  bool FScanning = false;
  int FState = SkinManagerIdle;
  int FMenuKind = smkPopup;
  bool FMenuFromBar = false;
  bool FMDIMaximized = false;
  HWND FMDIClient = nullptr;
  TForm* FMDIForm = nullptr;
  int FAction = 0;
  TSkinData* FActionData = nullptr;
  bool FCoolSBReady = false;
  TSkinData* FMainData = nullptr;
  HMODULE FModule = nullptr;
  HWND FActionWnd = nullptr;
  int FStateCounter = 0;
  // Form skins taken out of the list while one of their messages was still handled.
  std::vector<std::unique_ptr<TWinSkinForm>> FRetired;
};

// Registers the manager's maker: the first skin data component that finishes loading
// makes the process's manager.
void UseSkinManager();

}  // namespace velmora
