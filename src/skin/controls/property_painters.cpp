// Painters that hand the skin's images to controls.
#include "skin/controls/property_painters.h"

#include <commctrl.h>

#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"
#include "skin/controls/updown_painter.h"
#include "skin/data/skin_drawing.h"

namespace velmora {
namespace {

// Sets an object property the control has; false when it has none.
bool setPicture(TPersistent* object, const char* name, TGlyph* picture) {
  return object && GetPropInfo(*object, name) && SetObjectProp(*object, name, picture);
}

}  // namespace

// ---- check boxes and radio buttons of other families --------------------------------

void TSkinObjImage::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FAttached) apply();
}

const TBitmap* TSkinObjImage::strip() const {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->Records.Buttons.get() : nullptr;
  if (!buttons) return nullptr;
  const bool radio = FMode == 2 && FControl && LowerText(FControl->ClassName()).find("radio") != std::string::npos;
  return radio ? &buttons->RadioMap : &buttons->CheckMap;
}

void TSkinObjImage::apply() {
  const TBitmap* images = strip();
  if (!images || images->Empty() || !FControl) return;
  FGlyph.Bitmap.Assign(*images);
  const std::string key = std::to_string(SkinTransparentColor);
  switch (FMode) {
    case 1:
      setPicture(FControl, "Glyphs", &FGlyph);
      SetPropText(FControl, "GlyphTransparentColor", key);
      SetPropText(FControl, "UseGlyphs", "True");
      break;
    case 2:
      setPicture(FControl, "CustomGlyphs", &FGlyph);
      SetPropText(FControl, "TransparentColor", key);
      SetPropText(FControl, "UseCustomGlyphs", "True");
      break;
    case 3:
      setPicture(GetObjProp<TPersistent>(FControl, "Properties"), "Glyph", &FGlyph);
      break;
    default:
      break;
  }
  FControl->Invalidate();
}

void TSkinObjImage::SkinChanged() {
  apply();
  TSkinControl::SkinChanged();
}

void TSkinObjImage::Unskin() {
  // Only what this family's mode set is taken back.
  if (FControl && FStatus != psWindowDestroyed) {
    if (FMode == 3) {
      setPicture(GetObjProp<TPersistent>(FControl, "Properties"), "Glyph", nullptr);
    } else {
      SetPropText(FControl, FMode == 1 ? "UseGlyphs" : "UseCustomGlyphs", "False");
      setPicture(FControl, FMode == 1 ? "Glyphs" : "CustomGlyphs", nullptr);
    }
  }
  TSkinControl::Unskin();
}

// ---- page controls that draw their tabs from pictures --------------------------------

void TSkinAdvPage::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (!FAttached) return;
  apply();
  if (InSet(FSkinData->SkinControls(), xcSpin))
    if (const HWND spin = FindWindowExA(FHandle, nullptr, UPDOWN_CLASSA, nullptr);
        spin && SendMessageW(spin, WM_SKINQUERY, 0, 0) != 1) {
      FScroller = new TSkinUpDown(this);
      FScroller->Horizontal = true;
      FScroller->AttachHandle(spin, FSkinData, FFormSkin);
    }
}

void TSkinAdvPage::apply() {
  const TDataSkinObject* tabs = FSkinData ? FSkinData->Records.Tabs.get() : nullptr;
  if (Style != 4 || !FControl || !tabs || tabs->Map.Empty()) return;
  const RECT size{0, 0, 100, 21};
  const int frames = tabs->Frame > 0 ? tabs->Frame : 5;
  FNormal.Bitmap = SkinBitmapSizing(size, tabs->Map, MarginsOf(*tabs), 1, frames, tabs->Tile != 0, false);
  FActive.Bitmap = SkinBitmapSizing(size, tabs->Map, MarginsOf(*tabs), 2, frames, tabs->Tile != 0, false);
  setPicture(FControl, "TabBackGround", &FNormal);
  setPicture(FControl, "TabBackGroundActive", &FActive);
  FControl->Invalidate();
}

void TSkinAdvPage::SkinChanged() {
  apply();
  TSkinControl::SkinChanged();
}

void TSkinAdvPage::Unskin() {
  if (FControl && FStatus != psWindowDestroyed) {
    setPicture(FControl, "TabBackGround", nullptr);
    setPicture(FControl, "TabBackGroundActive", nullptr);
  }
  TSkinControl::Unskin();
}

void TSkinAdvPage::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FScroller) FScroller = nullptr;
}

}  // namespace velmora
