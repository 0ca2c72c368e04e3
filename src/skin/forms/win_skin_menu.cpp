// The skinned menu bar: reading the window's menu into items, their layout, and the
// bar's painting (background, captions, the buttons of a maximised MDI child).
#include "skin/forms/win_skin_menu.h"

#include <algorithm>

#include "framework/accelerator.h"
#include "framework/gdi_object.h"
#include "framework/menus.h"
#include "framework/screen.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/forms/menu_bar_layout.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

namespace {

constexpr int MenuTextLength = 80;
constexpr UINT MeasureFlags = DT_CALCRECT | DT_NOCLIP;
constexpr UINT CaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

int textWidth(HDC dc, const std::string& text) {
  if (text.empty()) return 0;
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, MeasureFlags);
  return r.right - r.left;
}

}  // namespace

void TMenuBtn::Paint() { FBar->PaintButton(*this); }

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* owner, TSkinData* data, HMENU menu, TMainMenu* mainMenu)
    : TComponent(nullptr), FOwner(owner), FSkinData(data), FMenu(menu), FMainMenu(mainMenu) {
  if (FMainMenu) FMainMenu->FreeNotification(this);
}

TWinSkinMenu::~TWinSkinMenu() {
  freeButtons();
  if (FMainMenu) FMainMenu->RemoveFreeNotification(this);
}

void TWinSkinMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FMainMenu) {
    // The framework menu destroys its bar with itself: nothing is left to show.
    FMainMenu = nullptr;
    FMenu = nullptr;
    freeButtons();
    return;
  }
  for (auto& button : FButtons)
    if (button->FItem == component) button->FItem = nullptr;
}

TMenuBtn* TWinSkinMenu::Button(int index) const {
  if (index < 0 || index >= static_cast<int>(FButtons.size())) return nullptr;
  return FButtons[static_cast<std::size_t>(index)].get();
}

bool TWinSkinMenu::RightToLeft() const {
  return (GetWindowLongPtrA(FOwner->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

void TWinSkinMenu::freeButtons() {
  // A hot or pressed item is forgotten before it goes.
  for (auto& button : FButtons) {
    FOwner->ForgetObject(button.get());
    if (button->FItem) button->FItem->RemoveFreeNotification(this);
  }
  FButtons.clear();
}

void TWinSkinMenu::BuildItems() { readBar(false); }

// After WM_MDISETMENU only items without a text of their own take the framework's caption.
void TWinSkinMenu::RebuildItems() { readBar(true); }

void TWinSkinMenu::readBar(bool menuTextFirst) {
  if (HMENU current = GetMenu(FOwner->Handle())) FMenu = current;
  freeButtons();
  if (!FMenu || !IsMenu(FMenu)) {
    FMenu = nullptr;
    return;
  }
  readItems(menuTextFirst);
  // The bar is ours to draw now; the frame keeps its room.
  if (GetMenu(FOwner->Handle())) SetMenu(FOwner->Handle(), nullptr);
  Layout();
}

void TWinSkinMenu::readItems(bool menuTextFirst) {
  // Captions are measured once here, not at each paint of the bar.
  MemoryDC dc(nullptr);
  SelectScope font(dc, Screen.MenuFont().Handle());
  const int count = std::max(GetMenuItemCount(FMenu), 0);
  for (int i = 0; i < count; ++i) {
    auto button = std::make_unique<TMenuBtn>(FOwner, this, i);
    char text[MenuTextLength + 1] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = MenuTextLength;
    if (GetMenuItemInfoA(FMenu, static_cast<UINT>(i), TRUE, &info)) {
      button->FCommand = info.wID;
      button->FSubMenu = info.hSubMenu;
      button->FEnabled = (info.fState & (MF_GRAYED | MF_DISABLED)) == 0;
      if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP))) button->FCaption = text;
    }
    if (TMenuItem* item = FMainMenu ? FMainMenu->FindCommand(button->FCommand) : nullptr) {
      button->FItem = item;
      item->FreeNotification(this);
      if (!menuTextFirst || button->FCaption.empty()) button->FCaption = item->Caption();
      button->FEnabled = item->Enabled();
      if (item->Items().empty()) button->FSubMenu = nullptr;
    }
    button->FTextWidth = textWidth(dc, button->FCaption);
    button->SetVisible(true);
    FButtons.push_back(std::move(button));
  }
}

RECT TWinSkinMenu::barRect() const {
  RECT window{};
  GetWindowRect(FOwner->Handle(), &window);
  const TFrameMetrics& m = FOwner->Metrics();
  return {m.Left, m.Top, (window.right - window.left) - m.Right, m.Top + m.MenuHeight};
}

bool TWinSkinMenu::mdiButtonsInBar() const {
  if (FOwner->FormKind() != fkMDIMain || !FOwner->MDIClientWindow()) return false;
  BOOL maximized = FALSE;
  SendMessageA(FOwner->MDIClientWindow(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  return maximized != FALSE;
}

void TWinSkinMenu::Layout() {
  FBarRect = barRect();
  TMenuBarLayoutInput input;
  input.Bar = {FBarRect.left, FBarRect.top, FBarRect.right, FBarRect.bottom};
  const TDataSkinObject* element = FSkinData ? FSkinData->Records.MenuBar.get() : nullptr;
  input.HasMenuBarElement = element != nullptr;
  if (element) input.ElementLeftWidth = element->LeftWidth, input.ElementRightWidth = element->RightWidth;
  input.RightToLeft = RightToLeft();
  if (input.RightToLeft && mdiButtonsInBar()) {
    for (const auto& button : FOwner->SysButtons()) {
      if (button->Data().Visibility != 100 || !button->Visible()) continue;
      input.LeftmostMDIButton = input.LimitedByMDIButtons ? std::min(input.LeftmostMDIButton, static_cast<int>(button->Rect().left))
                                                          : static_cast<int>(button->Rect().left);
      input.LimitedByMDIButtons = true;
    }
  }
  for (const auto& button : FButtons)
    input.Items.push_back({button->FTextWidth, button->FCaption.empty(), button->Visible()});
  const std::vector<TSkinRect> rects = MenuBarLayout(input);
  for (std::size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->SetRect({rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom});
}

void TWinSkinMenu::drawBackground(HDC dc, int width, int height) {
  const RECT all{0, 0, width, height};
  const TDataSkinObject* element = FSkinData ? FSkinData->Records.MenuBar.get() : nullptr;
  if (element && !element->Map.Empty()) {
    const int frames = std::max(element->Frame, 1);
    const int frame = FOwner->IsActive() || frames < 2 ? 1 : 2;
    DrawSkinBitmap(dc, all, element->Map, MarginsOf(*element), frame, frames, false, element->Tile == 1, false);
    return;
  }
  const COLORREF colour = FSkinData ? ColorToRGB(FSkinData->Colors.Colors[scMenubar]) : GetSysColor(COLOR_MENU);
  GdiBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &all, brush.Get());
}

void TWinSkinMenu::drawCaption(HDC dc, const TMenuBtn& button, const RECT& rect) const {
  if (button.FCaption.empty() || rect.right <= rect.left) return;
  if (button.State() != ncNormal && FSkinData) {
    GdiBrush frame(CreateSolidBrush(ColorToRGB(FSkinData->Colors.Colors[scButtonHilight])));
    FrameRect(dc, &rect, frame.Get());
  }
  SelectScope font(dc, Screen.MenuFont().Handle());
  SetBkMode(dc, TRANSPARENT);
  const COLORREF enabled = FSkinData ? ColorToRGB(FSkinData->Colors.Colors[scMenuBarText]) : GetSysColor(COLOR_MENUTEXT);
  SetTextColor(dc, button.FEnabled ? enabled : GetSysColor(COLOR_BTNSHADOW));
  RECT r = rect;
  DrawTextA(dc, button.FCaption.c_str(), static_cast<int>(button.FCaption.size()), &r, CaptionFlags);
}

void TWinSkinMenu::drawMDIButtons(HDC dc, const RECT& bar) {
  // The child may have been maximised without its caption button (a message, a key):
  // the buttons that show then are found and placed now.
  if (!FOwner->Manager()->MDIMaximized()) {
    FOwner->Manager()->SetMDIMaximized(true);
    for (const auto& button : FOwner->SysButtons())
      if (button->Data().Visibility == 100) FOwner->IsVisible(*button);
    FOwner->LayoutButtons();
  }
  for (const auto& button : FOwner->SysButtons()) {
    if (button->Data().Visibility != 100 || !button->Visible() || button->Data().Map.Empty()) continue;
    button->Draw(dc, 1, {bar.left, bar.top});
  }
}

void TWinSkinMenu::Paint(HDC dc, const RECT& bar) {
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (!dc || width <= 0 || height <= 0 || FPainting) return;
  FPainting = true;
  struct Done {
    bool& Flag;
    ~Done() { Flag = false; }
  } done{FPainting};
  Layout();
  if (FCompose.Width() != width || FCompose.Height() != height) FCompose.SetSize(width, height);
  if (FBitmap.Width() != width || FBitmap.Height() != height) FBitmap.SetSize(width, height);
  if (FCompose.Empty() || FBitmap.Empty()) return;
  MemoryDC compose(dc);
  SelectScope composeBitmap(compose, FCompose.Handle());
  drawBackground(compose, width, height);
  {
    MemoryDC keep(dc);
    SelectScope keepBitmap(keep, FBitmap.Handle());
    BitBlt(keep, 0, 0, width, height, compose, 0, 0, SRCCOPY);
  }
  for (const auto& button : FButtons) {
    if (!button->Visible()) continue;
    RECT r = button->Rect();
    OffsetRect(&r, -bar.left, -bar.top);
    drawCaption(compose, *button, r);
  }
  if (mdiButtonsInBar()) drawMDIButtons(compose, bar);
  BitBlt(dc, bar.left, bar.top, width, height, compose, 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
  if (FBitmap.Empty() || !button.Visible()) return;
  const RECT& r = button.Rect();
  if (r.right <= r.left || r.bottom <= r.top) return;
  WindowDC window(FOwner->Handle(), WindowDC::Whole);
  if (!window.Get()) return;
  MemoryDC compose(window);
  TBitmap piece(r.right - r.left, r.bottom - r.top);
  if (piece.Empty()) return;
  SelectScope pieceBitmap(compose, piece.Handle());
  {
    MemoryDC background(window);
    SelectScope backgroundBitmap(background, FBitmap.Handle());
    BitBlt(compose, 0, 0, piece.Width(), piece.Height(), background, r.left - FBarRect.left, r.top - FBarRect.top,
           SRCCOPY);
  }
  drawCaption(compose, button, {0, 0, piece.Width(), piece.Height()});
  BitBlt(window, r.left, r.top, piece.Width(), piece.Height(), compose, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::FindButton(POINT p) const {
  for (const auto& button : FButtons)
    if (button->Visible() && !button->FCaption.empty() && PtInRect(&button->Rect(), p)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelButton(unsigned key) const {
  for (const auto& button : FButtons)
    if (button->Visible() && button->FEnabled && IsAccel(key, button->FCaption)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FirstButton() const {
  for (const auto& button : FButtons)
    if (button->Visible() && !button->FCaption.empty()) return button.get();
  return nullptr;
}

void TWinSkinMenu::GiveBack(bool windowAlive) {
  if (!windowAlive || !FMenu || !IsMenu(FMenu) || !IsWindow(FOwner->Handle())) return;
  if (!GetMenu(FOwner->Handle())) SetMenu(FOwner->Handle(), FMenu);
}

}  // namespace velmora
