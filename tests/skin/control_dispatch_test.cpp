// Which painter each control of a skinned form gets: the built-in rules, the class map
// and its "nil" kind, the disable tag, the application's event, and bare dialog windows
// dispatched by window class and button style.
#include "skin/forms/control_dispatch.h"

#include <gtest/gtest.h>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/check_painters.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/scrollbar_painters.h"
#include "skin/controls/sizer_painter.h"
#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

class ControlDispatchTest : public testing::Test {
 protected:
  void SetUp() override {
    const test::Bytes package =
        test::PackSkin("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\n",
                       {{"b.bmp", test::MakeBmp(50, 10)}, {"c.bmp", test::MakeBmp(52, 13)}, {"r.bmp", test::MakeBmp(52, 13)}});
    const test::Bytes block = test::SkinStreamBlock(package);
    ASSERT_TRUE(Data.ReadBinaryProperty("SkinStream", block));
    Form.SetBounds(0, 0, 400, 300);
  }
  template <class T>
  T& add(TWinControl& parent, const char* name) {
    auto* control = new T(&Form);
    control->SetName(name);
    control->SetParent(&parent);
    control->SetBounds(10, 10 + 30 * static_cast<int>(parent.Controls().size()), 100, 24);
    return *control;
  }
  template <class Painter>
  bool paintedBy(const TControl& control) const {
    return dynamic_cast<Painter*>(Dispatch.PainterOf(control)) != nullptr;
  }

  TSkinData Data{nullptr};
  TComponent FormSkin{nullptr};
  TSkinPainterList Painters;
  TControlDispatch Dispatch{&FormSkin, Data, Painters};
  // Last, so it goes first: the painters its controls free still reach the list and skin.
  TForm Form{nullptr};
};

TEST_F(ControlDispatchTest, BuiltInRulesGiveEachKindItsPainter) {
  auto& button = add<TButton>(Form, "button");
  auto& bit = add<TBitBtn>(Form, "bit");
  auto& check = add<TCheckBox>(Form, "check");
  auto& radio = add<TRadioButton>(Form, "radio");
  auto& group = add<TGroupBox>(Form, "group");
  auto& inGroup = add<TButton>(group, "inGroup");
  auto& panel = add<TPanel>(Form, "panel");
  auto& inPanel = add<TCheckBox>(panel, "inPanel");
  auto& speed = add<TSpeedButton>(Form, "speed");
  auto& edit = add<TEdit>(Form, "edit");
  auto& disabled = add<TButton>(Form, "disabled");
  disabled.SetTag(99);
  Form.Handle();
  Dispatch.SkinFormControls(Form);

  EXPECT_TRUE(paintedBy<TSkinButton>(button));
  EXPECT_FALSE(paintedBy<TSkinBitButton>(button));
  EXPECT_TRUE(paintedBy<TSkinBitButton>(bit));
  EXPECT_TRUE(paintedBy<TSkinCheckBox>(check));
  EXPECT_TRUE(paintedBy<TSkinRadioButton>(radio));
  EXPECT_TRUE(paintedBy<TSkinGroupBox>(group));
  EXPECT_TRUE(paintedBy<TSkinButton>(inGroup));
  EXPECT_TRUE(paintedBy<TSkinBox>(panel));
  EXPECT_TRUE(paintedBy<TSkinCheckBox>(inPanel));
  EXPECT_TRUE(paintedBy<TSkinSpeedButton>(speed));
  EXPECT_TRUE(paintedBy<TSkinEdit>(edit));
  EXPECT_EQ(Dispatch.PainterOf(disabled), nullptr);
  const std::size_t painted = Painters.Painters().size();
  Dispatch.SkinFormControls(Form);  // a second pass adds nothing
  EXPECT_EQ(Painters.Painters().size(), painted);
}

TEST_F(ControlDispatchTest, ClassMapDecidesAndNilOrAMissingMemberKeepsTheLook) {
  auto& button = add<TButton>(Form, "button");
  auto& check = add<TCheckBox>(Form, "check");
  auto& panel = add<TPanel>(Form, "panel");
  Data.Skin3rd().insert(Data.Skin3rd().begin(), {"TButton=nil", "TCheckBox=checkbox", "TPanel=Container"});
  Data.SetSkinControls(Exclude(Data.SkinControls(), xcCheckBox));
  auto& inPanel = add<TRadioButton>(panel, "inPanel");
  Form.Handle();
  Dispatch.SkinFormControls(Form);
  EXPECT_EQ(Dispatch.PainterOf(button), nullptr);  // "nil" beats the built-in rule
  EXPECT_EQ(Dispatch.PainterOf(check), nullptr);   // no xcCheckBox, and no fallback
  EXPECT_EQ(Dispatch.PainterOf(panel), nullptr);   // a container: only its children
  EXPECT_TRUE(paintedBy<TSkinRadioButton>(inPanel));
}

TEST_F(ControlDispatchTest, DisableTagOnAGroupPassesToItsChildren) {
  auto* group = new TGroupBox(&Form);
  group->SetParent(&Form);
  group->SetBounds(10, 10, 200, 100);
  auto& inside = add<TRadioButton>(*group, "inside");
  Data.Skin3rd().insert(Data.Skin3rd().begin(), "TGroupBox=radiogroup");
  group->SetTag(99);
  Form.Handle();
  // A class name with "radiogroup" passes the tag on; a plain group box does not.
  Dispatch.SkinControl(*group, &Form);
  EXPECT_EQ(Dispatch.PainterOf(*group), nullptr);
  EXPECT_EQ(inside.Tag(), 0);
  Dispatch.SkinControl(inside, group);
  EXPECT_TRUE(paintedBy<TSkinRadioButton>(inside));
}

TEST_F(ControlDispatchTest, TheApplicationsEventChoosesFirst) {
  auto& button = add<TButton>(Form, "button");
  auto& other = add<TButton>(Form, "other");
  std::vector<std::string> asked;
  Data.OnSkinControl = [&](TObjectSender sender, TSkinData* data, TWinControl* parent, TControl* control,
                           const std::string& cls, TComponent*& result) {
    EXPECT_EQ(sender, &FormSkin);
    EXPECT_EQ(data, &Data);
    EXPECT_EQ(parent, &Form);
    asked.push_back(cls);
    if (control == &button) result = new TSkinCheckBox(control);  // an odd choice, but the application's
    if (control == &other) result = new TComponent(control);      // not a painter: left alone
  };
  Form.Handle();
  Dispatch.SkinControl(button, &Form);
  Dispatch.SkinControl(other, &Form);
  EXPECT_EQ(asked, (std::vector<std::string>{"TBUTTON", "TBUTTON"}));
  EXPECT_TRUE(paintedBy<TSkinCheckBox>(button));
  EXPECT_EQ(Dispatch.PainterOf(other), nullptr);
}

TEST_F(ControlDispatchTest, DialogButtonsByStyle) {
  const HWND dialog = CreateWindowExA(0, "#32770", "Dialog", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dialog, nullptr);
  struct Case {
    DWORD Style;
    const char* Expected;
  };
  const Case cases[] = {{BS_PUSHBUTTON, "button"},      {BS_DEFPUSHBUTTON, "button"},  {BS_AUTOCHECKBOX, "check"},
                        {BS_3STATE, "check"},           {BS_AUTORADIOBUTTON, "radio"}, {BS_OWNERDRAW, "none"},
                        {BS_GROUPBOX, "none"},          {BS_PUSHBUTTON | 0x80, "none"}};
  std::vector<HWND> buttons;
  for (const Case& c : cases)
    buttons.push_back(CreateWindowExA(0, "BUTTON", "x", WS_CHILD | c.Style, 0, 0, 50, 20, dialog, nullptr, nullptr, nullptr));
  Dispatch.SkinWindow(dialog);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    TSkinControl* painter = Dispatch.PainterOf(buttons[i]);
    std::string kind = "none";
    if (dynamic_cast<TSkinButton*>(painter)) kind = "button";
    if (dynamic_cast<TSkinCheckBox*>(painter)) kind = "check";
    if (dynamic_cast<TSkinRadioButton*>(painter)) kind = "radio";
    EXPECT_EQ(kind, cases[i].Expected) << "style " << std::hex << cases[i].Style;
  }
  EXPECT_NE(dynamic_cast<TSkinBoxH*>(Dispatch.PainterOf(dialog)), nullptr);
  const std::size_t painted = Painters.Painters().size();
  Dispatch.SkinWindow(dialog);
  EXPECT_EQ(Painters.Painters().size(), painted);
  DestroyWindow(dialog);
}

// A size grip takes the skin's background colour; a working scroll bar in the same
// dialog is not given the sizer's painter.
TEST_F(ControlDispatchTest, OnlyARealSizeGripGetsTheSizer) {
  const HWND dialog = CreateWindowExA(0, "#32770", "Dialog", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dialog, nullptr);
  const HWND grip = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 280, 180, 18, 18, dialog,
                                    nullptr, nullptr, nullptr);
  const HWND bar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 120, dialog, nullptr,
                                   nullptr, nullptr);
  Dispatch.SkinWindow(dialog);
  EXPECT_NE(dynamic_cast<TSkinSizer*>(Dispatch.PainterOf(grip)), nullptr);
  EXPECT_EQ(Dispatch.PainterOf(bar), nullptr);

  TBitmap pixels(18, 18);
  {
    MemoryDC dc;
    SelectScope select(dc, pixels.Handle());
    SendMessageA(grip, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
  }
  const COLORREF face = ColorToRGB(Data.Colors.Colors[scButtonFace]);
  int other = 0;
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 18; ++x) other += pixels.Pixel(x, y) != face;
  EXPECT_EQ(other, 0) << "the grip is the skin's background";
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(ControlDispatchTest, AControlMadeAgainGetsANewScrollPainterThroughTheForm) {
  auto& memo = add<TMemo>(Form, "memNotes");
  memo.SetText("kept across the new window");
  Dispatch.SkinFormControls(Form);
  ASSERT_TRUE(paintedBy<TSkinScrollbar>(memo));
  const HWND before = memo.Handle();
  const std::size_t painters = Painters.Painters().size();

  memo.SetScrollBars(TScrollStyle::ssVertical);  // only a new window can have them
  const HWND after = memo.Handle();
  ASSERT_NE(after, before);
  EXPECT_TRUE(GetWindowLongPtrW(after, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(memo.GetText(), "kept across the new window");
  // The painter asks the form's window to replace it, naming the window it served.
  MSG posted{};
  ASSERT_TRUE(PeekMessageW(&posted, Form.Handle(), WM_SKINREPLACE, WM_SKINREPLACE, PM_REMOVE));
  EXPECT_EQ(reinterpret_cast<HWND>(posted.wParam), before);

  Dispatch.ReplaceScrollPainter(reinterpret_cast<HWND>(posted.wParam));
  auto* painter = dynamic_cast<TSkinScrollbar*>(Dispatch.PainterOf(memo));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Handle(), after);
  EXPECT_EQ(painter->Status(), psAttached);
  EXPECT_TRUE(painter->DrawsBorder());
  EXPECT_EQ(Painters.Painters().size(), painters) << "the old painter is gone";
  EXPECT_EQ(SendMessageW(after, WM_SKINQUERY, 0, 0), 1);

  Dispatch.ReplaceScrollPainter(before);  // a second notice finds nothing to replace
  EXPECT_EQ(Dispatch.PainterOf(memo), painter);
}

}  // namespace
}  // namespace velmora
