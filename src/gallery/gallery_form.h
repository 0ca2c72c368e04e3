// The gallery's window: one of every control kind the skin paints, a menu bar with
// sub-menus, a message box and an MDI window, restored from its stored form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
  // Switches the gallery to the package at `path` at run time, or back to the skin built
  // into it for an empty path. A package that does not load leaves the skin in use;
  // false then.
  bool SwitchSkin(const std::string& path);
  // The second skin of ours, beside the gallery: skins\sage.vskin.
  static std::string SageSkinPath();

 private:
  void UseBuiltInSkin(TObjectSender sender);
  void UseSageSkin(TObjectSender sender);
  void OpenSkinPackage(TObjectSender sender);
  // SwitchSkin, saying so in a message box when the package does not load.
  void switchSkinOrSay(const std::string& path);
  void ShowMessageBox(TObjectSender sender);
  void ShowMdiWindow(TObjectSender sender);
  void CloseGallery(TObjectSender sender);

  TMainMenu* FMenu = nullptr;
  TStatusBar* FStatus = nullptr;
  TSkinData* FSkin = nullptr;
  std::vector<std::uint8_t> FBuiltInSkin;  // the package of the stored form
  std::unique_ptr<TMdiDemo> FMdi;
};

}  // namespace velmora
