// TSkinData: the component a form carries to be skinned. It keeps the compressed skin
// package among the form's stored properties, reads it into element records and colour
// tables, keeps the settings that decide what is skinned, and switches skinning on and
// off through the skin manager. Every painter reads what it draws from here.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/gdi_object.h"
#include "framework/icons.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_options.h"
#include "skin/data/skin_records_set.h"
#include "skin/data/skin_reader.h"

namespace velmora {

class TControl;
class TWinControl;
class TSkinData;
class ISkinManager;

using TFormSkinEvent = std::function<void(TObjectSender sender, const std::string& name, bool& doSkin)>;
using TSkinControlEvent =
    std::function<void(TObjectSender sender, TSkinData* skinData, TWinControl* form, TControl* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>;
using TSkinFormEvent = std::function<void(TObjectSender sender, HWND window, const std::string& name)>;

class TSkinData : public TComponent {
 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The engine's version text.
  static constexpr const char* EngineVersion = "5.03.07.12";

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool active);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int tag) { FDisableTag = tag; }
  TSkinControlTypes SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes controls) { FSkinControls = controls; }
  TSkinOptions Options() const { return FOptions; }
  void SetOptions(TSkinOptions options) { FOptions = options; }
  std::vector<std::string>& Skin3rd() { return FSkin3rd; }
  const std::vector<std::string>& Skin3rd() const { return FSkin3rd; }
  std::string SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& path);
  // Switches to `package` (a package file's bytes) at run time: every skinned window and
  // control follows. A package that does not load leaves the skin in use as it was;
  // false then.
  bool UsePackage(std::vector<std::uint8_t> package);
  // "(Good)" while designing with a stored package, else "(none)"; writing does nothing.
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType type) { FSkinFormtype = type; }
  std::string Version() const { return EngineVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TFormSkinEvent OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;
  TSkinFormEvent OnBeforeSkinForm;
  TSkinFormEvent OnAfterSkinForm;

  // The stored package: "SkinStream" holds a signed 32-bit length and that many bytes.
  bool ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) override;
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;
  // The same block as the stored form holds it.
  std::vector<std::uint8_t> SkinStreamBlock() const;
  const std::vector<std::uint8_t>& StoredPackage() const { return FPackage; }

  // Reads the stored package; false (the previous skin's records kept) when it cannot.
  bool LoadSkin();
  // Fills every record and table from a loaded package's definition text.
  void ReadSkin(const TQuickIni& ini, const TSkinReader& package);
  // After a skin was loaded at run time: the skin manager refreshes.
  void UpdateSkin();
  // Asked by the skin manager before it skins a window; DoSkin holds its own verdict.
  void DoFormSkin(HWND window, const std::string& className, bool& doSkin);
  void DoSkinChanged();

  // Whether skinned frames are painted: the form skinning turns it off around a change
  // of a form's menu, so that no frame is drawn from a half-changed menu.
  bool FrameDrawing() const { return FFrameDrawing; }
  void SetFrameDrawing(bool on) { FFrameDrawing = on; }

  // True from creation and during every load, false once a skin was read completely.
  bool NoSkin() const { return FNoSkin; }
  // The window DoFormSkin was last asked about.
  HWND FormHandle() const { return FFormHandle; }

  // What was read.
  TSkinRecords Records;
  TSkinColors Colors;
  std::string SkinName;
  TImageList MenuGlyphs{nullptr};
  TFont CaptionFont;
  TBitmap CaptionIcon;
  HBRUSH FaceBrush() const { return FFaceBrush.Get(); }
  SIZE MaximizedSize() const { return FMaximizedSize; }

  // How the component reports a package it does not read (a message box by default).
  void SetMessageSink(TSkinReaderMessage sink) { FMessageSink = std::move(sink); }

 protected:
  void Loaded() override;

 private:
  bool designing() const { return ComponentState() & csDesigning; }
  void loadMenuGlyphs();
  void loadDefaultTracks();
  void deriveImages();
  void recreateCaptionFont();
  void buildCaptionIcon();
  void showMessage(const std::string& text) const;

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlTypes FSkinControls = DefaultSkinControls;
  TSkinOptions FOptions = DefaultSkinOptions;
  std::vector<std::string> FSkin3rd;
  std::string FSkinFile;
  TSkinFormType FSkinFormtype = TSkinFormType::sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;

  std::vector<std::uint8_t> FPackage;
  bool FNoSkin = true;
  bool FFrameDrawing = true;
  ISkinManager* FRegisteredWith = nullptr;  // compared, never called through
  HWND FFormHandle = nullptr;
  GdiBrush FFaceBrush;
  SIZE FMaximizedSize{};
  TSkinReaderMessage FMessageSink;
};

}  // namespace velmora
