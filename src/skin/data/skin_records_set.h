// Every element record of one loaded skin, as the skin data component holds them:
// the six that always exist, the caption buttons, and the pieces a skin may lack.
#pragma once

#include <memory>
#include <vector>

#include "skin/data/skin_record_loader.h"

namespace velmora {

struct TSkinRecords {
  TSkinRecords();

  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::unique_ptr<TDataSkinBorder> BorderLeft, BorderRight, BorderTop, BorderBottom;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
  std::unique_ptr<TDataSkinBorder> Tabs, UpDownHorz, UpDownVert, ComboButton, Progress;
  std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages, ComboxArrow, GroupBoxEdge, Toolbar, ToolBars,
      ProgressChunk, StatusBarEdges, TabPane, Headerbar, MenuBar, MenuItem, MenuBackground, Scrollbar,
      HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb, TrackbarThumbHorz, TrackbarThumbVert, Track,
      TrackVert, TrackbarThumbLeft, TrackbarThumbRight, TrackbarThumbUp, TrackbarThumbDown;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;

  // The records of a skin load, in the component's order: borders, caption buttons,
  // push buttons, caption text, then the image elements (the "Tab.Pane" margins
  // above 4 become 4). Images derived from them are made by the component after this.
  void Load(const TSkinRecordLoader& loader);
  // The frame counts fixed after loading; `ini` gives the scroll thumbs' "FrameCount".
  void ApplyFrameCounts(const TQuickIni& ini);
};

}  // namespace velmora
