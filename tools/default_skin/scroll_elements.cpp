// Scroll bars (arrows, grips, tracks, thumbs), track bars (channel and thumbs) and
// spin buttons.
#include <vector>

#include "art.h"
#include "elements.h"
#include "theme.h"

namespace velmora::tools {

namespace {

using art::TDirection;

// The arrow extent the engine expects: the system's scroll arrow size.
constexpr int Arrow = 17;

enum class TArrowState { Normal, Pressed, Disabled, Hot };

// A scroll arrow button: the track's colour with a small arrow; a soft box behind it
// under the mouse, a darker one while pressed.
TRaster scrollArrow(TDirection direction, TArrowState state) {
  TRaster r(Arrow, Arrow, theme::Current().Track);
  TColor ink = theme::Current().Glyph;
  if (state == TArrowState::Hot) {
    art::DrawFace(r, 1, 1, Arrow - 1, Arrow - 1, {Rgb(214, 222, 234), Rgb(206, 215, 229), Rgb(206, 215, 229), 3});
    ink = theme::Current().LineDark;
  } else if (state == TArrowState::Pressed) {
    art::DrawFace(r, 1, 1, Arrow - 1, Arrow - 1, {theme::Current().ThumbPressed, theme::Current().ThumbPressed, theme::Current().ThumbPressed, 3});
    ink = theme::Current().White;
  } else if (state == TArrowState::Disabled) {
    ink = theme::Current().GlyphDisabled;
  }
  Paint(r, art::Arrow(Arrow / 2.0, Arrow / 2.0, 3.6, direction), ink);
  return r;
}

// Grip lines centred on a thumb, on magenta: horizontal thumbs get upright lines.
TRaster thumbGrip(bool horizontal, TColor ink) {
  TRaster r(Arrow, Arrow);
  r.Backdrop = theme::Current().Thumb;
  for (int i = -1; i <= 1; ++i) {
    const double at = Arrow / 2.0 + 2.0 * i;
    const TShape line = horizontal ? RoundBox(at - 0.5, 6.5, at + 0.5, 10.5, 0.3) : RoundBox(6.5, at - 0.5, 10.5, at + 0.5, 0.3);
    Paint(r, line, ink);
  }
  return r;
}

// The spare last frame: the corner where two scroll bars meet.
TRaster scrollCorner() {
  TRaster r(Arrow, Arrow, theme::Current().Track);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j <= i; ++j)
      Paint(r, RoundBox(12.0 - 3 * j, 12.0 - 3 * (i - j), 14.0 - 3 * j, 14.0 - 3 * (i - j), 0.6), theme::Current().Thumb);
  return r;
}

TRaster trackFrame(TColor fill, bool horizontal) {
  TRaster r(16, Arrow, fill);
  return horizontal ? r : r.Transpose();
}

TRaster thumbFrame(TColor colour, bool horizontal) {
  // A pill nine pixels thick along the bar's middle.
  TRaster r(24, Arrow);
  r.Backdrop = theme::Current().Track;
  Paint(r, RoundBox(1, 4, 23, 13, 4.5), colour);
  return horizontal ? r : r.Transpose();
}

}  // namespace

void AddScrollBar(TSkinBuilder& skin) {
  std::vector<TRaster> frames;
  for (TDirection d : {TDirection::Left, TDirection::Right, TDirection::Up, TDirection::Down})
    for (TArrowState state : {TArrowState::Normal, TArrowState::Pressed, TArrowState::Disabled, TArrowState::Hot})
      frames.push_back(scrollArrow(d, state));
  for (bool horizontal : {true, false})
    for (TColor ink : {Rgb(226, 231, 239), Rgb(236, 241, 248), Rgb(232, 237, 245)})
      frames.push_back(thumbGrip(horizontal, ink));
  frames.push_back(scrollCorner());
  skin.Note("Scrollbar", "23 frames of 17 x 17: left, right, up, down arrows (normal, pressed, disabled, hot),");
  skin.Note("Scrollbar", "horizontal and vertical thumb grips (normal, pressed, hot), the corner square.");
  skin.Image("Scrollbar", "Image", "scrollbar_glyphs.bmp", StripOf(frames)).Key("Scrollbar", "Trans", 1);

  // Tracks: 1 normal, 2 pressed, 3 disabled, 4 hot.
  for (bool horizontal : {true, false}) {
    const std::string s = horizontal ? "HorzScroll" : "VertScroll";
    std::vector<TRaster> tracks;
    for (TColor fill : {theme::Current().Track, Rgb(226, 231, 238), Rgb(244, 245, 247), Rgb(231, 235, 241)})
      tracks.push_back(trackFrame(fill, horizontal));
    skin.Image(s, "Image", horizontal ? "scroll_track_horz.bmp" : "scroll_track_vert.bmp", StripOf(tracks));
    skin.Key(s, horizontal ? "LeftWidth" : "TopHeight", 2).Key(s, horizontal ? "RightWidth" : "BottomHeight", 2);
  }

  // Thumbs: 1 normal, 2 pressed, 3 hot.
  for (bool horizontal : {true, false}) {
    const std::string s = horizontal ? "HorzScrollThumb" : "VertScrollThumb";
    std::vector<TRaster> thumbs;
    for (TColor colour : {theme::Current().Thumb, theme::Current().ThumbPressed, theme::Current().ThumbHot}) thumbs.push_back(thumbFrame(colour, horizontal));
    skin.Image(s, "Image", horizontal ? "scroll_thumb_horz.bmp" : "scroll_thumb_vert.bmp", StripOf(thumbs));
    skin.Key(s, horizontal ? "LeftWidth" : "TopHeight", 6).Key(s, horizontal ? "RightWidth" : "BottomHeight", 6);
    skin.Key(s, "Trans", 1).Key(s, "FrameCount", 3);
  }
}

TRaster TrackChannel(bool vertical) {
  // A groove four pixels deep with softened ends; the ends are 3 pixels long.
  TRaster r(16, 4, theme::Current().Face);
  const TColor rows[] = {Rgb(150, 163, 184), Rgb(196, 205, 219), Rgb(214, 221, 231), theme::Current().White};
  for (int y = 0; y < 4; ++y) r.FillRect(0, y, 16, 1, rows[y]);
  for (int y : {0, 3})
    for (int x : {0, 15}) r.Set(x, y, Mix(rows[y], theme::Current().Face, 0.6));
  return vertical ? r.Transpose() : r;
}

namespace {

enum class TPoint { None, Down, Up, Right, Left };

// A track bar thumb, 11 x 20 (or turned): 1 normal, 2 active (the look the track bar
// shows), 3 hot, 4 disabled, 5 pressed.
TRaster trackThumb(TPoint point, int frame) {
  TColor top = theme::Current().AccentLight, bottom = theme::Current().Accent, border = theme::Current().AccentDark;
  if (frame == 1) top = theme::Current().White, bottom = Rgb(226, 232, 241), border = theme::Current().Line;
  if (frame == 3) top = Rgb(128, 172, 230), bottom = theme::Current().AccentLight, border = theme::Current().Accent;
  if (frame == 4) top = Rgb(236, 239, 243), bottom = Rgb(226, 230, 236), border = Rgb(196, 203, 214);
  if (frame == 5) top = theme::Current().Accent, bottom = theme::Current().AccentDark, border = Rgb(34, 66, 116);
  TRaster r(11, 20);
  r.Backdrop = theme::Current().Face;
  if (point == TPoint::None) {
    art::DrawFace(r, 0, 0, 11, 20, {top, bottom, border, 3, 0.25});
  } else {
    // Pointing down; the other directions are turned from it.
    const TShape outer = Union(RoundBox(0, 0, 11, 15, 2.5), Polygon({{0, 13}, {11, 13}, {5.5, 19.6}}));
    const TShape inner = Union(RoundBox(1, 1, 10, 14, 1.5), Polygon({{1, 13}, {10, 13}, {5.5, 18.2}}));
    Paint(r, outer, art::Gradient(top, bottom, 1, 19));
    Paint(r, Minus(outer, inner), border);
  }
  switch (point) {
    case TPoint::Up: return r.MirrorY();
    case TPoint::Right: return r.Transpose();
    case TPoint::Left: return r.Transpose().MirrorX();
    default: return r;
  }
}

}  // namespace

void AddTrackBar(TSkinBuilder& skin) {
  struct TThumb {
    const char* Section;
    const char* File;
    TPoint Point;
    bool Upright;  // 11 wide, 20 high
  };
  const TThumb thumbs[] = {
      {"Trackbar.ThumbHorz", "trackbar_thumb_horz.bmp", TPoint::None, true},
      {"Trackbar.ThumbVert", "trackbar_thumb_vert.bmp", TPoint::None, false},
      {"Trackbar.ThumbLeft", "trackbar_thumb_left.bmp", TPoint::Left, false},
      {"Trackbar.ThumbRight", "trackbar_thumb_right.bmp", TPoint::Right, false},
      {"Trackbar.ThumbUp", "trackbar_thumb_up.bmp", TPoint::Up, true},
      {"Trackbar.ThumbDown", "trackbar_thumb_down.bmp", TPoint::Down, true},
  };
  skin.Note("Trackbar.ThumbHorz", "Track bar thumbs, 5 frames: normal, active (drawn), hot, disabled, pressed.");
  for (const TThumb& t : thumbs) {
    std::vector<TRaster> frames;
    for (int frame = 1; frame <= 5; ++frame) {
      TRaster f = trackThumb(t.Point, frame);
      frames.push_back(t.Point == TPoint::None && !t.Upright ? f.Transpose() : f);
    }
    skin.Image(t.Section, "Image", t.File, StripOf(frames)).Key(t.Section, "Trans", 1);
    // The pointed end stays unscaled.
    const bool pointsDown = t.Point == TPoint::Down, pointsUp = t.Point == TPoint::Up;
    const bool pointsRight = t.Point == TPoint::Right, pointsLeft = t.Point == TPoint::Left;
    skin.Key(t.Section, "LeftWidth", pointsLeft ? 8 : 3)
        .Key(t.Section, "TopHeight", pointsUp ? 8 : 3)
        .Key(t.Section, "RightWidth", pointsRight ? 8 : 3)
        .Key(t.Section, "BottomHeight", pointsDown ? 8 : 3);
  }
  skin.Note("Track", "The channel: fixed 3-pixel ends, the middle stretched.");
  skin.Image("Track", "Image", "track_horz.bmp", TrackChannel(false))
      .Key("Track", "LeftWidth", 3)
      .Key("Track", "RightWidth", 3)
      .Key("Track", "Frame", 1);
  skin.Image("TRACKVERT", "Image", "track_vert.bmp", TrackChannel(true))
      .Key("TRACKVERT", "TopHeight", 3)
      .Key("TRACKVERT", "BottomHeight", 3)
      .Key("TRACKVERT", "Frame", 1);
}

namespace {

// A spin button half: 1 normal, 2 pressed, 3 disabled, 4 hot; with its arrow, or the
// arrow alone (the glyph strip).
TRaster spinHalf(TDirection direction, int frame, bool glyphOnly, bool vertical) {
  const int w = vertical ? 17 : 11, h = vertical ? 11 : 17;
  TRaster r(w, h);
  r.Backdrop = theme::Current().White;
  TColor ink = theme::Current().Glyph;
  if (frame == 2) ink = theme::Current().White;
  if (frame == 3) ink = theme::Current().GlyphDisabled;
  if (frame == 4) ink = theme::Current().Accent;
  if (!glyphOnly) {
    art::TFace face{theme::Current().White, Rgb(236, 240, 246), theme::Current().Line, 2.5};
    if (frame == 2) face = {theme::Current().Accent, theme::Current().AccentDark, theme::Current().AccentDark, 2.5};
    if (frame == 3) face = {Rgb(243, 245, 248), Rgb(240, 242, 246), Rgb(206, 212, 222), 2.5};
    if (frame == 4) face = {theme::Current().White, theme::Current().AccentSoft, theme::Current().AccentHotLine, 2.5};
    art::DrawFace(r, 0, 0, w, h, face);
  } else if (frame == 2) {
    ink = theme::Current().AccentDark;
  }
  Paint(r, art::Arrow(w / 2.0, h / 2.0, 3, direction), ink);
  return r;
}

TRaster spinStrip(bool vertical, bool glyphOnly) {
  std::vector<TRaster> frames;
  const TDirection first = vertical ? TDirection::Up : TDirection::Left;
  const TDirection second = vertical ? TDirection::Down : TDirection::Right;
  for (TDirection d : {first, second})
    for (int frame = 1; frame <= 4; ++frame) frames.push_back(spinHalf(d, frame, glyphOnly, vertical));
  return StripOf(frames);
}

}  // namespace

void AddUpDown(TSkinBuilder& skin) {
  skin.Note("UpDown.Vert", "Spin buttons, 8 frames: the up (left) half then the down (right) half, each");
  skin.Note("UpDown.Vert", "normal, pressed, disabled, hot. GlyphImage: the same frames, arrows only.");
  for (bool vertical : {true, false}) {
    const std::string s = vertical ? "UpDown.Vert" : "UpDown.Horz";
    const std::string name = vertical ? "updown_vert" : "updown_horz";
    skin.Image(s, "Image", name + ".bmp", spinStrip(vertical, false))
        .Image(s, "GlyphImage", name + "_glyphs.bmp", spinStrip(vertical, true));
    skin.Key(s, "LeftWidth", 3).Key(s, "TopHeight", 3).Key(s, "RightWidth", 3).Key(s, "BottomHeight", 3);
    skin.Key(s, "Trans", 1);
  }
}

}  // namespace velmora::tools
