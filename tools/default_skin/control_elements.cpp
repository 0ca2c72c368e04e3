// Faces of the standard controls: push buttons, check boxes and radio buttons,
// progress bars, group boxes, tabs, status bars, tool bar buttons, combo boxes and
// list headers.
#include <vector>

#include "art.h"
#include "elements.h"
#include "theme.h"

namespace velmora::tools {

namespace {

using art::TFace;

// Margins of a nine-part face: the rounded corners stay unscaled.
void margins(TSkinBuilder& skin, const std::string& section, int left, int top, int right, int bottom) {
  skin.Key(section, "LeftWidth", left)
      .Key(section, "TopHeight", top)
      .Key(section, "RightWidth", right)
      .Key(section, "BottomHeight", bottom);
}

std::vector<TRaster> faces(int w, int h, const std::vector<TFace>& looks, TColor backdrop) {
  std::vector<TRaster> frames;
  for (const TFace& look : looks) frames.push_back(art::Face(w, h, look, backdrop));
  return frames;
}

// The push button's looks, shared by the tool bar and the header.
const TFace ButtonNormal{Rgb(252, 253, 254), Rgb(228, 233, 241), theme::Current().Line, 3.5, 0.6};
const TFace ButtonPressed{Rgb(208, 219, 235), Rgb(222, 230, 242), Rgb(104, 126, 162), 3.5};
const TFace ButtonDisabled{Rgb(241, 243, 246), Rgb(237, 240, 244), Rgb(204, 210, 220), 3.5};
const TFace ButtonHot{Rgb(255, 255, 255), Rgb(232, 240, 251), theme::Current().AccentHotLine, 3.5, 0.6};

}  // namespace

void AddPushButtons(TSkinBuilder& skin) {
  // 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default (an accent ring).
  std::vector<TRaster> frames = faces(26, 24, {ButtonNormal, ButtonPressed, ButtonDisabled, ButtonHot}, theme::Current().Face);
  TRaster focused = art::Face(26, 24, {ButtonNormal.Top, ButtonNormal.Bottom, theme::Current().Accent, 3.5, 0.6}, theme::Current().Face);
  Paint(focused, Minus(RoundBox(1, 1, 25, 23, 2.5), RoundBox(2, 2, 24, 22, 1.5)), Mix(theme::Current().AccentSoft, theme::Current().Accent, 0.25));
  frames.push_back(focused);
  const std::string s = "Buttons";
  skin.Note(s, "Push buttons, 5 frames: normal, pressed, disabled, hot, focused or default.");
  skin.Image(s, "Bitmap", "buttons.bmp", StripOf(frames));
  margins(skin, s, 5, 5, 5, 5);
  skin.Key(s, "Trans", 1).Key(s, "Tile", 0);
  skin.Colour(s, "NormalColour2", theme::Current().Text)
      .Colour(s, "MouseOverColour2", Rgb(24, 54, 104))
      .Colour(s, "PressedColour2", Rgb(20, 40, 76));
}

namespace {

enum class TMark { None, Check, Grey, Dot };
enum class TGlyphState { Normal, Hot, Pressed, Disabled };

// A 13 x 13 check box or radio glyph on the dialog face.
TRaster choiceGlyph(bool round, TMark mark, TGlyphState state) {
  TRaster r(13, 13);
  r.Backdrop = theme::Current().Face;
  const bool marked = mark != TMark::None;
  const bool disabled = state == TGlyphState::Disabled;
  TColor top = theme::Current().White, bottom = Rgb(240, 243, 247), border = theme::Current().Line, ink = theme::Current().White;
  if (state == TGlyphState::Hot) border = theme::Current().AccentHotLine, bottom = Rgb(236, 243, 252);
  if (state == TGlyphState::Pressed) top = bottom = theme::Current().AccentSoft, border = theme::Current().Accent;
  if (marked && !round) {
    top = state == TGlyphState::Hot ? theme::Current().AccentLight : theme::Current().Accent;
    bottom = state == TGlyphState::Pressed ? theme::Current().AccentDark : Mix(top, theme::Current().AccentDark, 0.5);
    border = theme::Current().AccentDark;
  }
  if (marked && round) border = state == TGlyphState::Pressed ? theme::Current().AccentDark : theme::Current().Accent;
  if (disabled) {
    top = bottom = Rgb(242, 244, 247);
    border = Rgb(200, 206, 216);
    ink = theme::Current().GlyphDisabled;
    if (marked && !round) top = bottom = Rgb(200, 208, 220), border = Rgb(184, 192, 205), ink = theme::Current().White;
  }
  if (round) {
    Paint(r, Circle(6.5, 6.5, 6.5), art::Gradient(top, bottom, 0, 13));
    Paint(r, Minus(Circle(6.5, 6.5, 6.5), Circle(6.5, 6.5, 5.4)), border);
    if (marked) {
      const TColor dot = disabled ? theme::Current().GlyphDisabled : state == TGlyphState::Hot ? theme::Current().AccentLight : theme::Current().Accent;
      Paint(r, Circle(6.5, 6.5, 3.1), dot);
    }
  } else {
    art::DrawFace(r, 0, 0, 13, 13, {top, bottom, border, 2.5});
    if (mark == TMark::Check) Paint(r, art::CheckMark(6.5, 6.6, 7.4, 1.6), ink);
    if (mark == TMark::Grey) Paint(r, RoundBox(3.5, 5.6, 9.5, 7.4, 0.8), ink);
  }
  return r;
}

TRaster choiceStrip(bool round, const std::vector<TMark>& marks) {
  std::vector<TRaster> frames;
  for (TMark mark : marks)
    for (TGlyphState state : {TGlyphState::Normal, TGlyphState::Hot, TGlyphState::Pressed, TGlyphState::Disabled})
      frames.push_back(choiceGlyph(round, mark, state));
  return StripOf(frames);
}

}  // namespace

void AddCheckAndRadio(TSkinBuilder& skin) {
  const std::string s = "Buttons";
  skin.Note(s, "CheckButton: 12 frames, unchecked / checked / grey, each normal, hot, pressed, disabled.");
  skin.Note(s, "RadioButton: 8 frames, unchecked / checked, each normal, hot, pressed, disabled.");
  skin.Image(s, "CheckButton", "checkbox.bmp", choiceStrip(false, {TMark::None, TMark::Check, TMark::Grey}))
      .Key(s, "CheckButtonFrame", 12)
      .Image(s, "RadioButton", "radio.bmp", choiceStrip(true, {TMark::None, TMark::Dot}))
      .Key(s, "RadioButtonFrame", 8);
}

void AddProgress(TSkinBuilder& skin) {
  // Frame 1 the track, frame 2 the bar.
  TRaster track(24, 14);
  track.Backdrop = theme::Current().Face;
  art::DrawFace(track, 0, 0, 24, 14, {Rgb(222, 227, 235), Rgb(241, 243, 247), Rgb(178, 189, 206), 4});
  TRaster bar = art::Face(24, 14, {theme::Current().AccentLight, theme::Current().Accent, theme::Current().AccentDark, 4, 0.3}, theme::Current().Face);
  skin.Note("Progress", "2 frames: the track, the bar.");
  skin.Image("Progress", "Bitmap", "progress.bmp", StripOf({track, bar}));
  margins(skin, "Progress", 5, 4, 5, 4);
  skin.Key("Progress", "Style", 0).Key("Progress", "Trans", 1).Key("Progress", "Tile", 0);

  // The block of a chunked bar: one pixel of gap on its right.
  TRaster chunk(9, 10);
  chunk.Backdrop = theme::Current().Face;
  art::DrawFace(chunk, 0, 0, 8, 10, {theme::Current().AccentLight, theme::Current().Accent, theme::Current().Accent, 1.5});
  skin.Image("Progress.Chunk", "Image", "progress_chunk.bmp", chunk)
      .Key("Progress.Chunk", "Frame", 1)
      .Key("Progress.Chunk", "Tile", 1)
      .Key("Progress.Chunk", "Trans", 1);
}

void AddGroupBox(TSkinBuilder& skin) {
  // The edge: a rounded line with a see-through middle; 1 normal, 2 disabled.
  auto edge = [](TColor line) {
    TRaster r(16, 16);
    r.Backdrop = theme::Current().Face;
    Paint(r, Minus(RoundBox(0, 0, 16, 16, 4), RoundBox(1, 1, 15, 15, 3)), line);
    return r;
  };
  skin.Image("GroupBoxEdge", "Image", "groupbox_edge.bmp", StripOf({edge(Rgb(176, 187, 204)), edge(Rgb(210, 216, 225))}));
  margins(skin, "GroupBoxEdge", 5, 5, 5, 5);
  skin.Key("GroupBoxEdge", "Trans", 1);

  // Behind the caption: a soft label.
  TRaster label = art::Face(24, 16, {Rgb(225, 231, 240), Rgb(219, 226, 236), Rgb(206, 214, 226), 8}, theme::Current().Face);
  skin.Image("GroupBox", "Image", "groupbox_label.bmp", label);
  margins(skin, "GroupBox", 8, 0, 8, 0);
  skin.Key("GroupBox", "Trans", 1)
      .Key("GroupBox", "BackgroundAlignment", 0)
      .Key("GroupBox", "BackgroundLeftShift", 4)
      .Key("GroupBox", "BackgroundRightShift", 4);
}

namespace {

// A tab: rounded top corners, open at the bottom when selected (it joins the page).
TRaster tabFrame(TColor top, TColor bottom, TColor border, bool selected, bool accent) {
  constexpr int W = 28, H = 24;
  TRaster r(W, H);
  r.Backdrop = theme::Current().Face;
  const TShape outer = RoundBox(0, 0, W, H + 4, 4);
  const TShape inner = RoundBox(1, 1, W - 1, H + 3, 3);
  Paint(r, outer, art::Gradient(top, bottom, 1, H));
  Paint(r, Minus(outer, inner), border);
  if (accent) Paint(r, art::Intersect(inner, art::Above(3)), theme::Current().Accent);
  if (!selected) r.FillRect(0, H - 1, W, 1, theme::Current().Line);
  return r;
}

}  // namespace

void AddTabs(TSkinBuilder& skin) {
  // 1 normal, 2 selected, 3 hot, 4 disabled, 5 selected with the focus.
  const std::vector<TRaster> frames = {
      tabFrame(Rgb(240, 243, 247), Rgb(226, 231, 239), theme::Current().Line, false, false),
      tabFrame(theme::Current().FaceLight, theme::Current().Face, theme::Current().Line, true, true),
      tabFrame(Rgb(250, 252, 255), Rgb(232, 239, 249), theme::Current().AccentHotLine, false, false),
      tabFrame(Rgb(238, 240, 244), Rgb(234, 237, 241), Rgb(206, 212, 222), false, false),
      tabFrame(theme::Current().White, theme::Current().Face, theme::Current().Accent, true, true),
  };
  TRaster border(16, 16, theme::Current().Face);
  border.FillRect(0, 0, 16, 16, theme::Current().Line);
  border.FillRect(1, 1, 14, 14, theme::Current().Face);
  skin.Note("Tabs", "5 frames: normal, selected, hot, disabled, selected with the focus. Border: the page's edge.");
  skin.Image("Tabs", "Image", "tabs.bmp", StripOf(frames)).Image("Tabs", "Border", "tab_border.bmp", border);
  margins(skin, "Tabs", 5, 5, 5, 2);
  skin.Key("Tabs", "Trans", 1)
      .Colour("Tabs", "NormalColour2", Rgb(64, 76, 96))
      .Colour("Tabs", "MouseOverColour2", theme::Current().Text);

  TRaster pane(16, 16, theme::Current().Line);
  pane.FillRect(1, 1, 14, 14, theme::Current().FaceLight);
  pane.FillRect(2, 2, 12, 12, theme::Current().Face);
  skin.Image("Tab.Pane", "Image", "tab_pane.bmp", pane);
  margins(skin, "Tab.Pane", 2, 2, 2, 2);
}

void AddStatusBar(TSkinBuilder& skin) {
  // 1 lowered, 2 raised, 3 flat panel.
  auto panel = [](TColor topLeft, TColor bottomRight) {
    TRaster r(12, 12, theme::Current().Face);
    r.FillRect(0, 0, 12, 1, topLeft);
    r.FillRect(0, 0, 1, 12, topLeft);
    r.FillRect(0, 11, 12, 1, bottomRight);
    r.FillRect(11, 0, 1, 12, bottomRight);
    return r;
  };
  TRaster flat(12, 12, theme::Current().Face);
  flat.FillRect(11, 2, 1, 8, theme::Current().LineSoft);
  skin.Note("StatusBarEdges", "3 frames: lowered, raised and flat panels.");
  skin.Image("StatusBarEdges", "Image", "statusbar.bmp",
             StripOf({panel(Rgb(186, 195, 210), theme::Current().White), panel(theme::Current().White, Rgb(186, 195, 210)), flat}));
  margins(skin, "StatusBarEdges", 2, 2, 2, 2);
  skin.Colour("StatusBarEdges", "NormalColour2", Rgb(52, 62, 78));
}

void AddToolBar(TSkinBuilder& skin) {
  // 1 normal (flat: the bar shows through), 2 pressed, 3 hot, 4 disabled, 5 checked.
  const TRaster flat(22, 22);
  const TRaster pressed = art::Face(22, 22, ButtonPressed, theme::Current().Face);
  const TRaster hot = art::Face(22, 22, {theme::Current().White, theme::Current().AccentSoft, theme::Current().AccentHotLine, 3.5, 0.5}, theme::Current().Face);
  const TRaster checked = art::Face(22, 22, {theme::Current().AccentSoft, Rgb(204, 219, 241), theme::Current().Accent, 3.5}, theme::Current().Face);
  skin.Note("ToolBars", "5 frames: normal, pressed, hot, disabled, checked.");
  skin.Image("ToolBars", "Image", "toolbar_buttons.bmp", StripOf({flat, pressed, hot, flat, checked}));
  margins(skin, "ToolBars", 4, 4, 4, 4);
  skin.Key("ToolBars", "Trans", 1);
}

namespace {

// Frames 1 normal, 2 pressed, 3 disabled, 4 hot (or focused) of the combo box.
enum class TComboState { Normal, Pressed, Disabled, Hot };
const TComboState ComboStates[] = {TComboState::Normal, TComboState::Pressed, TComboState::Disabled, TComboState::Hot};

TRaster sunkenEdge(TComboState state) {
  TColor border = theme::Current().Line, fill = theme::Current().White;
  if (state == TComboState::Hot) border = theme::Current().AccentHotLine;
  if (state == TComboState::Pressed) border = theme::Current().Accent;
  if (state == TComboState::Disabled) border = Rgb(204, 210, 220), fill = Rgb(243, 245, 248);
  TRaster r = art::Face(20, 21, {fill, fill, border, 2.5}, theme::Current().Face);
  return r;
}

// The drop-down button: a quiet separator and, under the mouse or pressed, a soft box.
TRaster comboButton(TComboState state) {
  TRaster r(19, 21);
  r.Backdrop = theme::Current().White;
  if (state == TComboState::Hot) art::DrawFace(r, 2, 2, 17, 19, {theme::Current().AccentSoft, theme::Current().AccentSoft, theme::Current().AccentSoft, 2});
  if (state == TComboState::Pressed)
    art::DrawFace(r, 2, 2, 17, 19, {Rgb(196, 212, 236), Rgb(204, 218, 240), Rgb(196, 212, 236), 2});
  if (state != TComboState::Hot && state != TComboState::Pressed) r.FillRect(0, 5, 1, 11, theme::Current().LineSoft);
  return r;
}

TColor arrowInk(TComboState state) {
  switch (state) {
    case TComboState::Pressed: return theme::Current().AccentDark;
    case TComboState::Disabled: return theme::Current().GlyphDisabled;
    case TComboState::Hot: return theme::Current().Accent;
    default: return theme::Current().Glyph;
  }
}

}  // namespace

void AddComboBox(TSkinBuilder& skin) {
  std::vector<TRaster> edges, buttons, glyphs;
  for (TComboState state : ComboStates) {
    edges.push_back(sunkenEdge(state));
    buttons.push_back(comboButton(state));
    TRaster glyph(12, 12);
    glyph.Backdrop = theme::Current().White;
    Paint(glyph, art::Chevron(6, 6, 3.5, art::TDirection::Down, 1.5), arrowInk(state));
    glyphs.push_back(glyph);
  }
  // Frame 5 of the extra images: the size grip of a status bar.
  TRaster grip(12, 12);
  grip.Backdrop = theme::Current().Face;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j <= i; ++j) Paint(grip, RoundBox(9.0 - 3 * j, 9.0 - 3 * (i - j), 11.0 - 3 * j, 11.0 - 3 * (i - j), 0.6), Rgb(160, 171, 189));
  glyphs.push_back(grip);

  skin.Note("SunkEdge", "The edit frame of a combo box, 4 frames: normal, pressed, disabled, hot.");
  skin.Image("SunkEdge", "Image", "sunken_edge.bmp", StripOf(edges));
  margins(skin, "SunkEdge", 3, 3, 3, 3);
  skin.Key("SunkEdge", "Trans", 1);
  skin.Note("ComboButton", "The drop-down button, 4 frames as SunkEdge.");
  skin.Image("ComboButton", "Image", "combo_button.bmp", StripOf(buttons));
  margins(skin, "ComboButton", 3, 3, 3, 3);
  skin.Key("ComboButton", "Trans", 1);
  skin.Note("ExtraImages", "5 frames: the drop-down arrow (normal, pressed, disabled, hot), the size grip.");
  skin.Image("ExtraImages", "Image", "extra_images.bmp", StripOf(glyphs)).Key("ExtraImages", "Trans", 1);
}

void AddHeader(TSkinBuilder& skin) {
  // 1 normal, 2 hot, 3 pressed, 4 disabled, 5 sorted (an accent line at the bottom).
  auto item = [](TColor top, TColor bottom, TColor base) {
    TRaster r(20, 22);
    for (int y = 0; y < 22; ++y) r.FillRect(0, y, 20, 1, art::Gradient(top, bottom, 0, 21)(y));
    r.FillRect(19, 4, 1, 14, theme::Current().LineSoft);
    r.FillRect(0, 21, 20, 1, base);
    return r;
  };
  TRaster sorted = item(theme::Current().White, Rgb(238, 242, 247), Rgb(196, 204, 216));
  sorted.FillRect(0, 20, 20, 2, theme::Current().Accent);
  skin.Note("Headerbar", "5 frames: normal, hot, pressed, disabled, sorted.");
  skin.Image("Headerbar", "Image", "header.bmp",
             StripOf({item(theme::Current().White, Rgb(238, 242, 247), Rgb(196, 204, 216)),
                      item(theme::Current().White, Rgb(226, 236, 250), theme::Current().AccentHotLine),
                      item(Rgb(214, 223, 236), Rgb(222, 230, 242), Rgb(150, 166, 192)),
                      item(Rgb(245, 246, 248), Rgb(242, 244, 247), Rgb(214, 219, 227)), sorted}));
  margins(skin, "Headerbar", 3, 3, 3, 3);
  skin.Key("Headerbar", "Frame", 5);
}

}  // namespace velmora::tools
