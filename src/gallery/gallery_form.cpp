// The gallery's window.
#include "gallery/gallery_form.h"

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/mask_edit.h"
#include "gallery/gallery_form_text.h"

namespace velmora {
namespace {

template <class T>
T* find(TForm& form, const char* name) {
  T* component = dynamic_cast<T*>(form.FindComponent(name));
  if (!component) throw Exception(FormatText("The stored form has no %s", {name}));
  return component;
}

}  // namespace

const TClassInfo& TGalleryForm::StaticClassInfo() {
  static const TClassInfo info{"TGalleryForm", &TForm::StaticClassInfo(), {}, {}};
  return info;
}

TGalleryForm::TGalleryForm() : TForm(nullptr) {
  RegisterStandardControls();
  RegisterCommonControlClasses();
  RegisterComponentClass(TMaskEdit::StaticClassInfo());
  RegisterComponentClass(TMainMenu::StaticClassInfo());
  RegisterComponentClass(TMenuItem::StaticClassInfo());
  RegisterComponentClass(TSkinData::StaticClassInfo());
  auto notify = [this](void (TGalleryForm::*handler)(TObjectSender)) {
    return TNotifyEvent([this, handler](TObjectSender sender) { (this->*handler)(sender); });
  };
  RegisterMethod("ShowMessageBox", notify(&TGalleryForm::ShowMessageBox));
  RegisterMethod("ShowMdiWindow", notify(&TGalleryForm::ShowMdiWindow));
  RegisterMethod("CloseGallery", notify(&TGalleryForm::CloseGallery));
  LoadFromDefinition(GalleryFormText);
  FMenu = find<TMainMenu>(*this, "mnuMain");
  FStatus = find<TStatusBar>(*this, "sbStatus");
  FSkin = find<TSkinData>(*this, "skn");
  FMenu->AttachTo(Handle());
}

TGalleryForm::~TGalleryForm() { FMdi.reset(); }

void TGalleryForm::WndProc(TMessage& message) {
  if (message.Msg == WM_COMMAND && message.LParam == 0 && HIWORD(message.WParam) == 0 &&
      FMenu && FMenu->DispatchCommand(LOWORD(message.WParam)))
    return;
  TForm::WndProc(message);
  // The status bar keeps to the bottom edge.
  if (message.Msg == WM_SIZE && FStatus && FStatus->WindowHandle()) SendMessageA(FStatus->WindowHandle(), WM_SIZE, 0, 0);
}

void TGalleryForm::ShowMessageBox(TObjectSender) {
  MessageBoxA(Handle(), "这是一个消息框。\nA message box drawn in the skin's frame.", Application.Title().c_str(),
              MB_OKCANCEL | MB_ICONINFORMATION);
}

void TGalleryForm::ShowMdiWindow(TObjectSender) {
  if (FMdi && FMdi->Open()) {
    FMdi->BringToFront();
    return;
  }
  FMdi = std::make_unique<TMdiDemo>(Handle());
}

void TGalleryForm::CloseGallery(TObjectSender) { Close(); }

}  // namespace velmora
