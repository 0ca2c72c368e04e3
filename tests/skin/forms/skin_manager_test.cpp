// The skin manager with real windows under Wine: which windows get skinned, the
// deferred actions and their order, the hook, and what leaves with a skin data.
#include "skin/forms/skin_manager.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/forms/form_skin_fixture.h"
#include "skin/forms/skin_messages.h"
#include "support/test_support.h"

namespace velmora::test {
namespace {

class SkinManagerTest : public FormSkinTest {};

HWND makeWindow(const char* className, DWORD style, HINSTANCE instance, HWND parent = nullptr) {
  return CreateWindowExA(0, className, "w", style, 10, 10, 200, 120, parent, nullptr, instance, nullptr);
}

LRESULT CALLBACK plainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

ATOM registerPlain(const char* name, HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = plainProc;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  return RegisterClassA(&wc);
}

TEST_F(SkinManagerTest, BeforeAnyActivationARequestOnlySwitchesSkinningOn) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText());
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.State(), SkinManagerIdle);
  EXPECT_TRUE(manager.Active());
  EXPECT_FALSE(manager.ActionPending());
  EXPECT_EQ(manager.MainData(), Form->Skin());
  EXPECT_TRUE(manager.Forms().empty());
  // The hook is installed once for the thread, however often it is asked for.
  const HHOOK hook = manager.HookOfThread(GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  manager.InstallHook();
  EXPECT_EQ(manager.HookOfThread(GetCurrentThreadId()), hook);
}

TEST_F(SkinManagerTest, ActivationSkinsAFormOnceAndItAnswersTheQuery) {
  TSkinnedTestForm& form = ShowSkinned();
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.State(), SkinManagerRunning);
  ASSERT_EQ(manager.Forms().size(), 1u);
  EXPECT_EQ(manager.Forms()[0]->Form(), &form);
  EXPECT_EQ(SendMessageA(form.Handle(), WM_SKINQUERY, 0, 0), 1);
  EXPECT_FALSE(manager.AddForm(form.Handle()));  // a second activation makes nothing
  SetActiveWindow(nullptr);
  SetForegroundWindow(form.Handle());
  Pump();
  EXPECT_EQ(manager.Forms().size(), 1u);
}

TEST_F(SkinManagerTest, WhichWindowsAreSkinned) {
  ShowSkinned();
  TSkinManage& manager = Manager();
  const HINSTANCE own = GetModuleHandleA(nullptr);
  const HINSTANCE foreign = GetModuleHandleA("user32.dll");
  registerPlain("VelmoraPlainTest", own);
  registerPlain("XTTERenderWindowX", own);

  // A window of the program.
  HWND plain = makeWindow("VelmoraPlainTest", WS_OVERLAPPEDWINDOW, own);
  EXPECT_TRUE(manager.AddForm(plain));
  // A foreign window that is no dialog box.
  HWND foreignStatic = makeWindow("Static", WS_POPUP | WS_CAPTION, foreign);
  EXPECT_FALSE(manager.AddForm(foreignStatic));
  // A foreign dialog box.
  HWND dialog = makeWindow("#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU, foreign);
  EXPECT_TRUE(manager.AddForm(dialog));
  // ...but not one with style bit 0x200.
  HWND dialog200 = makeWindow("#32770", WS_POPUP | WS_CAPTION | 0x200, foreign);
  EXPECT_FALSE(manager.AddForm(dialog200));
  // A child outside an MDI client, unless the shown forms are being scanned.
  HWND child = makeWindow("VelmoraPlainTest", WS_CHILD | WS_VISIBLE, own, plain);
  EXPECT_FALSE(manager.AddForm(child));
  // Windows never skinned by class.
  HWND blacklisted = makeWindow("XTTERenderWindowX", WS_OVERLAPPEDWINDOW, own);
  EXPECT_FALSE(manager.AddForm(blacklisted));
  EXPECT_FALSE(manager.AddForm(Application.Handle()));
  // A window without area.
  HWND empty = CreateWindowExA(0, "VelmoraPlainTest", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, own, nullptr);
  EXPECT_FALSE(manager.AddForm(empty));
  // The skin data's own verdict.
  Form->Skin()->OnFormSkin = [](TObjectSender, const std::string& name, bool& doSkin) {
    if (name == "VelmoraPlainTest") doSkin = false;
  };
  HWND refused = makeWindow("VelmoraPlainTest", WS_OVERLAPPEDWINDOW, own);
  EXPECT_FALSE(manager.AddForm(refused));
  Form->Skin()->OnFormSkin = nullptr;

  for (HWND w : {child, plain, foreignStatic, dialog, dialog200, blacklisted, empty, refused}) DestroyWindow(w);
  Pump();
  manager.PurgeForms();
  EXPECT_EQ(manager.Forms().size(), 1u);  // destroyed windows' skins are dropped
}

TEST_F(SkinManagerTest, AFormTagged99IsNeverSkinned) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText("  Tag = 99\n"));
  Form->Show();
  Pump(400);
  EXPECT_EQ(SkinOf(Form->Handle()), nullptr);
  EXPECT_FALSE(Manager().AddForm(Form->Handle()));
}

TEST_F(SkinManagerTest, DeferredActionsInOrder) {
  TSkinnedTestForm& form = ShowSkinned();
  TSkinManage& manager = Manager();
  std::vector<std::string> journal;
  form.Skin()->OnSkinChanged = [&](TObjectSender) {
    journal.push_back("changed with " + std::to_string(manager.Forms().size()) + (manager.Active() ? " on" : " off"));
  };
  // Remove: every form is given back, then the component hears of it.
  form.Skin()->SetActive(false);
  EXPECT_TRUE(manager.ActionPending());
  EXPECT_TRUE(WaitUntil([&] { return !journal.empty(); }));
  EXPECT_EQ(journal.back(), "changed with 0 off");
  EXPECT_EQ(SendMessageA(form.Handle(), WM_SKINQUERY, 0, 0), 0);
  EXPECT_EQ(manager.ActionData(), nullptr);
  // Apply: the shown forms are skinned again.
  form.Skin()->SetActive(true);
  EXPECT_TRUE(WaitUntil([&] { return journal.size() == 2; }));
  EXPECT_EQ(journal.back(), "changed with 1 on");
  EXPECT_TRUE(WaitSkinned(form.Handle()));
  // Refresh: the buttons are freed at once and rebuilt by the action.
  manager.SetCurrentData(form.Skin());
  manager.RefreshData();
  EXPECT_TRUE(SkinOf(form.Handle())->SysButtons().empty());
  manager.SetAction(skaRefresh, 10);
  EXPECT_TRUE(WaitUntil([&] { return journal.size() == 3; }));
  EXPECT_EQ(SkinOf(form.Handle())->SysButtons().size(), form.Skin()->Records.SysButtons.size());
  // A later request replaces an earlier one.
  manager.SetCurrentData(form.Skin());
  manager.SetAction(skaRemove, 5000);
  manager.SetAction(skaRefresh, 10);
  EXPECT_TRUE(WaitUntil([&] { return journal.size() == 4; }));
  Pump(100);
  EXPECT_EQ(journal.size(), 4u);
  EXPECT_NE(SkinOf(form.Handle()), nullptr);
}

TEST_F(SkinManagerTest, OnlyThisFormDataSkinsItsOwnFormAtOnce) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText({}, "    SkinFormtype = sfOnlyThisForm\n"));
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.StateCounter(), 1);
  EXPECT_EQ(manager.MainData(), nullptr);
  EXPECT_EQ(manager.HookOfThread(GetCurrentThreadId()), nullptr);  // no hook for this scope
  TWinSkinForm* skin = SkinOf(Form->Handle());
  ASSERT_NE(skin, nullptr);  // skinned when the data finished loading
  EXPECT_EQ(skin->SkinData(), Form->Skin());
  Form->Show();
  ASSERT_TRUE(WaitSkinned(Form->Handle()));
  int changes = 0;
  Form->Skin()->OnSkinChanged = [&](TObjectSender) { ++changes; };
  manager.SetState(SkinManagerRunning);
  Form->Skin()->SetActive(false);
  EXPECT_TRUE(WaitUntil([&] { return changes == 1; }));
  EXPECT_EQ(SkinOf(Form->Handle()), nullptr);
  Form->Skin()->SetActive(true);
  EXPECT_TRUE(WaitUntil([&] { return changes == 2; }));
  EXPECT_TRUE(WaitSkinned(Form->Handle()));
}

TEST_F(SkinManagerTest, ReskinningOneWindowMakesAFreshFormSkin) {
  TSkinnedTestForm& form = ShowSkinned();
  TSkinManage& manager = Manager();
  int changes = 0, skinned = 0;
  form.Skin()->OnSkinChanged = [&](TObjectSender) { ++changes; };
  form.Skin()->OnAfterSkinForm = [&](TObjectSender sender, HWND window, const std::string& name) {
    skinned += sender == &form && window == form.Handle() && name == "TSkinnedTestForm";
  };
  manager.SetCurrentData(form.Skin());
  manager.ReskinWindow(form.Handle(), 10);
  EXPECT_TRUE(WaitUntil([&] { return changes == 1; }));
  ASSERT_EQ(manager.Forms().size(), 1u);
  EXPECT_TRUE(WaitUntil([&] { return skinned == 1; }));  // attached and initialised again
  EXPECT_TRUE(WaitSkinned(form.Handle()));
}

TEST_F(SkinManagerTest, RemovingTheSkinDataLeavesNothingPointingAtIt) {
  TSkinnedTestForm& form = ShowSkinned();
  TSkinManage& manager = Manager();
  TSkinData* skin = form.Skin();
  manager.SetCurrentData(skin);
  manager.SetAction(skaRefresh, 5000);
  const LONG_PTR skinnedProc = GetWindowLongPtrA(form.Handle(), GWLP_WNDPROC);
  delete skin;
  EXPECT_EQ(manager.MainData(), nullptr);
  EXPECT_EQ(manager.ActionData(), nullptr);
  EXPECT_FALSE(manager.ActionPending());
  EXPECT_TRUE(manager.Forms().empty());
  EXPECT_EQ(SendMessageA(form.Handle(), WM_SKINQUERY, 0, 0), 0);
  (void)skinnedProc;
  // The window keeps working without it.
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
}

// The skin data goes while one of the skinned window's messages is being handled (by
// the form below the form skin's layer): the form skin is taken out at once but freed
// only once that message has returned.
TEST_F(SkinManagerTest, AFormSkinIsNotFreedInsideItsOwnMessage) {
  TSkinnedTestForm& form = ShowSkinned();
  TSkinManage& manager = Manager();
  TSkinData* skin = form.Skin();
  TWndMethod old = form.WindowProc;
  bool removed = false;
  form.WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_USER + 7 && skin) {
      delete std::exchange(skin, nullptr);
      removed = manager.Forms().empty();
      message.Result = 7;
      return;
    }
    old(message);
  };
  EXPECT_EQ(SendMessageA(form.Handle(), WM_USER + 7, 0, 0), 7);
  EXPECT_TRUE(removed);
  // The form skin's link in the newer entry's chain only passes messages on now.
  EXPECT_EQ(SendMessageA(form.Handle(), WM_SKINPRINT2, 0, SkinMagic), 0);
  form.WindowProc = old;
  manager.PurgeForms();
  SendMessageA(form.Handle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(SendMessageA(form.Handle(), WM_SKINQUERY, 0, 0), 0);
}

TEST_F(SkinManagerTest, PopupMenuWindowsComeThroughTheHookByAtom) {
  ShowSkinned();
  TSkinManage& manager = Manager();
  // The menu class named by its atom, as the system itself creates menu windows.
  HWND menu = CreateWindowExA(0, MAKEINTATOM(32768), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(manager.IsPopup(menu));
  manager.SetPopupMenu(reinterpret_cast<HMENU>(0x1234));
  manager.MarkPopupsFromBar();
  EXPECT_TRUE(manager.Popups().back()->FromBar);
  EXPECT_EQ(manager.FindPopupBitmap(reinterpret_cast<HMENU>(0x1234)), nullptr);
  manager.SetMenuKind(smkSystemMenu);
  DestroyWindow(menu);
  EXPECT_FALSE(manager.IsPopup(menu));
  EXPECT_EQ(manager.MenuKind(), smkPopup);  // the last one gone: back to pop-up menus
  // Without xcPopupMenu a pop-up menu window is left alone.
  Form->Skin()->SetSkinControls(Exclude(Form->Skin()->SkinControls(), xcPopupMenu));
  menu = CreateWindowExA(0, MAKEINTATOM(32768), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  EXPECT_FALSE(manager.IsPopup(menu));
  DestroyWindow(menu);
}

TEST_F(SkinManagerTest, MDIFramesAndTheirChildren) {
  ShowSkinned();
  TSkinManage& manager = Manager();
  const HINSTANCE own = GetModuleHandleA(nullptr);
  registerPlain("VelmoraMDIFrameTest", own);
  registerPlain("VelmoraPlainTest", own);
  HWND frame = CreateWindowExA(0, "VelmoraMDIFrameTest", "MDI", WS_OVERLAPPEDWINDOW, 20, 20, 400, 300,
                               nullptr, nullptr, own, nullptr);
  CLIENTCREATESTRUCT ccs{nullptr, 50000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 300,
                                200, frame, nullptr, own, &ccs);
  ASSERT_NE(client, nullptr);
  ShowWindow(frame, SW_SHOW);  // activated: skinned by the hook
  ASSERT_NE(manager.FindForm(frame), nullptr);
  EXPECT_EQ(manager.FindForm(frame)->FormKind(), fkMDIMain);
  EXPECT_EQ(manager.MDIClient(), client);
  // The client loses its own scroll bars when its frame is calculated.
  SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(GetWindowLongPtrA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
  // A child made inside the client is skinned as it is created.
  HWND child = CreateMDIWindowA("VelmoraPlainTest", "child", WS_VISIBLE, 0, 0, 150, 100, client, own, 0);
  ASSERT_NE(child, nullptr);
  ASSERT_NE(manager.FindForm(child), nullptr);
  EXPECT_EQ(manager.FindForm(child)->FormKind(), fkMDIChild);
  EXPECT_EQ(SendMessageA(client, WM_SKINMDIREDRAW, 0, 0), 0);
  // Maximised children lose their regions; back to normal, they get them again.
  Pump();
  manager.SetMDIMaximized(true);
  EXPECT_FALSE(manager.FindForm(child)->HasRegion());
  manager.SetMDIMaximized(false);
  EXPECT_FALSE(IsZoomed(child));
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(manager.MDIMaximized());
  DestroyWindow(frame);
  Pump();
  manager.PurgeForms();
  EXPECT_EQ(manager.FindForm(frame), nullptr);
}

// A message box is a foreign dialog box: it is skinned while it is open and works.
TEST_F(SkinManagerTest, MessageBoxesAreSkinnedAndStillClose) {
  ShowSkinned();
  static bool sawSkinned;
  static int ticks;
  sawSkinned = false;
  ticks = 0;
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "Box title");
    if (!box) return;
    TWinSkinForm* skin = dynamic_cast<TSkinManage*>(SkinManager())->FindForm(box);
    sawSkinned = skin && skin->SkinState() == fssSkinned;
    if (sawSkinned || ++ticks > 20) {
      sawSkinned = true;
      KillTimer(nullptr, id);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  });
  MessageBoxA(Form->Handle(), "Text", "Box title", MB_OK);
  EXPECT_TRUE(sawSkinned);
}

}  // namespace
}  // namespace velmora::test
