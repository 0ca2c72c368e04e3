// The gallery's window: one of every control kind the skin paints, a menu bar with
// sub-menus, a message box and an MDI window, restored from its stored form.
#pragma once

#include <memory>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/menus.h"
#include "gallery/mdi_demo.h"
#include "skin/data/skin_data.h"

namespace velmora {

class TGalleryForm : public TForm {
 public:
  TGalleryForm();
  ~TGalleryForm() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinData* Skin() const { return FSkin; }
  void WndProc(TMessage& message) override;

 private:
  void ShowMessageBox(TObjectSender sender);
  void ShowMdiWindow(TObjectSender sender);
  void CloseGallery(TObjectSender sender);

  TMainMenu* FMenu = nullptr;
  TStatusBar* FStatus = nullptr;
  TSkinData* FSkin = nullptr;
  std::unique_ptr<TMdiDemo> FMdi;
};

}  // namespace velmora
