// The element families of the default skin. Each adds its sections, keys and bitmaps
// to the builder; together they give every section the engine reads.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../raster.h"
#include "skin_builder.h"

namespace velmora::tools {

// Name, caption font and colours.
void AddIdentity(TSkinBuilder& skin);
void AddColours(TSkinBuilder& skin);

// The window: borders, caption text, caption buttons, the MDI child buttons, menus.
void AddWindowFrame(TSkinBuilder& skin);
void AddCaptionText(TSkinBuilder& skin);
void AddCaptionButtons(TSkinBuilder& skin);
void AddMdiControls(TSkinBuilder& skin);
void AddMenus(TSkinBuilder& skin);

// Controls.
void AddPushButtons(TSkinBuilder& skin);
void AddCheckAndRadio(TSkinBuilder& skin);
void AddProgress(TSkinBuilder& skin);
void AddGroupBox(TSkinBuilder& skin);
void AddTabs(TSkinBuilder& skin);
void AddStatusBar(TSkinBuilder& skin);
void AddToolBar(TSkinBuilder& skin);
void AddComboBox(TSkinBuilder& skin);
void AddHeader(TSkinBuilder& skin);

// Scroll bars, track bars and spin buttons.
void AddScrollBar(TSkinBuilder& skin);
void AddTrackBar(TSkinBuilder& skin);
void AddUpDown(TSkinBuilder& skin);

// The track bar's channel, shared by the skin and the program's own fallback bitmaps.
TRaster TrackChannel(bool vertical);
// The program's bitmap resources: "GLAZEMENU" (64 x 16, black glyphs on white).
TRaster MenuGlyphStrip();
// The media player's button glyphs, 16 x 16 on magenta: 9 buttons in 3 states, named
// "<state>_<button>" (EN enabled, DI disabled, CL coloured; MPPLAY ... MPEJECT).
std::vector<std::pair<std::string, TRaster>> MediaPlayerGlyphs();

}  // namespace velmora::tools
