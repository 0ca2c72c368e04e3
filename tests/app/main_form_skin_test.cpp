// The main window as the program creates it carries our default skin: its stored form's
// package is read into every record the engine draws from, its colours and its name.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/gdi_object.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(MainFormSkinTest, DefaultSkinLoadsFromTheStoredForm) {
  test::TempFolder folder;
  TForm1 form(folder / "velmora.exe");
  ASSERT_NE(form.skndt1, nullptr);
  const TSkinData& skin = *form.skndt1;
  ASSERT_FALSE(skin.NoSkin());
  EXPECT_TRUE(skin.Active());
  EXPECT_EQ(skin.SkinName, "Velmora");
  EXPECT_EQ(skin.DisableTag(), 99);
  EXPECT_FALSE(InSet(skin.SkinControls(), xcMenuItem));  // the main menu is skinned instead

  // Every colour slot the skin reads is given by ours.
  for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18})
    EXPECT_TRUE(skin.Colors.ColorSet[static_cast<std::size_t>(slot)]) << "slot " << slot;

  const TSkinRecords& r = skin.Records;
  for (const TDataSkinBorder* border : {r.BorderLeft.get(), r.BorderRight.get(), r.BorderTop.get(), r.BorderBottom.get()})
    EXPECT_FALSE(border->Map.Empty()) << border->Name;
  EXPECT_FALSE(r.Title->Map.Empty());
  EXPECT_FALSE(r.Buttons->Map.Empty());
  EXPECT_FALSE(r.Buttons->CheckMap.Empty());
  EXPECT_FALSE(r.Buttons->RadioMap.Empty());
  // Close, maximise, restore, minimise, help and system menu, then the three buttons
  // of a maximised child's menu bar, cut from "MDICONTROLS".
  ASSERT_GE(r.SysButtons.size(), 9u);
  for (std::size_t i = r.SysButtons.size() - 3; i < r.SysButtons.size(); ++i)
    EXPECT_FALSE(r.SysButtons[i]->Map.Empty()) << r.SysButtons[i]->Name;

  const std::pair<const char*, const TDataSkinObject*> elements[] = {
      {"Progress", r.Progress.get()},         {"ProgressChunk", r.ProgressChunk.get()},
      {"MenuBar", r.MenuBar.get()},           {"GroupBoxEdge", r.GroupBoxEdge.get()},
      {"GroupBox", r.GroupBox.get()},         {"Tabs", r.Tabs.get()},
      {"StatusBarEdges", r.StatusBarEdges.get()}, {"TabPane", r.TabPane.get()},
      {"ToolBars", r.ToolBars.get()},         {"ComboButton", r.ComboButton.get()},
      {"SunkEdge", r.SunkEdge.get()},         {"ComboxArrow", r.ComboxArrow.get()},
      {"ExtraImages", r.ExtraImages.get()},   {"Headerbar", r.Headerbar.get()},
      {"MenuItem", r.MenuItem.get()},         {"MenuBackground", r.MenuBackground.get()},
      {"Scrollbar", r.Scrollbar.get()},       {"HorzScroll", r.HorzScroll.get()},
      {"VertScroll", r.VertScroll.get()},     {"HorzScrollThumb", r.HorzScrollThumb.get()},
      {"VertScrollThumb", r.VertScrollThumb.get()}, {"TrackbarThumbHorz", r.TrackbarThumbHorz.get()},
      {"TrackbarThumbVert", r.TrackbarThumbVert.get()}, {"TrackbarThumbLeft", r.TrackbarThumbLeft.get()},
      {"TrackbarThumbRight", r.TrackbarThumbRight.get()}, {"TrackbarThumbUp", r.TrackbarThumbUp.get()},
      {"TrackbarThumbDown", r.TrackbarThumbDown.get()}, {"Track", r.Track.get()},
      {"TrackVert", r.TrackVert.get()},       {"UpDownHorz", r.UpDownHorz.get()},
      {"UpDownVert", r.UpDownVert.get()},     {"Toolbar", r.Toolbar.get()},
  };
  for (const auto& [name, record] : elements) {
    ASSERT_NE(record, nullptr) << name;
    EXPECT_FALSE(record->Map.Empty()) << name;
    EXPECT_GE(record->Frame, 1) << name;
    // Frames of equal width: the strip divides evenly (the combo strips are cells of 50).
    EXPECT_EQ(record->Map.Width() % record->Frame, 0) << name;
  }
  EXPECT_EQ(r.Scrollbar->Frame, 23);
  EXPECT_EQ(r.ComboButton->Style, 2);  // composed with the sunken edge
  EXPECT_FALSE(r.UpDownHorz->Map2.Empty());  // the up-down glyphs
  EXPECT_FALSE(r.Tabs->Map2.Empty());
}

// The main window shown and skinned; its controls repainted 10,000 times, in the states
// they show, leave the number of GDI objects as it was.
TEST(MainFormSkinTest, RepaintingTheControlsLeavesNoGdiObjectBehind) {
  UseSkinManager();
  test::TempFolder folder;
  {
    TForm1 form(folder / "velmora.exe");
    form.Show();
    TWinControl* const controls[] = {form.btn1, form.btn2, form.btn3, form.btn4, form.chk1, form.grp1,
                                     form.edtUSERNAME, form.edtPASSWORD, form.edtDATABASE, form.edtPATH, form.medt1};
    ASSERT_TRUE(test::WaitUntil([&] {
      for (TWinControl* control : controls)
        if (SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0) != 1) return false;
      return true;
    })) << "every control skinned";
    MemoryDC dc;
    TBitmap target(400, 100);
    SelectScope select(dc, target.Handle());
    // A round: every control repainted; every hundredth round the button and the check
    // box are hovered, pressed or left.
    auto round = [&](int i) {
      const UINT mouse[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSELEAVE};
      if (i % 100 == 0)
        for (TWinControl* control : {static_cast<TWinControl*>(form.btn1), static_cast<TWinControl*>(form.chk1)})
          SendMessageA(control->Handle(), mouse[(i / 100) % 3], MK_LBUTTON, MAKELPARAM(3, 3));
      for (TWinControl* control : controls) SendMessageA(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    };
    // Objects a control makes once and keeps (its background brush) are made in the
    // first rounds, where every state is shown once.
    for (int i = 0; i < 300; ++i) round(i);
    auto byKind = [] {
      std::string text;
      for (int kind = 0; kind < static_cast<int>(TGdiKind::Count); ++kind)
        text += std::to_string(GdiCounters::Live(static_cast<TGdiKind>(kind))) + " ";
      return text;
    };
    const int before = GdiCounters::LiveTotal();
    const std::string kindsBefore = byKind();
    for (int i = 0; i < 10000; ++i) round(i);
    SendMessageA(form.btn1->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(GdiCounters::LiveTotal(), before) << "by kind before: " << kindsBefore << "after: " << byKind();
  }
  FreeSkinManager();
  SetSkinManagerMaker({});
}

}  // namespace
}  // namespace velmora
