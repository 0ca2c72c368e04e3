// Fills element records from a skin's definition text and the bitmaps of its package,
// by the load procedures of each kind of record. Nothing is reported: missing keys take
// their defaults, a missing image key leaves a record absent, a bitmap that is not in
// the package (or not named *.bmp) leaves an empty bitmap.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_records.h"

namespace velmora {

class TSkinRecordLoader {
 public:
  // `buttonText` is the default of the "...Colour2" keys (the skin's button text colour).
  TSkinRecordLoader(const TQuickIni& ini, const TSkinReader& package, COLORREF buttonText)
      : FIni(ini), FPackage(package), FButtonText(buttonText) {}

  // The file-name part of `value`, if it ends in exactly ".bmp", from the package;
  // otherwise (or when the entry is empty) an empty bitmap.
  void LoadSkinBitmap(TBitmap& bitmap, const std::string& value) const;

  // A: an image element; absent without "Image".
  std::unique_ptr<TDataSkinObject> LoadImageElement(const std::string& section) const;
  // B: an image element with a second image under `secondKey`; "Frame" is not read.
  std::unique_ptr<TDataSkinBorder> LoadImageElement2(const std::string& section, const std::string& secondKey) const;
  // C: the progress bar ("Bitmap" instead of "Image"; a tile above 1 becomes 1).
  std::unique_ptr<TDataSkinBorder> LoadProgress() const;
  // D: the group box.
  std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox() const;
  // E: push buttons, check boxes and radio buttons (the record always exists).
  void LoadButtons(TDataSkinButton& buttons) const;
  // F: one window border, named "Left", "Right", "Top" or "Bottom".
  void LoadBorder(TDataSkinBorder& border) const;
  // G: the caption text.
  void LoadTitle(TDataSkinTitle& title) const;
  // H: the menu bar; absent without "menuBar".
  std::unique_ptr<TDataSkinObject> LoadMenuBar() const;
  // I: the caption buttons, then the three menu-bar buttons of a maximised child.
  std::vector<std::unique_ptr<TDataSkinSysButton>> LoadSysButtons() const;

 private:
  int integer(const std::string& section, const std::string& key, int def) const {
    return FIni.ReadInteger(section, key, def);
  }
  std::string text(const std::string& section, const std::string& key) const { return FIni.ReadString(section, key, ""); }
  COLORREF colour(const std::string& section, const std::string& key, COLORREF def) const;
  void readColours(TDataSkinObject& record, const std::string& section) const;
  void readMargins(TDataSkinObject& record, const std::string& section) const;

  const TQuickIni& FIni;
  const TSkinReader& FPackage;
  COLORREF FButtonText;
};

}  // namespace velmora
