// The colours a skin of ours is drawn in. Two themes: "Velmora", the default (a calm
// slate-blue title bar over light grey-blue faces, one blue accent for focus, selection
// and progress), and "Velmora Sage" (a green title bar and accent over warmer faces),
// drawn by the same code so that switching between them shows every element change.
#pragma once

#include "../raster.h"

namespace velmora::tools::theme {

// The window frame, active and inactive.
struct TFramePalette {
  TColor Outline, TitleTop, TitleBottom, Gloss, Separator, Side, Inner, TitleText, GlyphNormal;
};

struct TTheme {
  const char* SkinName;
  // Faces and text.
  TColor Face, FaceLight, White, Text, TextDisabled, Glyph, GlyphDisabled;
  // Lines around controls.
  TColor Line, LineSoft, LineDark;
  // The accent.
  TColor Accent, AccentLight, AccentDark, AccentSoft, AccentHotLine;
  // Scroll bars.
  TColor Track, Thumb, ThumbHot, ThumbPressed;
  // Menus.
  TColor Menu, MenuBar, MenuLine;
  TFramePalette ActiveFrame, InactiveFrame;
  // What is usually behind a window's rounded corners.
  TColor Desktop;
  // The close button under the mouse.
  TColor CloseHot, ClosePressed;
};

extern const TTheme Velmora;
extern const TTheme Sage;

// The theme being drawn (Velmora until another is chosen).
const TTheme& Current();
void Select(const TTheme& theme);

}  // namespace velmora::tools::theme
