// Loading the records of a skin.
#include "skin/data/skin_records_set.h"

#include <algorithm>

namespace velmora {

TSkinRecords::TSkinRecords()
    : Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      BorderLeft(std::make_unique<TDataSkinBorder>("Left")),
      BorderRight(std::make_unique<TDataSkinBorder>("Right")),
      BorderTop(std::make_unique<TDataSkinBorder>("Top")),
      BorderBottom(std::make_unique<TDataSkinBorder>("Bottom")) {}

void TSkinRecords::Load(const TSkinRecordLoader& l) {
  for (TDataSkinBorder* border : {BorderLeft.get(), BorderRight.get(), BorderTop.get(), BorderBottom.get()})
    l.LoadBorder(*border);
  SysButtons = l.LoadSysButtons();
  l.LoadButtons(*Buttons);
  l.LoadTitle(*Title);

  Progress = l.LoadProgress();
  ProgressChunk = l.LoadImageElement("Progress.Chunk");
  MenuBar = l.LoadMenuBar();
  GroupBoxEdge = l.LoadImageElement("GroupBoxEdge");
  GroupBox = l.LoadGroupBox();
  Tabs = l.LoadImageElement2("Tabs", "Border");
  StatusBarEdges = l.LoadImageElement("StatusBarEdges");
  TabPane = l.LoadImageElement("Tab.Pane");
  if (TabPane)
    for (int* margin : {&TabPane->LeftWidth, &TabPane->TopHeight, &TabPane->RightWidth, &TabPane->BottomHeight})
      *margin = std::min(*margin, 4);
  ToolBars = l.LoadImageElement("ToolBars");
  ComboButton = l.LoadImageElement2("ComboButton", "****");  // a key that never exists
  SunkEdge = l.LoadImageElement("SunkEdge");

  ExtraImages = l.LoadImageElement("ExtraImages");
  Headerbar = l.LoadImageElement("Headerbar");
  MenuItem = l.LoadImageElement("MenuItem");
  MenuBackground = l.LoadImageElement("MenuBackground");
  Scrollbar = l.LoadImageElement("Scrollbar");
  HorzScroll = l.LoadImageElement("HorzScroll");
  VertScroll = l.LoadImageElement("VertScroll");
  HorzScrollThumb = l.LoadImageElement("HorzScrollThumb");
  VertScrollThumb = l.LoadImageElement("VertScrollThumb");
  TrackbarThumbHorz = l.LoadImageElement("Trackbar.ThumbHorz");
  TrackbarThumbVert = l.LoadImageElement("Trackbar.ThumbVert");
  TrackbarThumbLeft = l.LoadImageElement("Trackbar.ThumbLeft");
  TrackbarThumbRight = l.LoadImageElement("Trackbar.ThumbRight");
  TrackbarThumbUp = l.LoadImageElement("Trackbar.ThumbUp");
  TrackbarThumbDown = l.LoadImageElement("Trackbar.ThumbDown");
  UpDownHorz = l.LoadImageElement2("UpDown.Horz", "GlyphImage");
  UpDownVert = l.LoadImageElement2("UpDown.Vert", "GlyphImage");
  Track = l.LoadImageElement("Track");
  TrackVert = l.LoadImageElement("TRACKVERT");
}

void TSkinRecords::ApplyFrameCounts(const TQuickIni& ini) {
  auto set = [](auto& record, int frames) {
    if (record) record->Frame = frames;
  };
  set(Buttons, 5);
  set(Title, 2);
  if (Progress) Progress->Frame = Progress->Style != 0 ? 1 : 2;
  set(MenuBar, 2);
  set(GroupBoxEdge, 2);
  set(Toolbar, 1);
  set(ToolBars, 5);
  set(Tabs, 5);
  set(TabPane, 1);
  set(StatusBarEdges, 3);
  set(GroupBox, 1);
  set(ComboButton, 4);
  set(SunkEdge, 4);
  set(ExtraImages, 5);
  if (Headerbar && Headerbar->Frame == 0) Headerbar->Frame = 5;  // a frame count from the text stays
  set(MenuItem, 5);
  set(MenuBackground, 1);
  set(Scrollbar, 23);
  set(HorzScroll, 4);
  set(VertScroll, 4);
  set(UpDownHorz, 8);
  set(UpDownVert, 8);
  for (auto* thumb : {&TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft, &TrackbarThumbRight,
                      &TrackbarThumbUp, &TrackbarThumbDown})
    set(*thumb, 5);
  set(HorzScrollThumb, ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  set(VertScrollThumb, ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
  // Radio and check frames from the bitmap: 13 wide when it is under 16 high, else 16.
  auto frames = [](const TBitmap& map) {
    if (map.Empty()) return 4;
    return std::max(map.Width() / (map.Height() < 16 ? 13 : 16), 4);
  };
  if (Buttons->RadioButtonFrame == 0) Buttons->RadioButtonFrame = frames(Buttons->RadioMap);
  if (Buttons->CheckButtonFrame == 0) Buttons->CheckButtonFrame = frames(Buttons->CheckMap);
}

}  // namespace velmora
