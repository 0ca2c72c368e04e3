// The load procedures of the element records.
#include "skin/data/skin_record_loader.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

int clampTile(int tile, int above) { return tile > 1 ? above : tile; }

}  // namespace

void TSkinRecordLoader::LoadSkinBitmap(TBitmap& bitmap, const std::string& value) const {
  const std::size_t cut = value.find_last_of("\\:");
  const std::string name = cut == std::string::npos ? value : value.substr(cut + 1);
  // The extension test is exact: ".BMP" loads nothing.
  const bool bmp = value.size() >= 4 && value.compare(value.size() - 4, 4, ".bmp") == 0;
  std::vector<std::uint8_t> bytes;
  if (!name.empty() && bmp) FPackage.ExtractEntry(name, bytes);
  if (bytes.empty() || !bitmap.LoadFromBytes(bytes)) bitmap.SetSize(0, 0);
}

COLORREF TSkinRecordLoader::colour(const std::string& section, const std::string& key, COLORREF def) const {
  const std::string value = text(section, key);
  return value.empty() ? def : ParseColorText(value);
}

void TSkinRecordLoader::readMargins(TDataSkinObject& record, const std::string& section) const {
  record.LeftWidth = integer(section, "LeftWidth", 0);
  record.RightWidth = integer(section, "RightWidth", 0);
  record.TopHeight = integer(section, "TopHeight", 0);
  record.BottomHeight = integer(section, "BottomHeight", 0);
}

void TSkinRecordLoader::readColours(TDataSkinObject& record, const std::string& section) const {
  record.NormalColour = integer(section, "NormalColour", -1);
  record.MouseOverColour = integer(section, "MouseOverColour", -1);
  record.PressedColour = integer(section, "PressedColour", -1);
  record.NormalColour2 = colour(section, "NormalColour2", FButtonText);
  record.MouseOverColour2 = colour(section, "MouseOverColour2", FButtonText);
  record.PressedColour2 = colour(section, "PressedColour2", FButtonText);
}

std::unique_ptr<TDataSkinObject> TSkinRecordLoader::LoadImageElement(const std::string& section) const {
  const std::string image = text(section, "Image");
  if (image.empty()) return nullptr;
  auto record = std::make_unique<TDataSkinObject>(section);
  LoadSkinBitmap(record->Map, image);
  record->Style = integer(section, "Style", 0);
  readMargins(*record, section);
  record->Frame = integer(section, "Frame", 0);
  record->Trans = integer(section, "Trans", 0);
  record->Tile = clampTile(integer(section, "Tile", 0), 0);
  readColours(*record, section);
  return record;
}

std::unique_ptr<TDataSkinBorder> TSkinRecordLoader::LoadImageElement2(const std::string& section,
                                                                      const std::string& secondKey) const {
  const std::string image = text(section, "Image");
  if (image.empty()) return nullptr;
  auto record = std::make_unique<TDataSkinBorder>(section);
  LoadSkinBitmap(record->Map, image);
  if (const std::string second = text(section, secondKey); !second.empty()) LoadSkinBitmap(record->Map2, second);
  record->Style = integer(section, "Style", 0);
  readMargins(*record, section);
  record->Trans = integer(section, "Trans", 0);
  record->Tile = clampTile(integer(section, "Tile", 0), 0);
  readColours(*record, section);
  return record;
}

std::unique_ptr<TDataSkinBorder> TSkinRecordLoader::LoadProgress() const {
  const std::string section = "Progress";
  const std::string image = text(section, "Bitmap");
  if (image.empty()) return nullptr;
  auto record = std::make_unique<TDataSkinBorder>(section);
  LoadSkinBitmap(record->Map, image);
  record->Style = integer(section, "Style", 0);
  readMargins(*record, section);
  record->Trans = integer(section, "Trans", 0);
  record->Tile = clampTile(integer(section, "Tile", 0), 1);
  return record;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinRecordLoader::LoadGroupBox() const {
  const std::string section = "GroupBox";
  const std::string image = text(section, "Image");
  if (image.empty()) return nullptr;
  auto record = std::make_unique<TDataSkinBoxLabel>(section);
  LoadSkinBitmap(record->Map, image);
  record->Style = integer(section, "Style", 0);
  readMargins(*record, section);
  record->Trans = integer(section, "Trans", 0);
  record->Tile = clampTile(integer(section, "Tile", 0), 0);
  readColours(*record, section);
  record->BackgroundAlignment = integer(section, "BackgroundAlignment", 0);
  record->BackgroundLeftShift = integer(section, "BackgroundLeftShift", 0);
  record->BackgroundRightShift = integer(section, "BackgroundRightShift", 0);
  return record;
}

void TSkinRecordLoader::LoadButtons(TDataSkinButton& b) const {
  const std::string section = "Buttons";
  readMargins(b, section);
  b.Trans = integer(section, "Trans", 0);
  LoadSkinBitmap(b.Map, text(section, "Bitmap"));
  b.Tile = clampTile(integer(section, "Tile", 0), 0);
  LoadSkinBitmap(b.CheckMap, text(section, "CheckButton"));
  LoadSkinBitmap(b.RadioMap, text(section, "RadioButton"));
  b.RadioButtonFrame = integer(section, "RadioButtonFrame", 0);
  b.CheckButtonFrame = integer(section, "CheckButtonFrame", 0);
  b.HasNormalColour2 = !text(section, "NormalColour2").empty();
  b.HasMouseOverColour2 = !text(section, "MouseOverColour2").empty();
  b.HasPressedColour2 = !text(section, "PressedColour2").empty();
  readColours(b, section);
}

// The horizontal edges give their fixed parts at the left and right ends with the
// same two keys that give the vertical edges' top and bottom parts.
void TSkinRecordLoader::LoadBorder(TDataSkinBorder& border) const {
  const std::string section = "Personality";
  const std::string& prefix = border.Name;
  const int first = integer(section, prefix + "TopHeight", 0);
  const int second = integer(section, prefix + "BotHeight", 0);
  if (prefix == "Left" || prefix == "Right") {
    border.TopHeight = first;
    border.BottomHeight = second;
    border.LeftWidth = border.RightWidth = 0;
  } else {
    border.LeftWidth = first;
    border.RightWidth = second;
    border.TopHeight = border.BottomHeight = 0;
  }
  border.Frame = integer(section, prefix + "Frame", 1);
  border.Tile = clampTile(integer(section, prefix + "Stretch", 1), 1);
  border.Trans = integer(section, prefix + "Trans", 1);
  LoadSkinBitmap(border.Map, text(section, prefix));
}

void TSkinRecordLoader::LoadTitle(TDataSkinTitle& title) const {
  const std::string section = "Personality";
  LoadSkinBitmap(title.Map, text(section, "TextBack"));
  title.LeftWidth = integer(section, "TextShift", 0);
  title.TopHeight = integer(section, "TextShiftVert", 0);
  title.RightWidth = integer(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = integer(section, "TextAlignment", 0);
  title.Textbackground = integer(section, "Textbackground", 0);
  title.FontHeight = integer("Fonts", "FontHeight", 14);
  title.TXTBackleft = integer(section, "TXTBackleft", 0);
  title.TXTBackRight = integer(section, "TXTBackRight", 0);
  // A text colour counts only when all three channels are given and not negative.
  auto rgb = [&](const std::string& name) -> COLORREF {
    const int r = integer(section, name + "R", -1), g = integer(section, name + "G", -1),
              b = integer(section, name + "B", -1);
    if (r < 0 || g < 0 || b < 0) return NoTitleColour;
    return RGB(r & 0xFF, g & 0xFF, b & 0xFF);
  };
  title.ActiveText = rgb("ActiveText");
  title.InActiveText = rgb("InActiveText");
}

std::unique_ptr<TDataSkinObject> TSkinRecordLoader::LoadMenuBar() const {
  const std::string section = "Personality";
  const std::string image = text(section, "menuBar");
  if (image.empty()) return nullptr;
  auto record = std::make_unique<TDataSkinObject>("Personality");
  LoadSkinBitmap(record->Map, image);
  record->TopHeight = record->BottomHeight = 0;
  record->Tile = clampTile(integer(section, "TileMenu", 1), 1);
  // Here the side fields carry the tile flags of the left and right parts.
  record->LeftWidth = integer(section, "TileLeftMenu", 1);
  record->RightWidth = integer(section, "TileRightMenu", 1);
  return record;
}

std::vector<std::unique_ptr<TDataSkinSysButton>> TSkinRecordLoader::LoadSysButtons() const {
  std::vector<std::string> kept;
  for (const std::string& section : FIni.ReadSections()) {
    const std::string name = upper(section);
    if (name.rfind("BUTTON", 0) != 0 || name == "BUTTONS" || name == "BUTTON.RADIO" ||
        name == "BUTTON.CHECKBOX" || name == "BUTTON")
      continue;
    if (integer(section, "Action", 0) == -1 && integer(section, "Visibility", -1) != 0) continue;
    kept.push_back(section);
  }
  std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
  buttons.reserve(kept.size() + 3);
  // Where the button with Action 1 and Visibility 2 sits; Action 4 takes it (the
  // origin when there is none).
  int rememberedX = 0, rememberedY = 0;
  for (const std::string& section : kept) {
    auto b = std::make_unique<TDataSkinSysButton>(upper(section));
    b->Action = integer(section, "Action", 0);
    b->Align = integer(section, "Align", 0);
    b->Xcoord = integer(section, "Xcoord", 0);
    b->Ycoord = integer(section, "Ycoord", 0);
    b->Visibility = integer(section, "Visibility", 0);
    b->Visibility1 = integer(section, "Visibility1", b->Action == -1 ? -1 : 0);
    b->CombineOp = integer(section, "CombineOp", -1);
    b->Frame = integer(section, "frame", 0);
    LoadSkinBitmap(b->Map, text(section, "ButtonImage"));
    if (b->Action == 1 && b->Visibility == 2) {
      rememberedX = b->Xcoord;
      rememberedY = b->Ycoord;
    }
    if (b->Action == 4) {
      b->Xcoord = rememberedX;
      b->Ycoord = rememberedY;
    }
    if (b->Frame == 0) {
      // Frames guessed from the image's proportions.
      b->Frame = 6;
      if (!b->Map.Empty()) {
        const double ratio = static_cast<double>(b->Map.Width()) / b->Map.Height();
        b->Frame = ratio <= 3.8 ? 3 : 6;
        if (b->Action < 0) b->Frame = 6;
      }
      if (b->Action == 3 || b->Action == 11) b->Map.SetSize(0, 0);
    }
    buttons.push_back(std::move(b));
  }
  for (int action = 7; action <= 9; ++action) {
    auto b = std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(action));
    b->Action = action;
    b->Align = b->Visibility = b->Visibility1 = 100;
    b->Frame = 4;
    buttons.push_back(std::move(b));
  }
  // Twelve frames side by side: three buttons of four states.
  TBitmap controls;
  LoadSkinBitmap(controls, text("MDICONTROLS", "Image"));
  if (!controls.Empty()) {
    const int w = controls.Width() / 12, h = controls.Height();
    for (int k = 0; k < 3 && w > 0; ++k) {
      TDataSkinSysButton& b = *buttons[buttons.size() - 3 + static_cast<std::size_t>(k)];
      b.Map.SetSize(4 * w, h, controls.PixelFormat());
      for (int y = 0; y < h; ++y)
        std::memcpy(b.Map.ScanLine(y), controls.ScanLine(y) + 4 * k * w * controls.BytesPerPixel(),
                    static_cast<std::size_t>(4 * w * controls.BytesPerPixel()));
      b.Xcoord = (3 - k) * (w + 4);
    }
  }
  return buttons;
}

}  // namespace velmora
