// The gallery's window.
#include "gallery/gallery_form.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <fstream>
#include <iterator>

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

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
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
  RegisterMethod("UseBuiltInSkin", notify(&TGalleryForm::UseBuiltInSkin));
  RegisterMethod("UseSageSkin", notify(&TGalleryForm::UseSageSkin));
  RegisterMethod("OpenSkinPackage", notify(&TGalleryForm::OpenSkinPackage));
  LoadFromDefinition(GalleryFormText);
  FMenu = find<TMainMenu>(*this, "mnuMain");
  FStatus = find<TStatusBar>(*this, "sbStatus");
  FSkin = find<TSkinData>(*this, "skn");
  FBuiltInSkin = FSkin->StoredPackage();
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

bool TGalleryForm::SwitchSkin(const std::string& path) {
  std::vector<std::uint8_t> package = FBuiltInSkin;
  if (!path.empty() && !readFileBytes(path, package)) package.clear();
  if (package.empty() || !FSkin->UsePackage(std::move(package))) return false;
  // The status bar's second panel names the skin in use.
  const std::string text = "Skin: " + FSkin->SkinName;
  if (FStatus && FStatus->HandleAllocated())
    SendMessageA(FStatus->Handle(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

void TGalleryForm::switchSkinOrSay(const std::string& path) {
  if (SwitchSkin(path)) return;
  MessageBoxA(Handle(), ("Cannot load the skin package " + path).c_str(), Application.Title().c_str(),
              MB_OK | MB_ICONSTOP);
}

std::string TGalleryForm::SageSkinPath() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "skins\\sage.vskin";
}

void TGalleryForm::UseBuiltInSkin(TObjectSender) { switchSkinOrSay({}); }

void TGalleryForm::UseSageSkin(TObjectSender) { switchSkinOrSay(SageSkinPath()); }

void TGalleryForm::OpenSkinPackage(TObjectSender) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = "Skin packages (*.vskin)\0*.vskin\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameA(&dialog)) switchSkinOrSay(path);
}

}  // namespace velmora
