// The skin preview sheet.
#include "skin_preview.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "framework/bmp_image.h"
#include "pixel_font.h"
#include "skin/data/skin_reader.h"
#include "skin_sample.h"

namespace velmora::tools {

namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool isCaptionButtonSection(const std::string& section) {
  const std::string name = upper(section);
  return name.rfind("BUTTON", 0) == 0 && name != "BUTTONS" && name != "BUTTON.RADIO" && name != "BUTTON.CHECKBOX" &&
         name != "BUTTON";
}

// The frame count the engine guesses for a caption button without a "frame" key.
int guessedCaptionFrames(int action, const std::optional<std::pair<int, int>>& size) {
  if (!size || size->second <= 0) return 6;
  if (action < 0) return 6;
  return static_cast<double>(size->first) / size->second <= 3.8 ? 3 : 6;
}

// Check and radio strips without a frame count: 13 pixels a frame under 16 high, else
// 16, and never fewer than 4 frames.
int guessedGlyphFrames(const std::optional<std::pair<int, int>>& size) {
  if (!size) return 4;
  return std::max(size->first / (size->second < 16 ? 13 : 16), 4);
}

}  // namespace

const std::vector<TElementSection>& ElementSections() {
  static const std::vector<TElementSection> sections = {
      {"Progress", "Bitmap"},          {"Progress.Chunk", "Image"},      {"GroupBoxEdge", "Image"},
      {"GroupBox", "Image"},           {"Tabs", "Image"},                {"StatusBarEdges", "Image"},
      {"Tab.Pane", "Image"},           {"ToolBars", "Image"},            {"ComboButton", "Image"},
      {"SunkEdge", "Image"},           {"ExtraImages", "Image"},         {"Headerbar", "Image"},
      {"MenuItem", "Image"},           {"MenuBackground", "Image"},      {"Scrollbar", "Image"},
      {"HorzScroll", "Image"},         {"VertScroll", "Image"},          {"HorzScrollThumb", "Image"},
      {"VertScrollThumb", "Image"},    {"Trackbar.ThumbHorz", "Image"},  {"Trackbar.ThumbVert", "Image"},
      {"Trackbar.ThumbLeft", "Image"}, {"Trackbar.ThumbRight", "Image"}, {"Trackbar.ThumbUp", "Image"},
      {"Trackbar.ThumbDown", "Image"}, {"UpDown.Horz", "Image"},         {"UpDown.Vert", "Image"},
      {"Track", "Image"},              {"TRACKVERT", "Image"},
  };
  return sections;
}

std::vector<TSkinElement> SkinElements(const TQuickIni& ini, const TImageSize& imageSize) {
  std::vector<TSkinElement> out;
  auto add = [&](const std::string& section, const std::string& key, int frames, bool stacked = false,
                 std::string remark = {}) {
    const std::string image = ini.ReadString(section, key, "");
    if (!image.empty()) out.push_back({section, key, image, std::max(frames, 1), stacked, std::move(remark)});
  };
  const std::string p = "Personality";
  for (const char* side : {"Left", "Right"}) add(p, side, ini.ReadInteger(p, std::string(side) + "Frame", 1));
  for (const char* side : {"Top", "Bottom"}) add(p, side, ini.ReadInteger(p, std::string(side) + "Frame", 1), true);
  add(p, "TextBack", 2);
  add(p, "menuBar", 2);

  for (const std::string& section : ini.ReadSections()) {
    if (!isCaptionButtonSection(section)) continue;
    const int action = ini.ReadInteger(section, "Action", 0);
    if (action == -1 && ini.ReadInteger(section, "Visibility", -1) != 0) continue;
    const std::string image = ini.ReadString(section, "ButtonImage", "");
    int frames = ini.ReadInteger(section, "frame", 0);
    if (frames == 0) {
      if (action == 3 || action == 11) continue;  // the window icon is drawn instead
      frames = guessedCaptionFrames(action, imageSize(image));
    }
    add(section, "ButtonImage", frames, false, "action " + std::to_string(action));
  }
  add("MDICONTROLS", "Image", 12, false, "minimise, restore, close x 4 states");

  add("Buttons", "Bitmap", 5);
  const int check = ini.ReadInteger("Buttons", "CheckButtonFrame", 0);
  add("Buttons", "CheckButton", check ? check : guessedGlyphFrames(imageSize(ini.ReadString("Buttons", "CheckButton", ""))));
  const int radio = ini.ReadInteger("Buttons", "RadioButtonFrame", 0);
  add("Buttons", "RadioButton", radio ? radio : guessedGlyphFrames(imageSize(ini.ReadString("Buttons", "RadioButton", ""))));

  // Frame counts the engine sets after loading; 0 keeps the text's "Frame".
  const std::map<std::string, int> fixed = {
      {"Progress", ini.ReadInteger("Progress", "Style", 0) != 0 ? 1 : 2},
      {"GroupBoxEdge", 2}, {"GroupBox", 1}, {"Tabs", 5}, {"StatusBarEdges", 3}, {"Tab.Pane", 1},
      {"ToolBars", 5}, {"ComboButton", 4}, {"SunkEdge", 4}, {"ExtraImages", 5}, {"MenuItem", 5},
      {"MenuBackground", 1}, {"Scrollbar", 23}, {"HorzScroll", 4}, {"VertScroll", 4},
      {"HorzScrollThumb", ini.ReadInteger("HorzScrollThumb", "FrameCount", 3)},
      {"VertScrollThumb", ini.ReadInteger("VertScrollThumb", "FrameCount", 3)},
      {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},
      {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5}, {"Trackbar.ThumbDown", 5},
      {"UpDown.Horz", 8}, {"UpDown.Vert", 8},
      {"Headerbar", ini.ReadInteger("Headerbar", "Frame", 0) == 0 ? 5 : 0},
  };
  for (const TElementSection& s : ElementSections()) {
    const auto found = fixed.find(s.Section);
    const int frames = found != fixed.end() && found->second != 0 ? found->second : ini.ReadInteger(s.Section, "Frame", 0);
    add(s.Section, s.Key, frames);
    if (std::string(s.Section) == "Tabs") add("Tabs", "Border", 1);
    if (std::string(s.Section).rfind("UpDown.", 0) == 0) add(s.Section, "GlyphImage", frames);
  }
  return out;
}

namespace {

constexpr int SheetWidth = 1200, Margin = 16;
constexpr TColor Page = Rgb(238, 239, 241), Ink = Rgb(34, 38, 46), Quiet = Rgb(108, 114, 124),
                 Warning = Rgb(190, 36, 30), Outline = Rgb(150, 154, 160);
// A mid-grey checker board, so that light and dark glyphs both stand out.
constexpr TColor CheckerLight = Rgb(184, 188, 195), CheckerDark = Rgb(150, 155, 164);

// The sheet is drawn twice: once without a picture to measure its height, then for real.
class TSheet {
 public:
  explicit TSheet(TRaster* target) : FTarget(target) {}
  int Y = Margin;

  void Text(int x, int y, const std::string& text, TColor colour, int scale = 1) {
    if (FTarget) DrawText(*FTarget, x, y, text, colour, scale);
  }
  void Line(const std::string& text, TColor colour, int scale = 1) {
    Text(Margin, Y, text, colour, scale);
    Y += LineHeight * scale + 2;
  }
  void Picture(const TRaster& picture, int x, int y) {
    if (FTarget) FTarget->Paste(picture, x, y);
  }
  void Fill(int x, int y, int w, int h, TColor colour) {
    if (FTarget) FTarget->FillRect(x, y, w, h, colour);
  }
  void Frame(int x, int y, int w, int h, TColor colour) {
    Fill(x, y, w, 1, colour);
    Fill(x, y + h - 1, w, 1, colour);
    Fill(x, y, 1, h, colour);
    Fill(x + w - 1, y, 1, h, colour);
  }
  // The frame's pixels scaled up, magenta shown as a checker board.
  void Pixels(const TBmpImage& image, int sx, int sy, int w, int h, int x, int y, int zoom) {
    if (!FTarget) return;
    for (int yy = 0; yy < h; ++yy)
      for (int xx = 0; xx < w; ++xx) {
        const TColor c = image.Pixel(sx + xx, sy + yy) & 0xFFFFFF;
        for (int dy = 0; dy < zoom; ++dy)
          for (int dx = 0; dx < zoom; ++dx) {
            const int px = x + xx * zoom + dx, py = y + yy * zoom + dy;
            const TColor checker = ((px / 4 + py / 4) & 1) ? CheckerDark : CheckerLight;
            FTarget->Set(px, py, c == Magenta ? checker : c);
          }
      }
  }

 private:
  TRaster* FTarget;
};

TColor toColor(std::uint32_t colorRef) {
  return Rgb(static_cast<int>(colorRef & 0xFF), static_cast<int>(colorRef >> 8 & 0xFF),
             static_cast<int>(colorRef >> 16 & 0xFF));
}

std::string rgbText(TColor c) {
  return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}

// One swatch with its caption; a missing colour is hatched.
void swatch(TSheet& sheet, int x, int y, const std::string& caption, std::optional<TColor> colour) {
  constexpr int W = 30, H = 16;
  if (colour) {
    sheet.Fill(x, y, W, H, *colour);
  } else {
    for (int i = 0; i < H; ++i) sheet.Fill(x + i % 4 * 8, y + i, 8, 1, CheckerDark);
  }
  sheet.Frame(x, y, W, H, Outline);
  sheet.Text(x + W + 6, y + 4, caption, colour ? Ink : Quiet);
}

struct TSlotKey {
  int Slot;
  const char* Key;
};
constexpr TSlotKey SlotKeys[] = {{0, "WindowText"},     {1, "TitleTextActive"}, {2, "TitleTextNoActive"},
                                 {3, "ButtonFace"},     {4, "ButtonText"},      {5, "ButtonHilight"},
                                 {6, "Buttonlight"},    {7, "ButtonShadow"},    {8, "ButtonDkShadow"},
                                 {11, "HilightText"},   {12, "Hilight"},        {13, "Menubar"},
                                 {14, "MenuBarText"},   {15, "MenuText"},       {16, "Menu"},
                                 {18, "Scrollbar"}};

void colourBlock(TSheet& sheet, const TQuickIni& ini) {
  sheet.Line("Colours", Ink, 2);
  constexpr int ColumnWidth = (SheetWidth - 2 * Margin) / 4, RowHeight = 22;
  int i = 0;
  for (const TSlotKey& s : SlotKeys) {
    const std::string value = ini.ReadString("Colours", s.Key, "");
    std::optional<TColor> colour;
    if (!value.empty()) colour = toColor(ParseColorText(value));
    const std::string caption = std::to_string(s.Slot) + " " + s.Key + " " + (colour ? rgbText(*colour) : "(system)");
    swatch(sheet, Margin + i % 4 * ColumnWidth, sheet.Y + i / 4 * RowHeight, caption, colour);
    ++i;
  }
  sheet.Y += (i + 3) / 4 * RowHeight + 6;

  std::vector<std::pair<std::string, TColor>> extra;
  for (const std::string& section : ini.ReadSections())
    if (upper(section).rfind("COLOUR", 0) == 0 && upper(section) != "COLOURS")
      extra.emplace_back(section, toColor(ParseColorText(ini.ReadString(section, "color", "0 0 0"))));
  for (int k = 0; k < 10; ++k) {
    const std::string key = "Color" + std::to_string(k);
    const std::string value = ini.ReadString("Customcolors", key, "");
    if (!value.empty()) extra.emplace_back("Customcolors " + key, toColor(ParseColorText(value)));
  }
  i = 0;
  for (const auto& [caption, colour] : extra) {
    swatch(sheet, Margin + i % 4 * ColumnWidth, sheet.Y + i / 4 * RowHeight, caption + " " + rgbText(colour), colour);
    ++i;
  }
  sheet.Y += (i + 3) / 4 * RowHeight + 10;
}

int zoomFor(int w, int h) {
  const int side = std::max(w, h);
  return side <= 24 ? 3 : side <= 64 ? 2 : 1;
}

// An element: its label, then its frames side by side (wrapping), each numbered.
void elementBlock(TSheet& sheet, const TSkinElement& e, const TBmpImage* image) {
  std::string label = "[" + e.Section + "] " + e.Key + "=" + e.Image;
  if (!image) {
    sheet.Line(label + "  - bitmap missing or unreadable", Warning);
    sheet.Y += 6;
    return;
  }
  const int w = image->Width(), h = image->Height();
  label += "  " + std::to_string(w) + "x" + std::to_string(h) + ", " + std::to_string(e.Frames) +
           (e.Frames == 1 ? " frame" : " frames") + (e.Stacked ? " stacked" : "");
  if (!e.Remark.empty()) label += "  (" + e.Remark + ")";
  sheet.Line(label, Ink);
  const int along = e.Stacked ? h : w;
  if (along % e.Frames != 0)
    sheet.Line("size " + std::to_string(along) + " is not a multiple of " + std::to_string(e.Frames) + " frames",
               Warning);
  const int fw = e.Stacked ? w : w / e.Frames, fh = e.Stacked ? h / e.Frames : h;
  if (fw <= 0 || fh <= 0) {
    sheet.Y += 6;
    return;
  }
  int zoom = zoomFor(fw, fh);
  while (zoom > 1 && fw * zoom > SheetWidth - 2 * Margin) --zoom;
  const int cellW = std::max(fw * zoom + 2, TextWidth("23") + 2), cellH = fh * zoom + 2 + LineHeight + 2;
  int x = Margin;
  sheet.Y += 2;
  for (int f = 0; f < e.Frames; ++f) {
    if (x + cellW > SheetWidth - Margin && x > Margin) {
      x = Margin;
      sheet.Y += cellH + 4;
    }
    sheet.Frame(x, sheet.Y, fw * zoom + 2, fh * zoom + 2, Outline);
    sheet.Pixels(*image, e.Stacked ? 0 : f * fw, e.Stacked ? f * fh : 0, fw, fh, x + 1, sheet.Y + 1, zoom);
    const std::string number = std::to_string(f + 1);
    sheet.Text(x + (fw * zoom + 2 - TextWidth(number)) / 2, sheet.Y + fh * zoom + 4, number, Quiet);
    x += cellW + 6;
  }
  sheet.Y += cellH + 12;
}

struct TPreviewSkin {
  TSkinReader Reader{[](const std::string&) {}};
  TQuickIni Ini;
  std::map<std::string, std::optional<TBmpImage>> Images;

  // A bitmap named as the engine names them: the file-name part, ending in ".bmp".
  const TBmpImage* Image(const std::string& value) {
    const auto cached = Images.find(value);
    if (cached != Images.end()) return cached->second ? &*cached->second : nullptr;
    std::optional<TBmpImage> image;
    const std::size_t cut = value.find_last_of("\\:");
    const std::string name = cut == std::string::npos ? value : value.substr(cut + 1);
    const bool bmp = value.size() >= 4 && value.compare(value.size() - 4, 4, ".bmp") == 0;
    std::vector<std::uint8_t> bytes;
    if (!name.empty() && bmp) Reader.ExtractEntry(name, bytes);
    TBmpImage loaded;
    if (!bytes.empty() && loaded.LoadFromBytes(bytes)) image = std::move(loaded);
    const auto& kept = Images.emplace(value, std::move(image)).first->second;
    return kept ? &*kept : nullptr;
  }
};

// The skin's pieces put together: an active and an inactive window.
void sampleWindows(TSheet& sheet, TPreviewSkin& skin) {
  const TImageLookup lookup = [&](const std::string& value) { return skin.Image(value); };
  const TRaster active = RenderSampleWindow(skin.Ini, lookup, true);
  const TRaster inactive = RenderSampleWindow(skin.Ini, lookup, false);
  sheet.Picture(active, Margin, sheet.Y);
  sheet.Picture(inactive, Margin + active.Width() + 24, sheet.Y);
  sheet.Y += active.Height() + 16;
}

int drawSheet(TRaster* target, TPreviewSkin& skin, const std::vector<TSkinElement>& elements, const std::string& title) {
  TSheet sheet(target);
  sheet.Line("Skin preview: " + skin.Ini.ReadString("TitlebarSkin", "SkinName", "(no name)"), Ink, 2);
  sheet.Line(title + "  -  package version " + std::to_string(skin.Reader.Header().PackageVersion) + ", " +
                 std::to_string(skin.Reader.EntryCount()) + " entries. Checker = transparent (magenta).",
             Quiet);
  sheet.Y += 8;
  sampleWindows(sheet, skin);
  colourBlock(sheet, skin.Ini);
  sheet.Line("Elements", Ink, 2);
  sheet.Y += 4;
  for (const TSkinElement& e : elements) elementBlock(sheet, e, skin.Image(e.Image));

  std::string absent;
  for (const TElementSection& s : ElementSections())
    if (skin.Ini.ReadString(s.Section, s.Key, "").empty()) absent += std::string(absent.empty() ? "" : ", ") + s.Section;
  if (!absent.empty()) sheet.Line("Not in this skin: " + absent, Quiet);
  return sheet.Y + Margin;
}

}  // namespace

TRaster RenderSkinPreview(const std::vector<std::uint8_t>& package, const std::string& title) {
  TPreviewSkin skin;
  if (!skin.Reader.LoadPackage(package))
    throw std::runtime_error("not a loadable skin package: " + std::string(SkinLoadFailureText(skin.Reader.Failure())));
  std::vector<std::uint8_t> text;
  std::string name;
  skin.Reader.ExtractEntryContaining(".ini", text, name);
  if (text.empty()) throw std::runtime_error("the package has no definition text (.ini entry)");
  skin.Ini.LoadFromStream(text);
  const auto elements = SkinElements(skin.Ini, [&](const std::string& value) -> std::optional<std::pair<int, int>> {
    const TBmpImage* image = skin.Image(value);
    if (!image) return std::nullopt;
    return std::pair{image->Width(), image->Height()};
  });
  const int height = drawSheet(nullptr, skin, elements, title);
  TRaster sheet(SheetWidth, height, Page);
  drawSheet(&sheet, skin, elements, title);
  return sheet;
}

}  // namespace velmora::tools
