// The preview's sample window.
#include "skin_sample.h"

#include <algorithm>

#include "pixel_font.h"

namespace velmora::tools {

namespace {

constexpr int WindowWidth = SampleWindowWidth, WindowHeight = SampleWindowHeight, MenuHeight = 20;

struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// One piece of a skin: a bitmap, its frames and fixed margins.
struct TPiece {
  const TBmpImage* Image = nullptr;
  int Frames = 1;
  bool Stacked = false;
  TMargins Fixed;
  bool Transparent = true;
};

}  // namespace

int NinePartSource(int d, int length, int frameLength, int fixedStart, int fixedEnd) {
  if (length <= 0 || frameLength <= 0) return 0;
  if (fixedStart + fixedEnd >= length || fixedStart + fixedEnd >= frameLength) return d * frameLength / length;
  if (d < fixedStart) return d;
  if (d >= length - fixedEnd) return frameLength - (length - d);
  return fixedStart + (d - fixedStart) * (frameLength - fixedStart - fixedEnd) / (length - fixedStart - fixedEnd);
}

namespace {

// Nine-part fitting of frame `frame` (from 1) into (x, y, w, h); magenta is skipped.
void draw(TRaster& r, const TPiece& p, int frame, int x, int y, int w, int h) {
  if (!p.Image || p.Image->Empty() || p.Frames < 1) return;
  frame = std::clamp(frame, 1, p.Frames);
  const int fw = p.Stacked ? p.Image->Width() : p.Image->Width() / p.Frames;
  const int fh = p.Stacked ? p.Image->Height() / p.Frames : p.Image->Height();
  const int ox = p.Stacked ? 0 : (frame - 1) * fw, oy = p.Stacked ? (frame - 1) * fh : 0;
  for (int dy = 0; dy < h; ++dy)
    for (int dx = 0; dx < w; ++dx) {
      const int sx = ox + NinePartSource(dx, w, fw, p.Fixed.Left, p.Fixed.Right);
      const int sy = oy + NinePartSource(dy, h, fh, p.Fixed.Top, p.Fixed.Bottom);
      const TColor c = p.Image->Pixel(sx, sy) & 0xFFFFFF;
      if (!(p.Transparent && c == Magenta)) r.Set(x + dx, y + dy, c);
    }
}

int frameWidth(const TPiece& p) { return p.Image && p.Frames > 0 ? p.Image->Width() / p.Frames : 0; }

TColor colourOf(const TQuickIni& ini, const std::string& key, TColor fallback) {
  const std::string value = ini.ReadString("Colours", key, "");
  if (value.empty()) return fallback;
  const std::uint32_t c = ParseColorText(value);
  return Rgb(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF), static_cast<int>(c >> 16 & 0xFF));
}

class TSample {
 public:
  TSample(const TQuickIni& ini, const TImageLookup& image, bool active)
      : FIni(ini), FImage(image), FActive(active), FWindow(WindowWidth, WindowHeight, Rgb(238, 239, 241)) {}

  TRaster Render() {
    frame();
    client();
    return FWindow;
  }

 private:
  TPiece piece(const std::string& section, const std::string& key, int frames, bool withMargins = true) {
    TPiece p;
    p.Image = FImage(FIni.ReadString(section, key, ""));
    p.Frames = frames;
    if (withMargins)
      p.Fixed = {FIni.ReadInteger(section, "LeftWidth", 0), FIni.ReadInteger(section, "TopHeight", 0),
                 FIni.ReadInteger(section, "RightWidth", 0), FIni.ReadInteger(section, "BottomHeight", 0)};
    return p;
  }

  TPiece border(const std::string& side) {
    const std::string s = "Personality";
    TPiece p;
    p.Image = FImage(FIni.ReadString(s, side, ""));
    p.Frames = std::max(FIni.ReadInteger(s, side + "Frame", 1), 1);
    const int first = FIni.ReadInteger(s, side + "TopHeight", 0), second = FIni.ReadInteger(s, side + "BotHeight", 0);
    p.Stacked = side == "Top" || side == "Bottom";
    p.Fixed = p.Stacked ? TMargins{first, 0, second, 0} : TMargins{0, first, 0, second};
    p.Transparent = FIni.ReadInteger(s, side + "Trans", 1) == 1;
    return p;
  }

  int thickness(const TPiece& p, bool vertical) const {
    if (!p.Image) return 0;
    return p.Stacked ? p.Image->Height() / p.Frames : vertical ? p.Image->Width() / p.Frames : p.Image->Height();
  }

  void frame() {
    const TPiece left = border("Left"), right = border("Right"), top = border("Top"), bottom = border("Bottom");
    FLeft = thickness(left, true);
    FRight = thickness(right, true);
    FTop = thickness(top, false);
    FBottom = thickness(bottom, false);
    const int f = FActive ? 1 : 2;
    draw(FWindow, left, f, 0, 0, FLeft, WindowHeight);
    draw(FWindow, right, f, WindowWidth - FRight, 0, FRight, WindowHeight);
    draw(FWindow, bottom, f, FLeft, WindowHeight - FBottom, WindowWidth - FLeft - FRight, FBottom);
    draw(FWindow, top, f, 0, 0, WindowWidth, FTop);
    captionText();
    captionButtons();
    menuBar();
  }

  void captionText() {
    const std::string s = "Personality";
    const std::string text = FActive ? "Velmora - sample window" : "Velmora - inactive";
    const int textWidth = TextWidth(text);
    const int x = FIni.ReadInteger(s, "TextShift", 0);
    const int backLeft = FIni.ReadInteger(s, "TXTBackleft", 0), backRight = FIni.ReadInteger(s, "TXTBackRight", 0);
    TPiece back = piece(s, "TextBack", 2, false);
    back.Fixed = {backLeft, 0, backRight, 0};
    const int backHeight = 16, y = (FTop - backHeight) / 2;
    draw(FWindow, back, FActive ? 1 : 2, x, y, textWidth + backLeft + backRight, backHeight);
    const TColor ink = colourOf(FIni, FActive ? "TitleTextActive" : "TitleTextNoActive", Rgb(255, 255, 255));
    DrawText(FWindow, x + backLeft, (FTop - 7) / 2, text, ink);
  }

  // Whether a visibility code holds for a normal, not maximised window with a system
  // menu, minimise and maximise boxes and no help box.
  bool visible(int code, bool second) const {
    if (code == 0 || code == 2 || code == 6 || code == 8) return true;
    if (code == 3) return FActive;
    if (code == 4) return !FActive;
    if (code == 100 || (code >= 1000 && code <= 2000)) return second;
    return code >= 201 && code <= 999;
  }

  void captionButtons() {
    for (const std::string& section : FIni.ReadSections()) {
      std::string upper = section;
      for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
      if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTONS" || upper == "BUTTON" || upper == "BUTTON.RADIO" ||
          upper == "BUTTON.CHECKBOX")
        continue;
      if (!visible(FIni.ReadInteger(section, "Visibility", 0), false) ||
          !visible(FIni.ReadInteger(section, "Visibility1", 0), true))
        continue;
      const int frames = std::max(FIni.ReadInteger(section, "frame", 1), 1);
      const TPiece p = piece(section, "ButtonImage", frames, false);
      if (!p.Image) continue;
      const int w = frameWidth(p), h = p.Image->Height();
      const int xcoord = FIni.ReadInteger(section, "Xcoord", 0), ycoord = FIni.ReadInteger(section, "Ycoord", 0);
      const int align = FIni.ReadInteger(section, "Align", 0);
      const int x = align == 1 ? WindowWidth - xcoord : xcoord;
      draw(FWindow, p, FActive || frames < 4 ? 1 : 4, x, ycoord, w, h);
    }
  }

  void menuBar() {
    const TPiece bar = piece("Personality", "menuBar", 2, false);
    const int y = FTop;
    if (bar.Image) {
      draw(FWindow, bar, FActive ? 1 : 2, FLeft, y, WindowWidth - FLeft - FRight, MenuHeight);
    } else {
      FWindow.FillRect(FLeft, y, WindowWidth - FLeft - FRight, MenuHeight, colourOf(FIni, "Menubar", Rgb(240, 240, 240)));
    }
    const TColor ink = colourOf(FIni, "MenuBarText", Rgb(0, 0, 0));
    int x = FLeft + 10;
    for (const char* item : {"File", "Edit", "View", "Help"}) {
      DrawText(FWindow, x, y + 6, item, ink);
      x += TextWidth(item) + 16;
    }
  }

  void label(int x, int y, const std::string& text) { DrawText(FWindow, x, y, text, colourOf(FIni, "ButtonText", 0)); }

  void client() {
    const int x0 = FLeft, y0 = FTop + MenuHeight;
    const int w = WindowWidth - FLeft - FRight, h = WindowHeight - y0 - FBottom;
    FWindow.FillRect(x0, y0, w, h, colourOf(FIni, "ButtonFace", Rgb(236, 236, 236)));
    pushButtons(x0 + 14, y0 + 14);
    choices(x0 + 14, y0 + 52);
    progress(x0 + 14, y0 + 124);
    combo(x0 + 14, y0 + 150);
    trackBar(x0 + 14, y0 + 184);
    tabs(x0 + 210, y0 + 14);
    popupMenu(x0 + 250, y0 + 116);
    scrollBar(x0 + w - 17, y0, h);
  }

  void pushButtons(int x, int y) {
    const TPiece p = piece("Buttons", "Bitmap", 5);
    const struct {
      const char* Text;
      int Frame;
    } buttons[] = {{"OK", 5}, {"Cancel", 1}, {"Hot", 4}, {"Off", 3}};
    for (const auto& b : buttons) {
      draw(FWindow, p, b.Frame, x, y, 44, 24);
      DrawText(FWindow, x + (44 - TextWidth(b.Text)) / 2, y + 8, b.Text,
               b.Frame == 3 ? colourOf(FIni, "ButtonShadow", 0) : colourOf(FIni, "ButtonText", 0));
      x += 48;
    }
  }

  void choices(int x, int y) {
    const int checkFrames = std::max(FIni.ReadInteger("Buttons", "CheckButtonFrame", 4), 1);
    const int radioFrames = std::max(FIni.ReadInteger("Buttons", "RadioButtonFrame", 4), 1);
    const TPiece check = piece("Buttons", "CheckButton", checkFrames, false);
    const TPiece radio = piece("Buttons", "RadioButton", radioFrames, false);
    const bool wideCheck = checkFrames == 12, wideRadio = radioFrames == 8;
    const struct {
      const char* Text;
      int Frame4, Frame12;
    } checks[] = {{"Unchecked", 1, 1}, {"Checked", 2, 5}, {"Grey", 4, 9}};
    for (const auto& c : checks) {
      if (check.Image) draw(FWindow, check, wideCheck ? c.Frame12 : c.Frame4, x, y, frameWidth(check), check.Image->Height());
      label(x + 18, y + 3, c.Text);
      y += 18;
    }
    const struct {
      const char* Text;
      int Frame4, Frame8;
    } radios[] = {{"Off", 1, 1}, {"On", 2, 5}};
    for (const auto& c : radios) {
      if (radio.Image) draw(FWindow, radio, wideRadio ? c.Frame8 : c.Frame4, x + 100, y - 54, frameWidth(radio), radio.Image->Height());
      label(x + 118, y - 51, c.Text);
      y += 18;
    }
  }

  void progress(int x, int y) {
    const TPiece p = piece("Progress", "Bitmap", FIni.ReadInteger("Progress", "Style", 0) != 0 ? 1 : 2);
    draw(FWindow, p, 1, x, y, 180, 16);
    draw(FWindow, p, 2, x, y, 112, 16);
  }

  void combo(int x, int y) {
    const TPiece edge = piece("SunkEdge", "Image", 4), button = piece("ComboButton", "Image", 4);
    const TPiece glyph = piece("ExtraImages", "Image", 5, false);
    draw(FWindow, edge, 1, x, y, 180, 21);
    draw(FWindow, button, 1, x + 180 - 19, y, 19, 21);
    if (glyph.Image) {
      const int gw = frameWidth(glyph), gh = glyph.Image->Height();
      draw(FWindow, glyph, 1, x + 180 - 19 + (19 - gw) / 2, y + (21 - gh) / 2, gw, gh);
    }
    label(x + 6, y + 7, "Combo box");
  }

  void trackBar(int x, int y) {
    const TPiece channel = piece("Track", "Image", 1);
    const TPiece thumb = piece("Trackbar.ThumbDown", "Image", 5);
    draw(FWindow, channel, 1, x, y + 8, 180, channel.Image ? channel.Image->Height() : 4);
    if (thumb.Image) draw(FWindow, thumb, 2, x + 60, y, frameWidth(thumb), thumb.Image->Height());
  }

  void tabs(int x, int y) {
    const TPiece tab = piece("Tabs", "Image", 5), pane = piece("Tab.Pane", "Image", 1);
    draw(FWindow, pane, 1, x, y + 22, 200, 110);
    int tx = x;
    for (int i = 0; i < 3; ++i) {
      const bool selected = i == 0;
      const int th = selected ? 24 : 22;
      draw(FWindow, tab, selected ? 2 : 1, tx, y + 24 - th, 60, th);
      label(tx + 12, y + 24 - th + 8, i == 0 ? "Backup" : i == 1 ? "Timer" : "About");
      tx += 60;
    }
    label(x + 12, y + 40, "Page body");
    const TPiece header = piece("Headerbar", "Image", 5);
    draw(FWindow, header, 1, x + 8, y + 60, 90, 22);
    draw(FWindow, header, 2, x + 98, y + 60, 94, 22);
    label(x + 14, y + 67, "Name");
    label(x + 104, y + 67, "Size");
  }

  // A pop-up menu as the menu skinning draws it: the background over the whole window,
  // items over it, the separator's frame aligned to the bottom of a short item.
  void popupMenu(int x, int y) {
    constexpr int W = 150, ItemHeight = 20, SeparatorHeight = 8;
    const TPiece back = piece("MenuBackground", "Image", 1), item = piece("MenuItem", "Image", 5);
    const int h = 3 + ItemHeight * 3 + SeparatorHeight + 3;
    draw(FWindow, back, 1, x, y, W, h);
    const TColor text = colourOf(FIni, "MenuText", 0), selected = colourOf(FIni, "HilightText", Rgb(255, 255, 255));
    const int indent = 3 + FIni.ReadInteger("MenuItem", "LeftWidth", 0) + 20;
    int iy = y + 3;
    const struct {
      const char* Text;
      int Frame;
    } items[] = {{"Back up now", 4}, {"Settings", 1}, {"-", 2}, {"Exit", 1}};
    for (const auto& i : items) {
      if (i.Frame == 2) {
        // Only the frame's bottom rows show in a separator's short item.
        const int fh = item.Image ? item.Image->Height() : SeparatorHeight;
        TRaster cell(W - 6, fh, Magenta);
        draw(cell, item, 2, 0, 0, W - 6, fh);
        for (int yy = 0; yy < SeparatorHeight; ++yy)
          for (int xx = 0; xx < W - 6; ++xx) {
            const TColor c = cell.Get(xx, std::max(fh - SeparatorHeight, 0) + yy);
            if (c != Magenta) FWindow.Set(x + 3 + xx, iy + yy, c);
          }
        iy += SeparatorHeight;
        continue;
      }
      draw(FWindow, item, i.Frame, x + 3, iy, W - 6, ItemHeight);
      DrawText(FWindow, x + indent, iy + 7, i.Text, i.Frame == 4 ? selected : text);
      iy += ItemHeight;
    }
  }

  void scrollBar(int x, int y, int h) {
    const int frames = std::max(FIni.ReadInteger("VertScrollThumb", "FrameCount", 3), 1);
    const TPiece glyphs = piece("Scrollbar", "Image", 23, false);
    const TPiece track = piece("VertScroll", "Image", 4), thumb = piece("VertScrollThumb", "Image", frames);
    draw(FWindow, track, 1, x, y + 17, 17, h - 34);
    draw(FWindow, glyphs, 9, x, y, 17, 17);
    draw(FWindow, glyphs, 13, x, y + h - 17, 17, 17);
    draw(FWindow, thumb, 1, x, y + 40, 17, 60);
    draw(FWindow, glyphs, 20, x, y + 40 + (60 - 17) / 2, 17, 17);
  }

  const TQuickIni& FIni;
  const TImageLookup& FImage;
  bool FActive;
  TRaster FWindow;
  int FLeft = 0, FRight = 0, FTop = 0, FBottom = 0;
};

}  // namespace

TRaster RenderSampleWindow(const TQuickIni& ini, const TImageLookup& image, bool active) {
  return TSample(ini, image, active).Render();
}

}  // namespace velmora::tools
