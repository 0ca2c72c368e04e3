// A form restored from stored text: real windows of our superclasses, properties,
// handlers bound by name, tab order, the default button, reflected clicks, labels.
#include "framework/form.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/gdi_object.h"
#include "framework/screen.h"
#include "framework/std_controls.h"
#include "framework/timer.h"
#include "support/test_support.h"

namespace velmora {
namespace {

class TTestForm : public TForm {
 public:
  explicit TTestForm(TComponent* owner = nullptr) : TForm(owner) {
    RegisterMethod("FormCreate", TNotifyEvent([this](TObjectSender) { Journal.push_back("create"); }));
    RegisterMethod("okClick", TNotifyEvent([this](TObjectSender s) {
                     Journal.push_back("ok by " + static_cast<TComponent*>(s)->Name());
                   }));
    RegisterMethod("editDblClick", TNotifyEvent([this](TObjectSender) { Journal.push_back("dblclick"); }));
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TTestForm", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  std::vector<std::string> Journal;
};

const char TestForm[] = R"(object TestForm: TTestForm
  Left = 10
  Top = 10
  Width = 193
  Height = 236
  Caption = '数据备份'
  Position = poScreenCenter
  BorderIcons = [biSystemMenu, biMinimize]
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  OnCreate = FormCreate
  object grp: TGroupBox
    Left = 0
    Top = 0
    Width = 185
    Height = 100
    Caption = 'Velmora'
    TabOrder = 0
    object lbl: TLabel
      Left = 8
      Top = 20
      Caption = '用户名称:'
    end
    object second: TEdit
      Left = 72
      Top = 40
      Width = 105
      Height = 21
      TabOrder = 1
    end
    object first: TEdit
      Left = 72
      Top = 16
      Width = 105
      Height = 21
      TabOrder = 0
      OnDblClick = editDblClick
    end
    object chk: TCheckBox
      Left = 8
      Top = 70
      Width = 81
      Height = 17
      Caption = '开机运行'
      TabOrder = 2
    end
  end
  object ok: TButton
    Left = 3
    Top = 184
    Width = 57
    Height = 25
    Caption = '修改设置'
    Default = True
    TabOrder = 1
    OnClick = okClick
  end
  object tmr: TTimer
    Interval = 1000
  end
end
)";

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

TEST(FormTest, RestoresComponentsPropertiesAndHandlers) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  EXPECT_EQ(form.Journal, (std::vector<std::string>{"create"}));
  EXPECT_EQ(form.Caption(), "数据备份");
  EXPECT_EQ(form.BorderIcons(), static_cast<unsigned>(biSystemMenu | biMinimize));
  auto* grp = dynamic_cast<TGroupBox*>(form.FindComponent("grp"));
  auto* first = dynamic_cast<TEdit*>(form.FindComponent("first"));
  auto* ok = dynamic_cast<TButton*>(form.FindComponent("ok"));
  auto* tmr = dynamic_cast<TTimer*>(form.FindComponent("tmr"));
  ASSERT_TRUE(grp && first && ok && tmr);
  EXPECT_EQ(first->Parent(), grp);
  EXPECT_EQ(ok->Parent(), &form);
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(form.DefaultButton(), ok);
  auto* lbl = dynamic_cast<TLabel*>(form.FindComponent("lbl"));
  ASSERT_NE(lbl, nullptr);
  EXPECT_GT(lbl->Width(), 20);  // sized to its text once loaded
  EXPECT_EQ(first->Font()->Name(), "MS Sans Serif");

  form.Show();
  EXPECT_EQ(classOf(form.Handle()), "TTestForm");
  EXPECT_EQ(classOf(ok->Handle()), "TButton");
  EXPECT_EQ(classOf(first->Handle()), "TEdit");
  EXPECT_EQ(classOf(grp->Handle()), "TGroupBox");
  EXPECT_EQ(GetParent(first->Handle()), grp->Handle());
  RECT r;
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 193);
  EXPECT_EQ(r.bottom - r.top, 236);
  EXPECT_EQ(TWinControl::FromHandle(ok->Handle()), ok);
  EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
}

TEST(FormTest, TabOrderFollowsTabOrderNotCreationOrder) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  auto* grp = dynamic_cast<TGroupBox*>(form.FindComponent("grp"));
  auto* first = dynamic_cast<TEdit*>(form.FindComponent("first"));
  auto* second = dynamic_cast<TEdit*>(form.FindComponent("second"));
  auto* chk = dynamic_cast<TCheckBox*>(form.FindComponent("chk"));
  auto* ok = dynamic_cast<TButton*>(form.FindComponent("ok"));
  EXPECT_EQ(first->TabOrder(), 0);
  EXPECT_EQ(second->TabOrder(), 1);
  EXPECT_EQ(grp->TabList(), (std::vector<TWinControl*>{first, second, chk}));
  HWND f = form.Handle();
  EXPECT_EQ(GetNextDlgTabItem(f, first->Handle(), FALSE), second->Handle());
  EXPECT_EQ(GetNextDlgTabItem(f, second->Handle(), FALSE), chk->Handle());
  EXPECT_EQ(GetNextDlgTabItem(f, chk->Handle(), FALSE), ok->Handle());
}

TEST(FormTest, EnterPressesTheDefaultButtonAndClicksAreReflected) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  auto* first = dynamic_cast<TEdit*>(form.FindComponent("first"));
  auto* ok = dynamic_cast<TButton*>(form.FindComponent("ok"));
  first->SetFocus();
  MSG enter{first->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(form.IsDialogKeyMessage(enter));
  EXPECT_EQ(form.Journal.back(), "ok by ok");
  EXPECT_TRUE(first->Focused());  // Enter did not move the focus

  form.Journal.clear();
  SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.Journal, (std::vector<std::string>{"ok by ok"}));

  // A disabled default button takes no Enter.
  form.Journal.clear();
  ok->SetEnabled(false);
  first->SetFocus();
  MSG again{first->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  form.IsDialogKeyMessage(again);
  EXPECT_TRUE(form.Journal.empty());
}

TEST(FormTest, AltWithAControlsLetterPressesItAndOtherLettersAreLeftToTheMenuBar) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  auto* first = dynamic_cast<TEdit*>(form.FindComponent("first"));
  auto* ok = dynamic_cast<TButton*>(form.FindComponent("ok"));
  SetWindowTextA(ok->Handle(), "Change (&M)");
  first->SetFocus();
  constexpr LPARAM altHeld = 1 << 29;
  struct Case {
    WPARAM key;
    bool taken;
    const char* journal;
  };
  const Case cases[] = {{'m', true, "ok by ok"}, {'M', true, "ok by ok"}, {'q', false, nullptr}, {' ', false, nullptr}};
  for (const Case& c : cases) {
    form.Journal.clear();
    MSG key{first->Handle(), WM_SYSCHAR, c.key, altHeld, 0, {}};
    EXPECT_EQ(form.IsDialogCharMessage(key), c.taken) << static_cast<char>(c.key);
    if (c.journal) {
      EXPECT_EQ(form.Journal, std::vector<std::string>{c.journal});
    } else {
      EXPECT_TRUE(form.Journal.empty()) << static_cast<char>(c.key);
    }
  }
  // Not a character typed with Alt: nothing to offer.
  MSG plain{first->Handle(), WM_CHAR, 'm', 0, 0, {}};
  EXPECT_FALSE(form.IsDialogCharMessage(plain));
}

TEST(FormTest, PropertiesReachTheWindows) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  auto* first = dynamic_cast<TEdit*>(form.FindComponent("first"));
  auto* chk = dynamic_cast<TCheckBox*>(form.FindComponent("chk"));
  auto* grp = dynamic_cast<TGroupBox*>(form.FindComponent("grp"));
  first->SetText("scott");
  char text[32] = {};
  GetWindowTextA(first->Handle(), text, sizeof(text));
  EXPECT_STREQ(text, "scott");
  SetWindowTextA(first->Handle(), "typed");
  EXPECT_EQ(first->Text(), "typed");
  chk->SetChecked(true);
  EXPECT_EQ(SendMessageA(chk->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(chk->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(chk->Checked());
  grp->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(grp->Handle()));
  SendMessageA(first->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form.Journal.back(), "dblclick");
}

TEST(FormTest, WindowClassesAreNamedAfterTheFrameworkClasses) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  char name[64] = {};
  GetClassNameA(form.Handle(), name, sizeof name);
  EXPECT_STREQ(name, "TTestForm");
  GetClassNameA(Application.Handle(), name, sizeof name);
  EXPECT_STREQ(name, "TApplication");
}

TEST(FormTest, TheScreenListsTheFormsThatExist) {
  const int before = Screen.FormCount();
  auto first = std::make_unique<TTestForm>();
  {
    TTestForm second;
    ASSERT_EQ(Screen.FormCount(), before + 2);
    EXPECT_EQ(Screen.Forms(before), first.get());
    EXPECT_EQ(Screen.Forms(before + 1), &second);
  }
  EXPECT_EQ(Screen.FormCount(), before + 1);
  first.reset();
  EXPECT_EQ(Screen.FormCount(), before);
}

TEST(FormTest, PropertiesTheSkinReadsByName) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  EXPECT_EQ(GetOrdProp(form, "ClientWidth", -1), form.ClientWidth());
  EXPECT_EQ(GetOrdProp(form, "ClientHeight", -1), form.ClientHeight());
  EXPECT_EQ(GetOrdProp(form, "Height", -1), form.Height());
  EXPECT_TRUE(SetOrdProp(form, "Color", RGB(1, 2, 3)));
  EXPECT_EQ(form.Color(), RGB(1, 2, 3));
  EXPECT_EQ(GetEnumProp(form, "AutoScroll"), "True");
  EXPECT_TRUE(SetEnumProp(form, "AutoScroll", "False"));
  EXPECT_FALSE(form.AutoScroll());
  EXPECT_EQ(GetObjectProp(form, "Menu"), nullptr);
  ASSERT_NE(GetPropInfo(form, "Menu"), nullptr);
  // The message entry is replaceable: a layer in front sees the messages first.
  std::vector<UINT> seen;
  TWndMethod old = form.WindowProc;
  form.WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    old(m);
  };
  SendMessageA(form.Handle(), WM_NULL, 0, 0);
  form.WindowProc = old;
  SendMessageA(form.Handle(), WM_NULL, 0, 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_NULL)), 1);
}

TEST(FormTest, RepaintsLeaveNoGdiObjectBehind) {
  TTestForm form;
  form.LoadFromDefinition(TestForm);
  form.Show();
  UpdateWindow(form.Handle());
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 20; ++i)
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

TEST(FormTest, MalformedDefinitionsAreRefusedWithAReason) {
  const struct {
    const char* text;
    const char* fragment;
  } cases[] = {
      {"object F: TOther\nend\n", "not TTestForm"},
      {"object F: TTestForm\n  object x: TNoSuchClass\n  end\nend\n", "TNoSuchClass not found"},
      {"object F: TTestForm\n  Bogus = 1\nend\n", "F.Bogus"},
      {"object F: TTestForm\n  Caption = 5\nend\n", "invalid property value"},
      {"object F: TTestForm\n  OnCreate = NoSuchHandler\nend\n", "invalid property value"},
      {"object F: TTestForm\n  Position = poNowhere\nend\n", "invalid property value"},
      {"object F: TTestForm\n  Font.Bogus = 1\nend\n", "Font.Bogus"},
      {"object F: TTestForm\n  Caption = 'x\nend\n", "line 2"},
  };
  for (const auto& c : cases) {
    TTestForm form;
    try {
      form.LoadFromDefinition(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
    }
  }
}

TEST(TimerTest, TicksWhileEnabledWithAHandler) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObjectSender) { ++ticks; });
  EXPECT_TRUE(test::WaitUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  const int stopped = ticks;
  Sleep(100);
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace velmora
