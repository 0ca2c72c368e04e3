// The masked time field in a real window: typing, display, Esc, Enter, and the
// refused focus change with its error box.
#include "framework/mask_edit.h"

#include <gtest/gtest.h>

#include <thread>

#include "framework/application.h"
#include "framework/form.h"
#include "support/test_support.h"

namespace velmora {
namespace {

class TMaskForm : public TForm {
 public:
  TMaskForm() : TForm(nullptr) {
    RegisterMethod("saveClick", TNotifyEvent([this](TObjectSender) { Saved.push_back(field()->Text()); }));
    LoadFromDefinition(R"(object MaskForm: TMaskForm
  Width = 200
  Height = 160
  object medt: TMaskEdit
    Left = 8
    Top = 8
    Width = 105
    Height = 21
    EditMask = '!90:00:00;1;_'
    Text = '  :  :  '
    TabOrder = 0
  end
  object other: TEdit
    Left = 8
    Top = 40
    TabOrder = 1
  end
  object save: TButton
    Left = 8
    Top = 70
    Default = True
    TabOrder = 2
    OnClick = saveClick
  end
end
)");
    Show();
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TMaskForm", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TMaskEdit* field() { return static_cast<TMaskEdit*>(FindComponent("medt")); }
  TWinControl* other() { return static_cast<TWinControl*>(FindComponent("other")); }
  TWinControl* save() { return static_cast<TWinControl*>(FindComponent("save")); }
  std::string windowText() {
    char text[32] = {};
    GetWindowTextA(field()->Handle(), text, sizeof(text));
    return text;
  }
  void type(const std::string& keys) {
    for (char c : keys) SendMessageA(field()->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  // A key as the message loop would route it: the dialog manager first.
  void press(UINT vk) {
    MSG down{GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
    if (!IsDialogKeyMessage(down)) {
      TranslateMessage(&down);
      DispatchMessageA(&down);
    }
  }
  std::vector<std::string> Saved;
};

// Answers the error box shown by the application; returns its text.
std::string answerErrorBox() {
  std::string text;
  HWND box = nullptr;
  test::WaitUntil([&] { return (box = FindWindowA("#32770", Application.Title().c_str())) != nullptr; },
                  std::chrono::seconds(10));
  if (!box) return "<no box>";
  char buffer[256] = {};
  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return buffer;
}

class MaskEditTest : public testing::Test {
 protected:
  void SetUp() override { Application.SetTitle("MaskEditTest"); }
};

TEST_F(MaskEditTest, TypesDigitsOnlyAndShowsGapsWhileEdited) {
  TMaskForm form;
  EXPECT_EQ(form.windowText(), "  :  :  ");  // not edited: blanks
  form.field()->SetFocus();
  EXPECT_EQ(form.windowText(), "__:__:__");
  form.type("1a2");  // the letter is refused
  EXPECT_EQ(form.windowText(), "12:__:__");
  form.type("3456789");  // digits have no range; the ninth is refused
  EXPECT_EQ(form.field()->Text(), "12:34:56");
  form.type("\b\b");
  EXPECT_EQ(form.field()->Text(), "12:34:  ");
  form.field()->SetText("99:99:99");  // the program's text is taken as it is
  EXPECT_EQ(form.field()->Text(), "99:99:99");
}

TEST_F(MaskEditTest, EmptyFirstHourDigitGivesALeadingBlank) {
  TMaskForm form;
  form.field()->SetFocus();
  SendMessageA(form.field()->Handle(), EM_SETSEL, 1, 1);
  form.type("93000");
  EXPECT_EQ(form.windowText(), "_9:30:00");
  form.other()->SetFocus();  // complete: leaving is allowed
  EXPECT_TRUE(form.other()->Focused());
  EXPECT_EQ(form.field()->Text(), " 9:30:00");
  EXPECT_EQ(form.windowText(), " 9:30:00");
}

TEST_F(MaskEditTest, EscGivesBackTheTextFromBeforeTheChange) {
  TMaskForm form;
  form.field()->SetText("12:00:00");
  form.field()->SetFocus();
  form.type("0");
  EXPECT_EQ(form.field()->Text(), "02:00:00");
  form.press(VK_ESCAPE);
  EXPECT_EQ(form.field()->Text(), "12:00:00");
  EXPECT_FALSE(form.field()->IsModified());
}

TEST_F(MaskEditTest, IncompleteFieldKeepsTheFocusAndSaysWhy) {
  TMaskForm form;
  form.field()->SetFocus();
  form.type("12");
  std::string shown;
  std::thread watcher([&] { shown = answerErrorBox(); });
  form.other()->SetFocus();
  watcher.join();
  EXPECT_EQ(shown, "Invalid input value.  Use escape key to abandon changes.");
  EXPECT_TRUE(form.field()->Focused());
  DWORD start = 0;
  SendMessageA(form.field()->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  EXPECT_EQ(start, 3u);  // the first empty position
}

TEST_F(MaskEditTest, PressingAButtonFromAnIncompleteFieldClicksNothing) {
  TMaskForm form;
  form.field()->SetFocus();
  form.type("1");
  std::thread watcher([] { answerErrorBox(); });
  HWND button = form.save()->Handle();
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  watcher.join();
  EXPECT_TRUE(form.Saved.empty());
  EXPECT_TRUE(form.field()->Focused());
}

TEST_F(MaskEditTest, EnterSavesWithoutLeavingTheField) {
  TMaskForm form;
  form.field()->SetFocus();
  form.type("1");  // incomplete, but Enter does not move the focus
  form.press(VK_RETURN);
  EXPECT_EQ(form.Saved, (std::vector<std::string>{"1 :  :  "}));
  EXPECT_TRUE(form.field()->Focused());
}

}  // namespace
}  // namespace velmora
