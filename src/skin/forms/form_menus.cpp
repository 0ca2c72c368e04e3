// The form skin's menus: the form's pop-up menu components measured and drawn in the
// skin through their items' events, and foreign owner-drawn items (the skinned system
// menu, menus of windows without framework menus) through the window's WM_MEASUREITEM
// and WM_DRAWITEM.
#include <algorithm>

#include "framework/form.h"
#include "framework/gdi_object.h"
#include "framework/screen.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

namespace {

// Commands of this range that no framework menu knows belong to the window itself,
// except in a drop-down of the skinned bar, which the skin made owner-drawn.
constexpr UINT FirstForeignCommand = 4096;

void collectItems(const std::vector<TMenuItem*>& items, std::vector<TMenuItem*>& out) {
  for (TMenuItem* item : items) {
    out.push_back(item);
    collectItems(item->Items(), out);
  }
}

bool isFrameworkCommand(UINT command) {
  TPopupMenu* tracking = TPopupMenu::Tracking();
  return tracking && tracking->FindCommand(command);
}

}  // namespace

void TWinSkinForm::skinMenus() {
  if (!FSkinData) return;
  if (!FMenuPainter) FMenuPainter = std::make_unique<TSkinMenuItemPainter>(FSkinData, FManager);
  if (!FForm) return;
  const auto skinItems = [this](const std::vector<TMenuItem*>& items) {
    for (TMenuItem* item : items) {
      // An item that draws itself keeps its own drawing.
      if (item->OnDrawItem || std::find(FSkinnedItems.begin(), FSkinnedItems.end(), item) != FSkinnedItems.end())
        continue;
      item->OnMeasureItem = [this, item](TObjectSender, HDC dc, int& width, int& height) {
        MeasureItem(*item, dc, width, height);
      };
      item->OnDrawItem = [this, item](TObjectSender, HDC dc, const RECT& rect, bool selected) {
        DrawItem(*item, dc, rect, selected);
      };
      item->FreeNotification(this);
      FSkinnedItems.push_back(item);
    }
  };
  for (TComponent* component : std::vector<TComponent*>(FForm->Components())) {
    // The main menu's drop-downs: the items below the bar.
    if (auto* bar = dynamic_cast<TMainMenu*>(component); bar && InSet(FSkinData->SkinControls(), xcMenuItem)) {
      std::vector<TMenuItem*> items;
      for (TMenuItem* top : bar->Items()) collectItems(top->Items(), items);
      skinItems(items);
      continue;
    }
    auto* menu = dynamic_cast<TPopupMenu*>(component);
    if (!menu || !InSet(FSkinData->SkinControls(), xcPopupMenu) || menu->Tag() == FSkinData->DisableTag()) continue;
    if (std::any_of(FSkinnedMenus.begin(), FSkinnedMenus.end(), [menu](const auto& m) { return m.first == menu; }))
      continue;
    FSkinnedMenus.emplace_back(menu, menu->OwnerDraw());
    menu->FreeNotification(this);
    menu->SetOwnerDraw(true);
    std::vector<TMenuItem*> items;
    collectItems(menu->Items(), items);
    skinItems(items);
  }
}

void TWinSkinForm::unskinMenus() {
  for (TMenuItem* item : FSkinnedItems) {
    item->OnMeasureItem = nullptr;
    item->OnDrawItem = nullptr;
    item->RemoveFreeNotification(this);
  }
  FSkinnedItems.clear();
  for (const auto& [menu, ownerDraw] : FSkinnedMenus) {
    menu->SetOwnerDraw(ownerDraw);
    menu->RemoveFreeNotification(this);
  }
  FSkinnedMenus.clear();
  FMenuPainter.reset();
}

void TWinSkinForm::forgetMenu(TComponent* component) {
  std::erase(FSkinnedItems, component);
  std::erase_if(FSkinnedMenus, [component](const auto& m) { return m.first == component; });
}

void TWinSkinForm::MeasureItem(TMenuItem& item, HDC dc, int& width, int& height) {
  (void)dc;
  if (!FMenuPainter) return;
  const bool popupComponent = dynamic_cast<TPopupMenu*>(item.ParentMenu()) != nullptr || !item.ParentMenu();
  FMenuPainter->MeasureItem(popupComponent ? TSkinMenuItemKind::PopupComponentItem : TSkinMenuItemKind::MenuItem,
                            item.Images() != nullptr, width, height);
}

void TWinSkinForm::DrawItem(TMenuItem& item, HDC dc, const RECT& rect, bool selected) {
  if (!FMenuPainter) {
    item.DefaultDraw(dc, rect, selected);
    return;
  }
  TPopupMenu* tracking = TPopupMenu::Tracking();
  TMenuItemView view = ViewOfItem(item);
  view.RightToLeft = FRightToLeft;
  const HMENU menu = FDrawingMenu ? FDrawingMenu : tracking ? tracking->Handle() : FManager->NewestPopupMenu();
  FMenuPainter->DrawItem(view, dc, rect, selected, menu);
}

bool TWinSkinForm::foreignMenuItem(UINT msg, LPARAM lParam, LRESULT& result) {
  if (!FMenuPainter || !lParam) return false;
  // The items of the bar's drop-downs are the framework menu's: an item with handlers
  // (the skin's, or its own) is measured and drawn by them, any other in the skin all
  // the same, as the skinned bar's drop-downs are.
  if (TMainMenu* bar = FSkinMenu ? FSkinMenu->MainMenu() : nullptr) {
    if (msg == WM_MEASUREITEM) {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      TMenuItem* item = measure.CtlType == ODT_MENU ? bar->FindCommand(measure.itemID) : nullptr;
      if (item && (item->OnMeasureItem || item->OnDrawItem)) {
        if (!MeasureMenuItem(*item, measure)) return false;
        result = TRUE;
        return true;
      }
      if (item) {
        MemoryDC dc;
        SelectScope font(dc, Screen.MenuFont().Handle());
        int width = 0, height = 0;
        item->DefaultMeasure(dc, width, height);
        MeasureItem(*item, dc, width, height);
        measure.itemWidth = static_cast<UINT>(std::max(width, 0));
        measure.itemHeight = static_cast<UINT>(std::max(height, 0));
        result = TRUE;
        return true;
      }
    } else {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      TMenuItem* item = draw.CtlType == ODT_MENU && draw.hDC ? bar->FindCommand(draw.itemID) : nullptr;
      if (item) {
        FDrawingMenu = reinterpret_cast<HMENU>(draw.hwndItem);
        struct Done {
          HMENU& Menu;
          ~Done() { Menu = nullptr; }
        } done{FDrawingMenu};
        if (item->OnDrawItem) {
          DrawMenuItem(*item, draw);
        } else {
          SavedDC saved(draw.hDC);
          SelectObject(draw.hDC, Screen.MenuFont().Handle());
          DrawItem(*item, draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
        }
        result = TRUE;
        return true;
      }
    }
  }
  if (msg == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType != ODT_MENU || isFrameworkCommand(measure.itemID)) return false;
    if (measure.itemID != 0 && measure.itemID < FirstForeignCommand && !FMenuTracking) return false;
    // Items are measured before their window exists: the menu holding the item is
    // looked up where it can be.
    HMENU menu = FSysMenuPopup;
    if (!menu && FMenuTracking) menu = barMenuHolding(measure.itemID);
    if (!menu) menu = FManager->NewestPopupMenu();
    if (!FMenuPainter->MeasureForeign(measure, menu)) return false;
    result = TRUE;
    return true;
  }
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (draw.CtlType == ODT_MENU && draw.hDC && FSysMenuPopup && reinterpret_cast<HMENU>(draw.hwndItem) == FSysMenuPopup) {
    // The skinned system menu shows the skin's glyphs for restore, maximise, minimise
    // and close.
    TMenuItemView view = ViewOfForeignItem(FSysMenuPopup, draw.itemID);
    const auto item = std::find_if(FSysMenuItems.begin(), FSysMenuItems.end(),
                                   [&](const TSystemMenuItem& i) { return i.Command == draw.itemID; });
    if (item != FSysMenuItems.end() && item->Glyph >= 0 && FSkinData) {
      view.Images = &FSkinData->MenuGlyphs;
      view.ImageIndex = item->Glyph;
    }
    view.RightToLeft = FRightToLeft;
    FMenuPainter->DrawItem(view, draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0, FSysMenuPopup);
    result = TRUE;
    return true;
  }
  if (draw.CtlType != ODT_MENU || isFrameworkCommand(draw.itemID)) return false;
  if (draw.itemID != 0 && draw.itemID < FirstForeignCommand && !FMenuTracking) return false;
  if (!FMenuPainter->DrawForeign(draw)) return false;
  result = TRUE;
  return true;
}

}  // namespace velmora
