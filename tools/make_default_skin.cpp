// make-default-skin: draws Velmora's default skin and the program's own bitmaps.
//
//   make-default-skin SKIN_DIR RESOURCE_DIR [SAGE_DIR]
//
// writes SKIN_DIR/velmora.ini with its bitmaps, and glazemenu.bmp, track.bmp and
// trackvert.bmp into RESOURCE_DIR; with SAGE_DIR, also the second skin, "Velmora
// Sage", drawn by the same code in other colours. The output depends on nothing but
// this program: the same bytes on every run, so the committed files can be checked
// against it.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "bmp_writer.h"
#include "default_skin/elements.h"
#include "default_skin/skin_builder.h"
#include "default_skin/theme.h"

namespace {

using namespace velmora::tools;

TSkinBuilder drawSkin(const std::string& title) {
  TSkinBuilder skin(title);
  AddIdentity(skin);
  AddColours(skin);
  AddWindowFrame(skin);
  AddCaptionText(skin);
  AddMenus(skin);
  AddCaptionButtons(skin);
  AddMdiControls(skin);
  AddPushButtons(skin);
  AddCheckAndRadio(skin);
  AddProgress(skin);
  AddGroupBox(skin);
  AddTabs(skin);
  AddStatusBar(skin);
  AddToolBar(skin);
  AddComboBox(skin);
  AddHeader(skin);
  AddScrollBar(skin);
  AddTrackBar(skin);
  AddUpDown(skin);
  return skin;
}

void writeResources(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  WriteBytes(dir / "glazemenu.bmp", Bmp1(MenuGlyphStrip()));
  WriteBytes(dir / "track.bmp", Bmp24(TrackChannel(false)));
  WriteBytes(dir / "trackvert.bmp", Bmp24(TrackChannel(true)));
  std::filesystem::create_directories(dir / "media");
  for (const auto& [name, glyph] : MediaPlayerGlyphs()) WriteBytes(dir / "media" / (name + ".bmp"), Bmp24(glyph));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: make-default-skin SKIN_DIR RESOURCE_DIR [SAGE_DIR]\n");
    return 2;
  }
  try {
    theme::Select(theme::Velmora);
    drawSkin("Velmora's default skin").Write(argv[1], "velmora.ini");
    writeResources(argv[2]);
    if (argc == 4) {
      theme::Select(theme::Sage);
      drawSkin("Velmora Sage, our second skin").Write(argv[3], "velmora.ini");
      theme::Select(theme::Velmora);
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make-default-skin: %s\n", error.what());
    return 1;
  }
}
