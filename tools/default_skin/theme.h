// The colours of Velmora's default skin: a calm slate-blue title bar over light
// grey-blue faces, one blue accent for focus, selection and progress.
#pragma once

#include "../raster.h"

namespace velmora::tools::theme {

// Faces and text.
constexpr TColor Face = Rgb(233, 237, 243);
constexpr TColor FaceLight = Rgb(246, 248, 251);
constexpr TColor White = Rgb(255, 255, 255);
constexpr TColor Text = Rgb(33, 41, 54);
constexpr TColor TextDisabled = Rgb(160, 170, 186);
constexpr TColor Glyph = Rgb(84, 96, 116);
constexpr TColor GlyphDisabled = Rgb(184, 191, 203);

// Lines around controls.
constexpr TColor Line = Rgb(160, 172, 190);
constexpr TColor LineSoft = Rgb(206, 213, 224);
constexpr TColor LineDark = Rgb(96, 108, 128);

// The accent.
constexpr TColor Accent = Rgb(62, 112, 184);
constexpr TColor AccentLight = Rgb(98, 148, 216);
constexpr TColor AccentDark = Rgb(46, 88, 150);
constexpr TColor AccentSoft = Rgb(214, 227, 245);
constexpr TColor AccentHotLine = Rgb(108, 146, 204);

// Scroll bars.
constexpr TColor Track = Rgb(236, 239, 244);
constexpr TColor Thumb = Rgb(176, 187, 204);
constexpr TColor ThumbHot = Rgb(146, 161, 185);
constexpr TColor ThumbPressed = Rgb(108, 128, 162);

// Menus.
constexpr TColor Menu = Rgb(250, 251, 253);
constexpr TColor MenuBar = Rgb(238, 241, 246);
constexpr TColor MenuLine = Rgb(150, 162, 182);

// The window frame, active and inactive.
struct TFramePalette {
  TColor Outline, TitleTop, TitleBottom, Gloss, Separator, Side, Inner, TitleText, GlyphNormal;
};

constexpr TFramePalette ActiveFrame{
    .Outline = Rgb(42, 56, 80),
    .TitleTop = Rgb(96, 121, 159),
    .TitleBottom = Rgb(72, 95, 131),
    .Gloss = Rgb(124, 146, 180),
    .Separator = Rgb(52, 70, 100),
    .Side = Rgb(72, 95, 131),
    .Inner = Rgb(56, 76, 108),
    .TitleText = Rgb(255, 255, 255),
    .GlyphNormal = Rgb(240, 244, 250),
};

constexpr TFramePalette InactiveFrame{
    .Outline = Rgb(110, 120, 136),
    .TitleTop = Rgb(164, 174, 190),
    .TitleBottom = Rgb(146, 157, 174),
    .Gloss = Rgb(184, 192, 205),
    .Separator = Rgb(124, 135, 152),
    .Side = Rgb(146, 157, 174),
    .Inner = Rgb(128, 139, 156),
    .TitleText = Rgb(234, 238, 244),
    .GlyphNormal = Rgb(226, 231, 238),
};

// What is usually behind a window's rounded corners.
constexpr TColor Desktop = Rgb(96, 104, 116);

// The close button under the mouse.
constexpr TColor CloseHot = Rgb(204, 62, 56);
constexpr TColor ClosePressed = Rgb(160, 42, 38);

}  // namespace velmora::tools::theme
