// TWinSkinForm: the skinning of one top-level window. It puts a layer in front of the
// window's procedure, sizes the frame from the skin's border bitmaps, paints borders,
// title, caption text and caption buttons itself, cuts the window region along the
// borders' magenta pixels, answers hit tests, and shows the system menu. Only the skin
// manager makes them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "framework/control.h"
#include "framework/control_proc_layer.h"
#include "framework/gdi_object.h"
#include "framework/window_subclass.h"
#include "skin/forms/control_dispatch.h"
#include "framework/menus.h"
#include "skin/forms/frame_rules.h"
#include "skin/forms/menu_item_painter.h"
#include "skin/forms/nc_objects.h"
#include "skin/forms/win_skin_menu.h"

namespace velmora {

class TForm;
class TSkinData;
class TSkinManage;

// The form skin's states.
enum TFormSkinState {
  fssCreated = 0,
  fssSkinned = 1,
  fssReapplying = 3,
  fssDetaching = 4,
  fssResizing = 5,
  fssDestroyed = 6,
};

// The form kinds.
enum TFormKind { fkOrdinary = 0, fkMDIMain = 1, fkMDIChild = 2 };

// One item of the skinned system menu.
struct TSystemMenuItem {
  std::string Text;  // "-" for a separator
  UINT Command = 0;
  int Glyph = -1;  // restore 0, maximise 1, minimise 2, close 3
  bool Enabled = true;
  bool Checked = false;
};
// The skinned system menu mirroring the window's own menu's items (text, id, state).
struct TSystemMenuSource {
  std::string Text;
  UINT Command = 0;
  UINT State = 0;  // MFS_* bits
};
std::vector<TSystemMenuItem> BuildSystemMenuItems(const std::vector<TSystemMenuSource>& items, int sizeState,
                                                  unsigned icons);

// The form skin's place in a framework form's message entry. Whoever replaces the entry
// after us keeps this link; once the form skin lets go it only passes messages on.
class TWinSkinForm : public TComponent {
 public:
  TWinSkinForm(TSkinManage* manager, HWND window, HMODULE module, std::string className);
  ~TWinSkinForm() override;

  void AttachForm(TSkinData* data, TForm* form);
  void AttachWindow(TSkinData* data);
  // Gives the window back as it was before skinning. `detaching`: the window is going
  // away or the skin data is; nothing is resized or recoloured.
  void Unskin(bool detaching = false);

  void LoadFrameMetrics();
  void FreeButtons();
  void PaintFrame(HDC dc = nullptr);
  void SetRegion();
  void RemoveRegion();
  void ResizeForSkin(bool keepClient);
  void DrawCaption(HDC dc, const RECT& titleRect);
  void SkinChanged();

  // Caption buttons.
  void LayoutButtons();
  void PaintButtons(HDC dc);
  bool IsVisible(TWinSysButton& button);
  TNCObject* FindObject(POINT windowPoint) const;
  void ExecuteAction(int x, int y);
  void ShowSysMenu(POINT screenPoint);
  std::vector<TSystemMenuItem> SystemMenuItems() const;

  TNCObject* HotObject() const { return FHotObject; }
  void SetHotObject(TNCObject* object) { FHotObject = object; }
  // An object about to be freed stops being hot or pressed.
  void ForgetObject(TNCObject* object);

  // The skinned menu bar (menu_bar_tracking.cpp). TrackMenuBtn opens the item's
  // drop-down under the bar and follows the keyboard and the mouse across the bar until
  // no drop-down is open any more; OpenButtonAt asks for that from a posted press on
  // the item, as a click would.
  TWinSkinMenu* SkinMenu() const { return FSkinMenu.get(); }
  void TrackMenuBtn(TMenuBtn& button);
  void OpenButtonAt(const TMenuBtn& button);
  TMenuBtn* FindAccelButton(unsigned key) const;
  bool MenuTracking() const { return FMenuTracking; }

  HWND Handle() const { return FHandle; }
  TSkinManage* Manager() const { return FManager; }
  HWND MDIClientWindow() const { return FMDIClientWnd; }
  TForm* Form() const { return FForm; }
  TSkinData* SkinData() const { return FSkinData; }
  int SkinState() const { return FSkinState; }
  void SetSkinState(int state) { FSkinState = state; }
  bool SkinFrame() const { return FSkinFrame; }
  const TFrameMetrics& Metrics() const { return FMetrics; }
  int BorderKind() const { return FBorderKind; }
  unsigned BorderIcons() const { return FBorderIcons; }
  int SizeState() const { return FSizeState; }
  int FormKind() const { return FFormKind; }
  bool IsActive() const { return FActive; }
  const RECT& CaptionRect() const { return FCaptionRect; }
  const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return FSysButtons; }
  // Messages of this window being handled by this object right now.
  int Nesting() const { return FNesting; }
  bool HasRegion() const { return FHasRegion; }
  SIZE RegionSize() const { return {FRegionWidth, FRegionHeight}; }
  const std::string& WindowClass() const { return FWindowClass; }
  // The window's icon drawn by the icon button.
  HICON Icon() const { return FIcon; }

  // The painters of the window's controls.
  const TSkinPainterList& Painters() const { return FPainters; }

  // Menu items in the skin (form_menus.cpp): a framework item's skinned measure (the
  // framework's own first) and drawing; null painter before the window is skinned.
  void MeasureItem(TMenuItem& item, HDC dc, int& width, int& height);
  void DrawItem(TMenuItem& item, HDC dc, const RECT& rect, bool selected);
  TSkinMenuItemPainter* MenuPainter() const { return FMenuPainter.get(); }

  // The hover timer's id on the window.
  static constexpr UINT_PTR HoverTimerId = 0x5346;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void attach(TSkinData* data);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next);
  bool stageA(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result);
  bool stageB(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result);
  bool stageC(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result);
  bool sysCommand(WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result);
  bool mouseMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result);
  void FormWndProc(TMessage& message);
  void skinInit();
  // Gives the window's controls their painters; frees them again.
  void skinControls();
  void freePainters();
  void hoverTimer();
  void startTimer(bool on);
  void removeSystemMenuStyle();
  void restoreSystemMenuStyle();
  void readIcon();
  void refreshSizeState();
  LRESULT ncCalcSize(WPARAM wParam, LPARAM lParam, const TSubclassNext& next);
  LRESULT ncHitTest(WPARAM wParam, LPARAM lParam, const TSubclassNext& next);
  void paintSide(HDC dc, const RECT& piece, int side);
  void paintTitle(HDC dc, int width, int height);
 public:
  // Repaints the title bar alone (a caption button changed its state).
  void PaintTitleBar();
 private:
  void paintLater();
  POINT toWindow(LPARAM screenPoint) const;
  TButtonContext buttonContext() const;
  std::wstring windowText() const;
  void maximizeOrRestore();
  void minimizeOrRestore();
  void trackSystemMenu(POINT screenPoint);
  // The form's pop-up menu components become owner-drawn in the skin; given back.
  void skinMenus();
  void unskinMenus();
  // WM_MEASUREITEM / WM_DRAWITEM of a menu item that no framework menu answers.
  bool foreignMenuItem(UINT msg, LPARAM lParam, LRESULT& result);
  // A freed menu or item leaves the lists above.
  void forgetMenu(TComponent* component);
  // The menu bar taken over from the window, and given back.
  void skinMenuBar();
  void unskinMenuBar(bool windowAlive);
  // The keyboard's ways into the bar: Alt or F10 alone and Alt with a letter
  // (WM_SYSCOMMAND SC_KEYMENU), the framework's dialog character.
  bool keyMenu(unsigned key);
  bool dialogChar(const TMessage& message);
  // What the open drop-down selected (WM_MENUSELECT), and each message of its loop.
  void menuSelect(WPARAM wParam, LPARAM lParam);
  // The menu of the open bar drop-down's tree holding the item `itemId`, or null.
  HMENU barMenuHolding(UINT itemId) const;
  bool menuBarFilter(MSG& msg);
  friend LRESULT CALLBACK BarMenuFilter(int code, WPARAM wParam, LPARAM lParam);
  void subclassMDIClient();
  LRESULT clientProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next);

  TSkinManage* FManager;
  TControlProcLayer FFormLayer;  // our entry in front of the form's
  TWindowSubclass FSubclass;
  TWindowSubclass FClientProc;  // the MDI client of an MDI main form
  HWND FMDIClientWnd = nullptr;
  bool FSavedMenuUpdate = true;
  bool FUnicode = false;
  GdiFont FCaptionFont;
  bool FInitialized = false;
  bool FTimerOn = false;
  std::wstring FTextSuffix = L"  ", FTextPrefix = L" ";
  std::string FWindowClass;
  bool FSkinFrame = false;
  UINT FDblClickTime = 0;
  DWORD FLastRightClick = 0;
  bool FHadRightClick = false;
  HWND FOwnerWnd = nullptr;
  HICON FIcon = nullptr;
  int FIconSize = 16;
  TFrameMetrics FMetrics;
  RECT FWindowRect{};
  RECT FCaptionRect{};
  int FSysFrameW = 0, FSysFrameH = 0;
  bool FRightToLeft = false;
  bool FSizeable = false;
  bool FDialogBox = false;
  bool FChildStyle = false;
  HMENU FMenu = nullptr, FSystemMenu = nullptr;
  HMENU FSysMenuPopup = nullptr;  // the skinned system menu while it is open
  std::vector<TSystemMenuItem> FSysMenuItems;  // its items, for their glyphs
  COLORREF FSavedColor = 0;
  DWORD FStyle = 0, FExStyle = 0;
  int FRightSpace = 0;
  TNCObject* FHotObject = nullptr;
  TNCObject* FPressedObject = nullptr;
  bool FHasRegion = false;
  TForm* FForm = nullptr;
  HWND FHandle;
  TSkinData* FSkinData = nullptr;
  std::vector<std::unique_ptr<TWinSysButton>> FSysButtons;
  TBitmap FIconBitmap, FTitleBitmap;
  int FWidth = 0, FHeight = 0, FRegionWidth = 0, FRegionHeight = 0;
  bool FActive = true;
  int FFormKind = fkOrdinary;
  int FBorderKind = bkSingle;
  unsigned FBorderIcons = 0;
  int FSizeState = ssNormal;
  int FSkinState = fssCreated;
  HMODULE FModule;
  bool FAttached = false;
  bool FFramePending = false;  // a frame asked for while painting was not yet allowed
  bool FSystemMenuStyleRemoved = false;
  int FNesting = 0;
  TSkinPainterList FPainters;
  std::unique_ptr<TControlDispatch> FDispatch;
  std::unique_ptr<TSkinMenuItemPainter> FMenuPainter;
  std::unique_ptr<TWinSkinMenu> FSkinMenu;
  bool FMenuTracking = false;
  HMENU FDrawingMenu = nullptr;  // the menu of the item being drawn
  // The pop-up menu components made owner-drawn (with their previous setting) and the
  // items given our handlers.
  std::vector<std::pair<TPopupMenu*, bool>> FSkinnedMenus;
  std::vector<TMenuItem*> FSkinnedItems;
};

}  // namespace velmora
