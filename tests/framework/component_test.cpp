// Components with owners, notifications, Loaded, and properties by name.
#include "framework/component.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

enum class TShade { Light, Dark };

std::vector<std::string>* journal = nullptr;

class TProbe : public TComponent {
 public:
  using TComponent::TComponent;
  ~TProbe() override {
    if (journal) journal->push_back("free " + Name());
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TProbe",
        &TComponent::StaticClassInfo(),
        {
            props::String<TProbe>("Caption", &TProbe::Caption, &TProbe::SetCaption),
            props::Integer<TProbe, int>("Width", &TProbe::Width, &TProbe::SetWidth),
            props::Boolean<TProbe>("Visible", &TProbe::Visible, &TProbe::SetVisible),
            props::Enumeration<TProbe, TShade>("Shade", {"shLight", "shDark"}, &TProbe::Shade,
                                               &TProbe::SetShade),
            props::Object<TProbe, TProbe>("Buddy", &TProbe::Buddy, &TProbe::SetBuddy),
            props::Event<TProbe>("OnClick", &TProbe::OnClick),
        },
        [](TComponent* owner) { return new TProbe(owner); }};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& c) { FCaption = c; }
  int Width() const { return FWidth; }
  void SetWidth(int w) { FWidth = w; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  TShade Shade() const { return FShade; }
  void SetShade(TShade s) { FShade = s; }
  TProbe* Buddy() const { return FBuddy; }
  void SetBuddy(TProbe* b) {
    FBuddy = b;
    if (b) b->FreeNotification(this);
  }

  std::function<void(TObjectSender)> OnClick;
  std::vector<std::string> Seen;

 protected:
  void Loaded() override { Seen.push_back("Loaded"); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    Seen.push_back((op == TOperation::opInsert ? "insert " : "remove ") + c->Name());
    if (op == TOperation::opRemove && c == FBuddy) FBuddy = nullptr;
  }

 private:
  std::string FCaption;
  int FWidth = 0;
  bool FVisible = true;
  TShade FShade = TShade::Light;
  TProbe* FBuddy = nullptr;
};

TEST(ComponentTest, OwnerFreesItsComponentsLastFirst) {
  std::vector<std::string> log;
  journal = &log;
  auto* owner = new TProbe();
  owner->SetName("owner");
  auto* a = new TProbe(owner);
  a->SetName("a");
  auto* b = new TProbe(owner);
  b->SetName("b");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), b);
  delete owner;
  journal = nullptr;
  EXPECT_EQ(log, (std::vector<std::string>{"free owner", "free b", "free a"}));
}

TEST(ComponentTest, NotificationsReachTheOwnerAndThoseWhoAsked) {
  TProbe owner;
  owner.SetName("owner");
  auto* a = new TProbe(&owner);
  a->SetName("a");
  TProbe outsider;
  auto* buddy = new TProbe(&owner);
  buddy->SetName("buddy");
  outsider.SetBuddy(buddy);
  delete buddy;
  EXPECT_EQ(outsider.Buddy(), nullptr);
  EXPECT_NE(std::find(a->Seen.begin(), a->Seen.end(), "remove buddy"), a->Seen.end());
  EXPECT_NE(std::find(owner.Seen.begin(), owner.Seen.end(), "remove buddy"), owner.Seen.end());
}

TEST(ComponentTest, PropertiesByName) {
  TProbe p;
  EXPECT_TRUE(SetStrProp(p, "caption", "立即备份"));
  EXPECT_EQ(GetStrProp(p, "Caption"), "立即备份");
  EXPECT_TRUE(SetOrdProp(p, "Width", 75));
  EXPECT_EQ(GetOrdProp(p, "Width"), 75);
  EXPECT_TRUE(SetEnumProp(p, "Visible", "false"));
  EXPECT_FALSE(p.Visible());
  EXPECT_EQ(GetEnumProp(p, "Visible"), "False");
  EXPECT_TRUE(SetEnumProp(p, "Shade", "shDark"));
  EXPECT_EQ(GetEnumProp(p, "Shade"), "shDark");
  EXPECT_FALSE(SetEnumProp(p, "Shade", "shPurple"));
  EXPECT_EQ(GetEnumProp(p, "Shade"), "shDark");
  EXPECT_TRUE(SetOrdProp(p, "Tag", 99));  // inherited from TComponent
  EXPECT_EQ(p.Tag(), 99);
  EXPECT_FALSE(SetStrProp(p, "NoSuchProperty", "x"));
  EXPECT_EQ(GetOrdProp(p, "NoSuchProperty", -1), -1);
  EXPECT_EQ(GetStrProp(p, "Width"), "");  // wrong kind: nothing

  TProbe other;
  EXPECT_TRUE(SetObjectProp(p, "Buddy", &other));
  EXPECT_EQ(GetObjectProp(p, "Buddy"), &other);

  int clicks = 0;
  EXPECT_TRUE(SetEventProp(p, "OnClick", std::function<void(TObjectSender)>(
                                              [&](TObjectSender) { ++clicks; })));
  ASSERT_TRUE(p.OnClick);
  p.OnClick(&p);
  EXPECT_EQ(clicks, 1);
}

TEST(ComponentTest, ClassesAreCreatedByNameAndLoadedAfterTheirProperties) {
  RegisterComponentClass(TProbe::StaticClassInfo());
  const TClassInfo* info = FindClass("tprobe");
  ASSERT_NE(info, nullptr);
  TProbe owner;
  TComponent* made = info->Create(&owner);
  ASSERT_NE(dynamic_cast<TProbe*>(made), nullptr);
  EXPECT_EQ(made->Owner(), &owner);
  made->BeginLoading();
  EXPECT_TRUE(made->IsLoading());
  SetStrProp(*made, "Caption", "x");
  made->EndLoading();
  EXPECT_FALSE(made->IsLoading());
  EXPECT_EQ(static_cast<TProbe*>(made)->Seen.back(), "Loaded");
  EXPECT_TRUE(made->InheritsFrom(TComponent::StaticClassInfo()));
}

}  // namespace
// Class names and class-map rows are matched whatever their case.
TEST(TextMatchTest, StartsTextIgnoresTheCaseOfLettersOnly) {
  const struct {
    const char* text;
    const char* prefix;
    bool starts;
  } cases[] = {
      {"TButton=button", "tbutton=", true}, {"tbutton=button", "TBUTTON=", true},
      {"TButton", "tbutton=", false},       {"TBitBtn=bitbtn", "tbutton=", false},
      {"", "", true},                       {"x", "", true},
      {"", "x", false},                     {"[x", "{x", false},  // '[' and '{' differ by case bit only
  };
  for (const auto& c : cases) EXPECT_EQ(StartsText(c.text, c.prefix), c.starts) << c.text << " / " << c.prefix;
}

}  // namespace velmora
