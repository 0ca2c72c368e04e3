// Painters that hand the skin's pictures to controls of other families: each family's
// glyph properties are set while skinned and taken back by Unskin; absent properties
// are skipped; an advanced page control gets the tab frames fitted to 100 x 21.
#include "skin/controls/property_painters.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/form.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t CheckInk = 0x2040A0, RadioInk = 0xA04020, TabNormal = 0x406080, TabActive = 0x80A040;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> pictureSkin() {
  const std::string ini =
      "[Buttons]\nBitmap=buttons.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n[Tabs]\nImage=tabs.bmp\n";
  const std::uint32_t tabFaces[] = {TabNormal, TabActive, 0x1, 0x2, 0x3};
  const Bytes package = test::PackSkin(ini, {{"buttons.bmp", MakeBmp(50, 20)},
                                             {"check.bmp", MakeBmp(64, 13, CheckInk)},
                                             {"radio.bmp", MakeBmp(48, 13, RadioInk)},
                                             {"tabs.bmp", MakeBmp(50, 10, [&](int x, int) { return tabFaces[x / 10]; })}});
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(package)));
  return data;
}

// Glyph properties as another control family publishes them.
template <const char* Title, const char* Glyphs, const char* Key, const char* Use>
class TPictureCheck : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        Title,
        &TWinControl::StaticClassInfo(),
        {props::Object<TPictureCheck, TGlyph>(Glyphs, &TPictureCheck::Pictures, &TPictureCheck::SetPictures),
         props::Integer<TPictureCheck, int>(Key, &TPictureCheck::KeyColor, &TPictureCheck::SetKeyColor),
         props::Boolean<TPictureCheck>(Use, &TPictureCheck::Using, &TPictureCheck::SetUsing)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TGlyph* Pictures() const { return FPictures; }
  void SetPictures(TGlyph* g) { FPictures = g; }
  int KeyColor() const { return FKey; }
  void SetKeyColor(int v) { FKey = v; }
  bool Using() const { return FUsing; }
  void SetUsing(bool v) { FUsing = v; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
  }

 private:
  TGlyph* FPictures = nullptr;
  int FKey = -1;
  bool FUsing = false;
};

constexpr char kRadioName[] = "TRzRadioButton", kCheckName[] = "TRzCheckBox", kCustom[] = "CustomGlyphs",
               kCustomKey[] = "TransparentColor", kCustomUse[] = "UseCustomGlyphs", kGlyphs[] = "Glyphs",
               kGlyphKey[] = "GlyphTransparentColor", kGlyphUse[] = "UseGlyphs";
using TRadioFamily = TPictureCheck<kRadioName, kCustom, kCustomKey, kCustomUse>;
using TCheckFamily = TPictureCheck<kCheckName, kGlyphs, kGlyphKey, kGlyphUse>;

// A family whose picture sits in a "Properties" object.
class TGlyphProperties : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphProperties", nullptr,
        {props::Object<TGlyphProperties, TGlyph>("Glyph", &TGlyphProperties::Glyph, &TGlyphProperties::SetGlyph)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TGlyph* Glyph() const { return FGlyph; }
  void SetGlyph(TGlyph* g) { FGlyph = g; }

 private:
  TGlyph* FGlyph = nullptr;
};

class TPropertiesCheck : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TcxCheckBox",
        &TWinControl::StaticClassInfo(),
        {props::Object<TPropertiesCheck, TGlyphProperties>("Properties", &TPropertiesCheck::Properties, nullptr)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TGlyphProperties* Properties() const { return &FProperties; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
  }

 private:
  mutable TGlyphProperties FProperties;
};

class TAdvPages : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TAdvPageControl",
        &TWinControl::StaticClassInfo(),
        {props::Object<TAdvPages, TGlyph>("TabBackGround", &TAdvPages::Normal, &TAdvPages::SetNormal),
         props::Object<TAdvPages, TGlyph>("TabBackGroundActive", &TAdvPages::Active, &TAdvPages::SetActive)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TGlyph* Normal() const { return FNormal; }
  void SetNormal(TGlyph* g) { FNormal = g; }
  TGlyph* Active() const { return FActive; }
  void SetActive(TGlyph* g) { FActive = g; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
  }

 private:
  TGlyph *FNormal = nullptr, *FActive = nullptr;
};

struct PictureFixture {
  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin = pictureSkin();
  TForm Form{nullptr};
  template <class C>
  C* add() {
    auto* control = new C(&Form);
    control->SetParent(&Form);
    (void)control->Handle();
    return control;
  }
};

TEST(PropertyPaintersTest, EachFamilyGetsItsStripAndGivesItBack) {
  PictureFixture f;
  auto* radio = f.add<TRadioFamily>();
  auto* check = f.add<TCheckFamily>();
  auto* cx = f.add<TPropertiesCheck>();
  auto* radioPainter = new TSkinObjImage(radio, 2);
  radioPainter->AttachControl(&f.List, f.Skin.get(), true);
  auto* checkPainter = new TSkinObjImage(check, 1);
  checkPainter->AttachControl(&f.List, f.Skin.get(), true);
  auto* cxPainter = new TSkinObjImage(cx, 3);
  cxPainter->AttachControl(&f.List, f.Skin.get(), true);

  ASSERT_NE(radio->Pictures(), nullptr);
  EXPECT_EQ(radio->Pictures()->Bitmap.Width(), 48) << "a radio button gets the radio strip";
  EXPECT_EQ(radio->Pictures()->Bitmap.Pixel(3, 3), rgb(RadioInk));
  EXPECT_EQ(radio->KeyColor(), static_cast<int>(RGB(255, 0, 255)));
  EXPECT_TRUE(radio->Using());
  ASSERT_NE(check->Pictures(), nullptr);
  EXPECT_EQ(check->Pictures()->Bitmap.Pixel(3, 3), rgb(CheckInk)) << "the third family: the check strip";
  EXPECT_TRUE(check->Using());
  ASSERT_NE(cx->Properties()->Glyph(), nullptr);
  EXPECT_EQ(cx->Properties()->Glyph()->Bitmap.Width(), 64);

  for (TSkinControl* painter : {static_cast<TSkinControl*>(radioPainter), static_cast<TSkinControl*>(checkPainter),
                                static_cast<TSkinControl*>(cxPainter)})
    painter->Unskin();
  EXPECT_EQ(radio->Pictures(), nullptr);
  EXPECT_FALSE(radio->Using());
  EXPECT_EQ(check->Pictures(), nullptr);
  EXPECT_FALSE(check->Using());
  EXPECT_EQ(cx->Properties()->Glyph(), nullptr);
}

TEST(PropertyPaintersTest, AControlWithoutThePropertiesIsLeftAlone) {
  PictureFixture f;
  auto* plain = f.add<TAdvPages>();  // no glyph properties at all
  auto* painter = new TSkinObjImage(plain, 2);
  painter->AttachControl(&f.List, f.Skin.get(), true);
  EXPECT_EQ(plain->Normal(), nullptr);
  painter->Unskin();
  EXPECT_EQ(plain->Normal(), nullptr);
}

TEST(PropertyPaintersTest, AdvancedPagesGetBothTabFramesAndLoseThemWhenUnskinned) {
  PictureFixture f;
  auto* pages = f.add<TAdvPages>();
  auto* painter = new TSkinAdvPage(pages);
  painter->Style = 4;
  painter->AttachControl(&f.List, f.Skin.get(), false);
  ASSERT_NE(pages->Normal(), nullptr);
  ASSERT_NE(pages->Active(), nullptr);
  EXPECT_EQ(pages->Normal()->Bitmap.Width(), 100);
  EXPECT_EQ(pages->Normal()->Bitmap.Height(), 21);
  EXPECT_EQ(pages->Normal()->Bitmap.Pixel(50, 10), rgb(TabNormal));
  EXPECT_EQ(pages->Active()->Bitmap.Pixel(50, 10), rgb(TabActive));
  painter->Unskin();
  EXPECT_EQ(pages->Normal(), nullptr);
  EXPECT_EQ(pages->Active(), nullptr);

  // Without style 4 the tab backgrounds stay the control's own.
  auto* other = f.add<TAdvPages>();
  (new TSkinAdvPage(other))->AttachControl(&f.List, f.Skin.get(), false);
  EXPECT_EQ(other->Normal(), nullptr);
}

}  // namespace
}  // namespace velmora
