// The skin manager: its hook, its lists and its deferred actions.
#include "skin/forms/skin_manager.h"

#include <algorithm>
#include <cctype>

#include "framework/form.h"
#include "framework/module_procedure.h"
#include "framework/screen.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_platform.h"
#include "skin/forms/pop_menu_skin.h"
#include "skin/forms/skin_messages.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

namespace {

std::string classNameOf(HWND window) {
  char name[256] = {};
  if (window) GetClassNameA(window, name, sizeof name);
  return name;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TForm* screenFormOf(HWND window) {
  for (TForm* form : Screen.FormList())
    if (form->WindowHandle() == window) return form;
  return nullptr;
}

TSkinManage* theManager() { return dynamic_cast<TSkinManage*>(SkinManager()); }

}  // namespace

TSkinManage::TSkinManage(bool moduleMode) {
  if (moduleMode) FModule = GetModuleHandleA(nullptr);
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(100);
  FTimer->SetOnTimer([this](TObjectSender) { DoAction(); });
  // The optional scroll-bar library is never loaded by this program, so its entry
  // points are looked up only when a library is there.
  if (FCoolSBLib) {
    FCoolSBInitApp = ProcedureOf<CoolSBAppStart>(FCoolSBLib, "CoolSB_InitializeApp");
    FCoolSBUninitApp = ProcedureOf<CoolSBAppEnd>(FCoolSBLib, "CoolSB_UninitializeApp");
    FInitCoolSB = GetProcAddress(FCoolSBLib, "InitializeCoolSB");
    FUninitCoolSB = GetProcAddress(FCoolSBLib, "UninitializeCoolSB");
    if (FCoolSBInitApp) FCoolSBReady = FCoolSBInitApp() != 0;
  }
}

TSkinManage::~TSkinManage() {
  FState = SkinManagerDetached;
  FActive = false;
  FTimer.reset();
  if (FCoolSBLib && FCoolSBUninitApp) FCoolSBUninitApp();
  for (const auto& [thread, hook] : FHooks) UnhookWindowsHookEx(hook);
  FHooks.clear();
  // Each entry leaves the list before it is detached and freed.
  while (!FForms.empty()) detachAndFree(FForms.size() - 1, false);
  FRetired.clear();
  FPopups.clear();
  FDatas.clear();
  FMainData = FActionData = nullptr;
}

void TSkinManage::InstallHook() {
  const DWORD thread = GetCurrentThreadId();
  if (FHooks.count(thread)) return;  // one hook per thread
  if (HHOOK hook = SetWindowsHookExA(WH_CBT, CBTHookProc, nullptr, thread)) FHooks[thread] = hook;
}

HHOOK TSkinManage::HookOfThread(DWORD threadId) const {
  auto it = FHooks.find(threadId);
  return it == FHooks.end() ? nullptr : it->second;
}

LRESULT CALLBACK TSkinManage::CBTHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = theManager();
  if (code < 0 || !manager || manager->FState == SkinManagerDetached)
    return CallNextHookEx(nullptr, code, wParam, lParam);
  const HWND window = reinterpret_cast<HWND>(wParam);
  try {
    switch (code) {
      case HCBT_CREATEWND: {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (create && create->lpcs) manager->hookCreate(window, *create->lpcs);
        break;
      }
      case HCBT_DESTROYWND: manager->RemovePopup(window); break;
      case HCBT_ACTIVATE:
        if (manager->FState == SkinManagerIdle) manager->FState = SkinManagerRunning;
        manager->AddForm(window);
        break;
      default: break;
    }
  } catch (...) {
    // The hooked operation goes on whatever the skin could not do.
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::hookCreate(HWND window, const CREATESTRUCTA& create) {
  // The class may arrive as an atom: the window's own class name is asked for.
  const std::string className = classNameOf(window);
  // Size grips ("ScrollBar" with SBS_SIZEGRIP) join their form's control painters once
  // controls are skinned; until then they keep their own drawing.
  if (!(create.style & WS_CHILD) && className == "#32768") AddPopup(window);
  if (create.dwExStyle & WS_EX_MDICHILD) AddForm(window);
}

void TSkinManage::AddData(TSkinData* data) {
  if (!data || std::find(FDatas.begin(), FDatas.end(), data) != FDatas.end()) return;
  FDatas.push_back(data);
  if (!FMainData && data->SkinFormtype() == TSkinFormType::sfMainform) FMainData = data;
}

void TSkinManage::RemoveData(TSkinData* data) {
  std::erase(FDatas, data);
  if (FMainData == data) {
    FMainData = nullptr;
    for (TSkinData* other : FDatas)
      if (other->SkinFormtype() == TSkinFormType::sfMainform) {
        FMainData = other;
        break;
      }
  }
  if (FActionData == data) {
    // Its pending request goes with it.
    FActionData = nullptr;
    FAction = 0;
    if (FTimer) FTimer->SetEnabled(false);
  }
  // No form skin keeps drawing from a component that is gone.
  for (std::size_t i = FForms.size(); i-- > 0;)
    if (FForms[i]->SkinData() == data) detachAndFree(i, true);
}

void TSkinManage::SetAction(int action, int delayMs) {
  FAction = action;
  FTimer->SetInterval(static_cast<unsigned>(std::max(delayMs, 1)));
  if (FState == SkinManagerIdle) {
    if (action == skaApply) FActive = true;
    if (action == skaRemove) FActive = false;
    return;
  }
  FTimer->SetEnabled(true);
}

void TSkinManage::ReskinWindow(HWND window, int delayMs) {
  FActionWnd = window;
  SetAction(skaReskinWindow, delayMs);
}

void TSkinManage::DoAction() {
  FTimer->SetEnabled(false);
  TSkinData* data = FActionData;
  if (!data) return;
  const int action = std::exchange(FAction, 0);
  if (data->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
    applyOnlyThisForm(action, data);
  } else {
    switch (action) {
      case skaApply: applyAll(); break;
      case skaRemove: removeAll(); break;
      case skaRefresh: refreshAll(); break;
      case skaFreeDestroyed: freeDestroyed(); break;
      case skaReskinWindow: reskinActionWindow(); break;
      default: break;
    }
  }
  // The handler may free the component: it is the last thing done with it.
  if (FActionData == data) FActionData = nullptr;
  if (std::find(FDatas.begin(), FDatas.end(), data) != FDatas.end()) data->DoSkinChanged();
}

void TSkinManage::applyAll() {
  FActive = true;
  FScanning = true;
  PurgeForms();
  const std::vector<TForm*> forms = Screen.FormList();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    const HWND window = (*it)->WindowHandle();
    if (window && IsWindowVisible(window) && !(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) AddForm(window);
  }
  FScanning = false;
}

void TSkinManage::removeAll() {
  FActive = false;
  PurgeForms();
  while (!FForms.empty()) {
    const HWND window = FForms.front()->Handle();
    detachAndFree(0, false);
    if (IsWindow(window)) {
      InvalidateRect(window, nullptr, TRUE);
      UpdateWindow(window);
    }
  }
}

void TSkinManage::refreshAll() {
  PurgeForms();
  std::vector<TWinSkinForm*> forms;
  for (const auto& form : FForms)
    if (form->SkinData() == FActionData) forms.push_back(form.get());
  for (TWinSkinForm* form : forms) form->LoadFrameMetrics();
  for (TWinSkinForm* form : forms) form->SkinChanged();
}

void TSkinManage::freeDestroyed() {
  for (std::size_t i = FForms.size(); i-- > 0;)
    if (FForms[i]->SkinState() == fssDestroyed) detachAndFree(i, true);
}

void TSkinManage::reskinActionWindow() {
  const HWND window = std::exchange(FActionWnd, nullptr);
  for (std::size_t i = 0; i < FForms.size(); ++i)
    if (FForms[i]->Handle() == window) {
      FForms[i]->Unskin(false);
      FForms[i]->SetSkinState(fssDestroyed);
      break;
    }
  PurgeForms();
  if (window && IsWindow(window)) AddForm(window);
}

void TSkinManage::applyOnlyThisForm(int action, TSkinData* data) {
  switch (action) {
    case skaApply:
      FActive = true;
      FScanning = true;
      if (auto* form = dynamic_cast<TForm*>(data->Owner()); form && form->WindowHandle()) AddForm(form->WindowHandle());
      FScanning = false;
      break;
    case skaRemove:
      FActive = false;
      for (std::size_t i = FForms.size(); i-- > 0;)
        if (FForms[i]->SkinData() == data) {
          detachAndFree(i, false);
          break;
        }
      break;
    case skaRefresh:
      for (const auto& form : FForms)
        if (form->SkinData() == data) {
          form->LoadFrameMetrics();
          form->SkinChanged();
          break;
        }
      break;
    case skaFreeDestroyed: freeDestroyed(); break;
    default: break;
  }
}

void TSkinManage::detachAndFree(std::size_t index, bool detaching) {
  std::unique_ptr<TWinSkinForm> form = std::move(FForms[index]);
  FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(index));
  form->Unskin(detaching || !IsWindow(form->Handle()));
  form->SetSkinState(fssDestroyed);
  keepUntilIdle(std::move(form));
}

void TSkinManage::keepUntilIdle(std::unique_ptr<TWinSkinForm> form) {
  // Freed at once unless one of its window's messages is still being handled by it.
  if (form->Nesting() > 0) FRetired.push_back(std::move(form));
  std::erase_if(FRetired, [](const auto& retired) { return retired->Nesting() == 0; });
}

void TSkinManage::PurgeForms() {
  if (FState == SkinManagerDetached) return;
  for (std::size_t i = FForms.size(); i-- > 0;) {
    TWinSkinForm& form = *FForms[i];
    const bool gone = form.SkinState() == fssDestroyed || !IsWindow(form.Handle());
    if (gone && form.Nesting() == 0) detachAndFree(i, true);
  }
  std::erase_if(FRetired, [](const auto& retired) { return retired->Nesting() == 0; });
}

TWinSkinForm* TSkinManage::FindForm(HWND window) const {
  if (!window) return nullptr;
  for (const auto& form : FForms)
    if (form->Handle() == window && form->SkinState() != fssDestroyed) return form.get();
  return nullptr;
}

void TSkinManage::RemoveForm(HWND window) {
  if (FState == SkinManagerDetached) return;
  for (std::size_t i = 0; i < FForms.size(); ++i)
    if (FForms[i]->Handle() == window) {
      detachAndFree(i, !IsWindow(window));
      return;
    }
}

bool TSkinManage::CanSkinWindow(HWND window, const std::string& className, DWORD style) {
  bool canSkin = true;
  if (!FMainData) return canSkin;
  const std::string lowered = lower(className);
  if (!InSet(FMainData->Options(), xoPreview) && lowered.find("preview") != std::string::npos) canSkin = false;
  if (className == "#32770" && (style & 0x200)) canSkin = false;
  if (lowered == "tpopupdbtreeview") canSkin = false;
  FMainData->DoFormSkin(window, className, canSkin);
  return canSkin;
}

TSkinData* TSkinManage::SelectData(HWND window, const std::string& className) const {
  TSkinData* found = nullptr;
  for (TSkinData* data : FDatas)
    if (data->SkinFormtype() == TSkinFormType::sfOnlyThisForm)
      if (auto* form = dynamic_cast<TForm*>(data->Owner()); form && form->WindowHandle() == window) found = data;
  const std::string lowered = lower(className);
  if (!found && (lowered == "tmessageform" || lowered == "#32770"))
    for (TSkinData* data : FDatas)
      if (data->SkinFormtype() == TSkinFormType::sfDialog) found = data;
  if (!found)
    for (TSkinData* data : FDatas)
      if (data->SkinFormtype() == TSkinFormType::sfMainform) found = data;
  if (!found && !FDatas.empty()) found = FDatas.front();
  return found;
}

bool TSkinManage::AddForm(HWND window) {
  // 1. Skinning is on; stale entries go first.
  if (!FActive || !window || !IsWindow(window)) return false;
  PurgeForms();
  // 2. Not skinned already, by us or by another module's engine.
  if (FindForm(window) || SendMessageA(window, WM_SKINQUERY, 0, 0) == 1) return false;
  // 3. The framework object of the window.
  TForm* form = screenFormOf(window);
  TWinControl* control = form ? form : FindControlObject(window);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const bool mdiChild = exStyle & WS_EX_MDICHILD;
  const std::string className = classNameOf(window);
  // 4. Children only inside an MDI client, unless the shown forms are being scanned.
  if (!FScanning && (style & WS_CHILD) && !mdiChild && lower(classNameOf(GetParent(window))) != "mdiclient")
    return false;
  // 5. Of foreign windows, only dialog boxes.
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!control && instance != GetModuleHandleA(nullptr) && className != "#32770") return false;
  // 6. A window with an area.
  RECT rect{};
  GetWindowRect(window, &rect);
  if (!mdiChild && (rect.right - rect.left) * (rect.bottom - rect.top) == 0) return false;
  // 7. Tag 99 keeps a window unskinned.
  if (control && control->Tag() == 99) return false;
  // 8. Windows that are never skinned.
  if (className.find("TcxPopupEditPopupWindow") != std::string::npos ||
      className.find("TTERenderWindow") != std::string::npos || className == "TApplication")
    return false;
  // 9. The main skin data's verdict.
  if (!CanSkinWindow(window, className, style)) return false;
  // 10. A skin to draw with.
  TSkinData* data = SelectData(window, className);
  if (!data || data->NoSkin()) return false;

  auto skin = std::make_unique<TWinSkinForm>(this, window, FModule, className);
  TWinSkinForm* made = skin.get();
  FForms.push_back(std::move(skin));
  if (form)
    made->AttachForm(data, form);
  else
    made->AttachWindow(data);
  PostMessageA(window, WM_SKININIT, 0, SkinInitParam);
  return true;
}

bool TSkinManage::AddPopup(HWND window) {
  if (!FActive || !window || SendMessageA(window, WM_SKINQUERY, 0, 0) == 1 || IsPopup(window)) return false;
  TSkinData* data = SelectData(window, classNameOf(window));
  if (!data || data->NoSkin()) return false;
  const TSkinControlTypes controls = data->SkinControls();
  switch (FMenuKind) {
    case smkPopup:
      if (!InSet(controls, xcPopupMenu)) return false;
      break;
    case smkMenuBar:
      if (!InSet(controls, xcMainMenu) && !InSet(controls, xcMenuItem)) return false;
      break;
    case smkSystemMenu:
      if (!InSet(controls, xcSystemMenu)) return false;
      break;
    default: break;
  }
  auto popup = std::make_unique<TPopupMenuSkin>();
  popup->Window = window;
  popup->FromBar = FMenuFromBar;
  popup->Skin = std::make_unique<TWinSkinPopMenu>(this, popup.get());
  popup->Skin->Subclass(window, data, nullptr);
  FPopups.push_back(std::move(popup));
  return true;
}

bool TSkinManage::RemovePopup(HWND window) {
  const auto count = FPopups.size();
  std::erase_if(FPopups, [window](const auto& popup) { return popup->Window == window; });
  const bool removed = FPopups.size() != count;
  if (removed && FPopups.empty()) {
    FMenuKind = smkPopup;
    FMenuFromBar = false;
  }
  return removed;
}

bool TSkinManage::IsPopup(HWND window) const {
  return std::any_of(FPopups.begin(), FPopups.end(), [window](const auto& popup) { return popup->Window == window; });
}

void TSkinManage::SetPopupMenu(HMENU menu) {
  for (auto it = FPopups.rbegin(); it != FPopups.rend(); ++it)
    if (!(*it)->Menu) {
      (*it)->Menu = menu;
      return;
    }
}

void TSkinManage::MarkPopupsFromBar() {
  for (const auto& popup : FPopups) popup->FromBar = true;
}

const TBitmap* TSkinManage::FindPopupBitmap(HMENU menu) const {
  const TPopupMenuSkin* popup = FindPopup(menu);
  return popup ? popup->Background : nullptr;
}

const TPopupMenuSkin* TSkinManage::FindPopup(HMENU menu) const {
  if (!menu) return nullptr;
  for (const auto& popup : FPopups)
    if (popup->Menu == menu) return popup.get();
  return nullptr;
}

HMENU TSkinManage::NewestPopupMenu() const {
  if (FPopups.empty()) return nullptr;
  const auto& newest = FPopups.back();
  return newest->Skin ? newest->Skin->Menu() : newest->Menu;
}

TPopupMenuSkin::TPopupMenuSkin() = default;
TPopupMenuSkin::~TPopupMenuSkin() = default;

void TSkinManage::SetMDIMaximized(bool value) {
  if (value == FMDIMaximized) return;
  FMDIMaximized = value;
  if (!FMainData || InSet(FMainData->Options(), xoMDIChildBorder)) return;
  for (const auto& form : FForms) {
    if (form->FormKind() != fkMDIChild || form->SkinState() == fssDestroyed) continue;
    const HWND window = form->Handle();
    if (value) {
      form->RemoveRegion();
    } else if (!IsIconic(window)) {
      const bool hadRegion = form->HasRegion();
      ShowWindow(window, SW_RESTORE);
      form->SetRegion();
      if (!hadRegion) SetWindowPos(window, nullptr, 0, 0, 0, 0, 0x37);
    }
  }
}

void TSkinManage::RefreshData() {
  for (const auto& form : FForms)
    if (form->SkinData() == FActionData) form->FreeButtons();
}

void UseSkinManager() {
  SetSkinManagerMaker([] { return std::make_unique<TSkinManage>(); });
}

}  // namespace velmora
