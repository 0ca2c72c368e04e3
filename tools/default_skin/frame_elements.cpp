// The window's own parts: borders with a rounded top, the caption text's background,
// the caption buttons, the buttons of a maximised MDI child, the menu bar and menus.
#include <vector>

#include "art.h"
#include "elements.h"
#include "theme.h"

namespace velmora::tools {

namespace {

using theme::TFramePalette;

// The borders are cut from one small window drawn whole, so that corners, edges and
// the title bar meet without a seam.
constexpr int TitleHeight = 30, BorderWidth = 4;
constexpr int SampleWidth = 64, SampleHeight = 48;
constexpr int TitleCorner = 8;   // fixed left and right ends of the title bar
constexpr int BottomCorner = 8;  // fixed bottom part of the side borders
constexpr double TopRadius = 7, BottomRadius = 4;

TShape windowShape(double inset) {
  const TShape top = RoundBox(inset, inset, SampleWidth - inset, SampleHeight - inset, TopRadius - inset);
  const TShape bottom = RoundBox(inset, inset, SampleWidth - inset, SampleHeight - inset, BottomRadius - inset);
  return [=](double x, double y) { return y < SampleHeight / 2.0 ? top(x, y) : bottom(x, y); };
}

TColor titleRow(const TFramePalette& p, int y) {
  if (y <= 1) return p.Gloss;
  if (y >= TitleHeight) return p.Side;
  return art::Gradient(p.TitleTop, p.TitleBottom, 2, TitleHeight - 1)(y);
}

TRaster sampleWindow(const TFramePalette& p) {
  TRaster r(SampleWidth, SampleHeight);
  r.Backdrop = theme::Current().Desktop;
  Paint(r, windowShape(0), [&](int y) { return titleRow(p, y); });
  // A darker line under the title and around the client area.
  for (int x = BorderWidth - 1; x <= SampleWidth - BorderWidth; ++x) {
    r.Set(x, TitleHeight - 1, p.Separator);
    r.Set(x, SampleHeight - BorderWidth, p.Inner);
  }
  for (int y = TitleHeight; y <= SampleHeight - BorderWidth; ++y) {
    r.Set(BorderWidth - 1, y, p.Inner);
    r.Set(SampleWidth - BorderWidth, y, p.Inner);
  }
  r.FillRect(BorderWidth, TitleHeight, SampleWidth - 2 * BorderWidth, SampleHeight - TitleHeight - BorderWidth,
             theme::Current().Face);
  Paint(r, Minus(windowShape(0), windowShape(1)), p.Outline);
  return r;
}

void addBorder(TSkinBuilder& skin, const std::string& side, const std::string& file, const TRaster& picture,
               int firstFixed, int secondFixed, bool transparent) {
  const std::string s = "Personality";
  skin.Image(s, side, file, picture)
      .Key(s, side + "TopHeight", firstFixed)
      .Key(s, side + "BotHeight", secondFixed)
      .Key(s, side + "Frame", 2)
      .Key(s, side + "Stretch", 1)
      .Key(s, side + "Trans", transparent ? 1 : 0);
}

}  // namespace

void AddWindowFrame(TSkinBuilder& skin) {
  const TRaster active = sampleWindow(theme::Current().ActiveFrame), inactive = sampleWindow(theme::Current().InactiveFrame);
  auto cut = [&](int x, int y, int w, int h) { return std::vector{active.Crop(x, y, w, h), inactive.Crop(x, y, w, h)}; };
  skin.Note("Personality", "Window borders: Left and Right hold their frames side by side (active, inactive),");
  skin.Note("Personality", "Top and Bottom one above the other. Magenta outside the rounded corners.");
  // The side borders run the window's full height: their top part repeats the title
  // bar's corner so that the window region keeps it round.
  addBorder(skin, "Left", "border_left.bmp", StripOf(cut(0, 0, BorderWidth, SampleHeight)), TitleHeight,
            BottomCorner, true);
  addBorder(skin, "Right", "border_right.bmp",
            StripOf(cut(SampleWidth - BorderWidth, 0, BorderWidth, SampleHeight)), TitleHeight, BottomCorner, true);
  addBorder(skin, "Top", "border_top.bmp", StackOf(cut(0, 0, SampleWidth, TitleHeight)), TitleCorner, TitleCorner,
            true);
  addBorder(skin, "Bottom", "border_bottom.bmp",
            StackOf(cut(BorderWidth, SampleHeight - BorderWidth, SampleWidth - 2 * BorderWidth, BorderWidth)), 0, 0,
            false);
}

void AddCaptionText(TSkinBuilder& skin) {
  // A faint pill behind the caption text, lighter than the title bar.
  auto pill = [](const TFramePalette& p) {
    const TColor back = Mix(p.TitleTop, p.TitleBottom, 0.5);
    TRaster r(24, 18);
    r.Backdrop = back;
    Paint(r, RoundBox(0, 0, 24, 18, 9), art::Gradient(Mix(p.TitleTop, theme::Current().White, 0.12),
                                                       Mix(p.TitleBottom, theme::Current().White, 0.08), 0, 18));
    return r;
  };
  const std::string s = "Personality";
  skin.Image(s, "TextBack", "caption_text.bmp", StripOf({pill(theme::Current().ActiveFrame), pill(theme::Current().InactiveFrame)}))
      .Key(s, "TXTBackleft", 9)
      .Key(s, "TXTBackRight", 9)
      .Key(s, "Textbackground", 1)
      .Key(s, "TextAlignment", 0)
      // The caption starts 3 pixels after the system menu icon (8 + 16) and may run up
      // to the minimise button (83 from the right edge): a narrow window such as the
      // backup program's (193 pixels) still shows a four-character title whole.
      .Key(s, "TextShift", 27)
      .Key(s, "TextShiftVert", 0)
      .Key(s, "TextRightClip", 83);
  auto rgb = [&](const std::string& name, TColor c) {
    skin.Key(s, name + "R", RedOf(c)).Key(s, name + "G", GreenOf(c)).Key(s, name + "B", BlueOf(c));
  };
  rgb("ActiveText", theme::Current().ActiveFrame.TitleText);
  rgb("InActiveText", theme::Current().InactiveFrame.TitleText);
}

namespace {

constexpr int CaptionButtonWidth = 26, CaptionButtonHeight = 20;

using TGlyphShape = TShape (*)(double cx, double cy, double size, double width);

enum class TCaptionState { Normal, Pressed, Hot, Inactive };

// One frame of a caption button: a flat glyph on the title bar, a soft box behind it
// under the mouse and when pressed (red for the close button).
TRaster captionButtonFrame(TGlyphShape glyph, TCaptionState state, bool closes) {
  const TFramePalette& p = state == TCaptionState::Inactive ? theme::Current().InactiveFrame : theme::Current().ActiveFrame;
  TRaster r(CaptionButtonWidth, CaptionButtonHeight);
  r.Backdrop = Mix(p.TitleTop, p.TitleBottom, 0.5);
  TColor ink = p.GlyphNormal;
  if (state == TCaptionState::Hot || state == TCaptionState::Pressed) {
    TColor box = state == TCaptionState::Hot ? Mix(p.TitleTop, theme::Current().White, 0.2) : Mix(p.TitleBottom, p.Outline, 0.6);
    if (closes) box = state == TCaptionState::Hot ? theme::Current().CloseHot : theme::Current().ClosePressed;
    art::DrawFace(r, 0, 0, CaptionButtonWidth, CaptionButtonHeight, {box, box, box, 4});
    ink = theme::Current().White;
  }
  if (state == TCaptionState::Inactive) ink = Mix(p.GlyphNormal, p.TitleBottom, 0.25);
  const double cx = CaptionButtonWidth / 2.0, cy = CaptionButtonHeight / 2.0;
  Paint(r, glyph(cx, cy, 10, 1.3), ink);
  return r;
}

TRaster captionButtonStrip(TGlyphShape glyph, bool closes) {
  return StripOf({captionButtonFrame(glyph, TCaptionState::Normal, closes),
                  captionButtonFrame(glyph, TCaptionState::Pressed, closes),
                  captionButtonFrame(glyph, TCaptionState::Hot, closes),
                  captionButtonFrame(glyph, TCaptionState::Inactive, closes)});
}

struct TCaptionButton {
  const char* Section;
  const char* File;
  TGlyphShape Glyph;
  int Action, Xcoord, Visibility, Visibility1;
};

// A small window picture: the button that opens the system menu sizes itself by it
// (the engine draws the window's own icon there).
TRaster systemMenuPicture() {
  TRaster r(16, 16);
  r.Backdrop = Mix(theme::Current().ActiveFrame.TitleTop, theme::Current().ActiveFrame.TitleBottom, 0.5);
  art::DrawFace(r, 1, 2, 15, 14, {theme::Current().White, theme::Current().FaceLight, theme::Current().ActiveFrame.Outline, 2});
  Paint(r, RoundBox(2, 3, 14, 6, 1), theme::Current().Accent);
  return r;
}

}  // namespace

void AddCaptionButtons(TSkinBuilder& skin) {
  // Right-aligned from the window's right edge: close, maximise or restore, minimise.
  // Visibility 2/1: shown while the window is not maximised / maximised; 6: the window
  // has a minimise or maximise box (and, as the first condition, a system menu); 10:
  // it has only a help box. The help button takes the maximise button's place.
  const TCaptionButton buttons[] = {
      {"ButtonClose", "caption_close.bmp", art::CloseGlyph, 0, 31, 0, 0},
      {"ButtonMaximize", "caption_maximize.bmp", art::MaximizeGlyph, 1, 57, 2, 6},
      {"ButtonRestore", "caption_restore.bmp", art::RestoreGlyph, 1, 57, 1, 6},
      {"ButtonMinimize", "caption_minimize.bmp", art::MinimizeGlyph, 2, 83, 6, 0},
      {"ButtonHelp", "caption_help.bmp", art::HelpGlyph, 4, 57, 10, 0},
  };
  skin.Note("ButtonClose", "Caption buttons: 4 frames (normal, pressed, hot, inactive or disabled).");
  for (const TCaptionButton& b : buttons) {
    skin.Key(b.Section, "Action", b.Action)
        .Key(b.Section, "Align", 1)
        .Key(b.Section, "Xcoord", b.Xcoord)
        .Key(b.Section, "Ycoord", 5)
        .Key(b.Section, "Visibility", b.Visibility)
        .Key(b.Section, "Visibility1", b.Visibility1)
        .Key(b.Section, "frame", 4)
        .Image(b.Section, "ButtonImage", b.File, captionButtonStrip(b.Glyph, b.Action == 0));
  }
  const std::string s = "ButtonSysMenu";
  skin.Note(s, "The window icon, left of the caption text; a click opens the system menu.");
  skin.Key(s, "Action", 3)
      .Key(s, "Align", 0)
      .Key(s, "Xcoord", 8)
      .Key(s, "Ycoord", 7)
      .Key(s, "Visibility", 0)
      .Key(s, "frame", 1)
      .Image(s, "ButtonImage", "caption_sysmenu.bmp", systemMenuPicture());
}

void AddMdiControls(TSkinBuilder& skin) {
  // Minimise, restore and close of a maximised MDI child, in the menu bar; 4 frames
  // each: normal, pressed, disabled, hot.
  std::vector<TRaster> frames;
  for (TGlyphShape glyph : {art::MinimizeGlyph, art::RestoreGlyph, art::CloseGlyph}) {
    for (int state = 1; state <= 4; ++state) {
      TRaster r(16, 14);
      r.Backdrop = theme::Current().MenuBar;
      TColor ink = theme::Current().Glyph;
      if (state == 2) {
        art::DrawFace(r, 0, 0, 16, 14, {Rgb(196, 210, 232), Rgb(206, 219, 238), theme::Current().AccentHotLine, 3});
        ink = theme::Current().AccentDark;
      } else if (state == 4) {
        art::DrawFace(r, 0, 0, 16, 14, {theme::Current().AccentSoft, theme::Current().AccentSoft, theme::Current().AccentHotLine, 3});
        ink = theme::Current().Accent;
      } else if (state == 3) {
        ink = theme::Current().GlyphDisabled;
      }
      Paint(r, glyph(8, 7, 8, 1.1), ink);
      frames.push_back(r);
    }
  }
  skin.Note("MDICONTROLS", "12 frames: minimise, restore, close of a maximised MDI child, 4 states each.");
  skin.Image("MDICONTROLS", "Image", "mdi_controls.bmp", StripOf(frames));
}

namespace {

TRaster menuBarFrame(bool active) {
  TRaster r(16, 20);
  const TColor top = active ? Rgb(244, 247, 251) : Rgb(240, 242, 245);
  const TColor bottom = active ? theme::Current().MenuBar : Rgb(236, 238, 242);
  for (int y = 0; y < 20; ++y) r.FillRect(0, y, 16, 1, art::Gradient(top, bottom, 0, 19)(y));
  r.FillRect(0, 19, 16, 1, theme::Current().LineSoft);
  return r;
}

// Menu items: 1 normal (transparent: the menu's background shows), 2 separator,
// 3 disabled, 4 selected, 5 selected while disabled.
TRaster menuItemFrame(int frame) {
  constexpr int W = 24, H = 20;
  TRaster r(W, H);
  r.Backdrop = theme::Current().Menu;
  if (frame == 2) {
    // The separator sits in the bottom eight rows, where a short separator item shows.
    r.FillRect(3, H - 5, W - 6, 1, theme::Current().LineSoft);
  } else if (frame == 4) {
    art::DrawFace(r, 1, 1, W - 1, H - 1, {theme::Current().AccentLight, theme::Current().Accent, theme::Current().AccentDark, 3, 0.18});
  } else if (frame == 5) {
    art::DrawFace(r, 1, 1, W - 1, H - 1, {Rgb(236, 239, 244), Rgb(230, 234, 240), theme::Current().LineSoft, 3});
  }
  return r;
}

TRaster menuBackground() {
  TRaster r(24, 24, theme::Current().Menu);
  r.FillRect(0, 0, 24, 24, theme::Current().MenuLine);
  r.FillRect(1, 1, 22, 22, theme::Current().Menu);
  return r;
}

}  // namespace

void AddMenus(TSkinBuilder& skin) {
  const std::string s = "Personality";
  skin.Image(s, "menuBar", "menubar.bmp", StripOf({menuBarFrame(true), menuBarFrame(false)}))
      .Key(s, "TileMenu", 1)
      .Key(s, "TileLeftMenu", 1)
      .Key(s, "TileRightMenu", 1);

  std::vector<TRaster> items;
  for (int frame = 1; frame <= 5; ++frame) items.push_back(menuItemFrame(frame));
  skin.Note("MenuItem", "5 frames: normal, separator, disabled, selected, selected while disabled.");
  skin.Image("MenuItem", "Image", "menu_item.bmp", StripOf(items))
      .Key("MenuItem", "LeftWidth", 3)
      .Key("MenuItem", "RightWidth", 3)
      .Key("MenuItem", "TopHeight", 3)
      .Key("MenuItem", "BottomHeight", 3)
      .Key("MenuItem", "Trans", 1);

  skin.Note("MenuBackground", "The pop-up menu's window: its outer 3 pixels are the menu's edge.");
  skin.Image("MenuBackground", "Image", "menu_background.bmp", menuBackground())
      .Key("MenuBackground", "LeftWidth", 3)
      .Key("MenuBackground", "RightWidth", 3)
      .Key("MenuBackground", "TopHeight", 3)
      .Key("MenuBackground", "BottomHeight", 3);
}

}  // namespace velmora::tools
