// The main window.
#include "app/main_form.h"

#include <shlobj.h>

#include "app/export_job.h"
#include "app/main_form_text.h"
#include "framework/application.h"
#include "framework/com_apartment.h"
#include "framework/menus.h"
#include "framework/win_string.h"
#include "skin/data/skin_data.h"
#include "tray/tray_icon.h"

namespace velmora {

namespace {

const char TrayHintPrefix[] = "当前备份:";
const char AboutText[] = "VelmoraV2.1\r\n技术支持: support@velmora.example";

template <class T>
T* find(TForm& form, const char* name) {
  T* component = dynamic_cast<T*>(form.FindComponent(name));
  if (!component) throw Exception(FormatText("The stored form has no %s", {name}));
  return component;
}

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Preselects the current folder once the chooser is up.
int CALLBACK browseCallback(HWND window, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

// The shell folder named by its display name (the root of the chooser), or null.
LPITEMIDLIST folderOfDisplayName(const std::string& name) {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
  std::wstring wide = AnsiToWideText(name);
  LPITEMIDLIST list = nullptr;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &list, nullptr)))
    list = nullptr;
  desktop->Release();
  return list;
}

}  // namespace

const TClassInfo& TForm1::StaticClassInfo() {
  static const TClassInfo info{"TForm1", &TForm::StaticClassInfo(), {}, {}};
  return info;
}

TForm1::TForm1(std::string exePath) : TForm(nullptr), FExePath(std::move(exePath)) {
  RegisterComponentClass(TPopupMenu::StaticClassInfo());
  RegisterComponentClass(TMenuItem::StaticClassInfo());
  RegisterComponentClass(TTrayIcon::StaticClassInfo());
  RegisterComponentClass(TSkinData::StaticClassInfo());
  bindHandlers();
  LoadFromDefinition(MainFormText);
}

void TForm1::bindHandlers() {
  auto notify = [this](void (TForm1::*handler)(TObjectSender)) {
    return TNotifyEvent([this, handler](TObjectSender sender) { (this->*handler)(sender); });
  };
  RegisterMethod("FormCreate", notify(&TForm1::FormCreate));
  RegisterMethod("FormClose", TCloseEvent([this](TObjectSender s, TCloseAction& a) { FormClose(s, a); }));
  RegisterMethod("tmr1Timer", notify(&TForm1::tmr1Timer));
  RegisterMethod("btn1Click", notify(&TForm1::btn1Click));
  RegisterMethod("btn2Click", notify(&TForm1::btn2Click));
  RegisterMethod("btn3Click", notify(&TForm1::btn3Click));
  RegisterMethod("btn4Click", notify(&TForm1::btn4Click));
  RegisterMethod("edtPATHDblClick", notify(&TForm1::edtPATHDblClick));
  RegisterMethod("N1Click", notify(&TForm1::N1Click));
  RegisterMethod("N2Click", notify(&TForm1::N2Click));
  RegisterMethod("N3Click", notify(&TForm1::N3Click));
  RegisterMethod("N4Click", notify(&TForm1::N4Click));
}

void TForm1::findComponents() {
  grp1 = find<TGroupBox>(*this, "grp1");
  edtUSERNAME = find<TEdit>(*this, "edtUSERNAME");
  edtPASSWORD = find<TEdit>(*this, "edtPASSWORD");
  edtDATABASE = find<TEdit>(*this, "edtDATABASE");
  edtPATH = find<TEdit>(*this, "edtPATH");
  medt1 = find<TMaskEdit>(*this, "medt1");
  btn1 = find<TButton>(*this, "btn1");
  btn2 = find<TButton>(*this, "btn2");
  btn3 = find<TButton>(*this, "btn3");
  btn4 = find<TButton>(*this, "btn4");
  chk1 = find<TCheckBox>(*this, "chk1");
  lbl6 = find<TLabel>(*this, "lbl6");
  tmr1 = find<TTimer>(*this, "tmr1");
  pm1 = find<TComponent>(*this, "pm1");
  cltrycn1 = find<TComponent>(*this, "cltrycn1");
  skndt1 = find<TSkinData>(*this, "skndt1");
}

// Settings file, fields, start minimized when started with Windows, Run value, tray.
void TForm1::FormCreate(TObjectSender) {
  findComponents();
  FStore = std::make_unique<TSettingsStore>(FExePath);
  FStore->LoadSettings(BackupSettings);
  // Before anything that may fail: every export is followed from the start.
  FMonitor = std::make_unique<TBackupMonitor>(FExePath, *find<TTrayIcon>(*this, "cltrycn1"),
                                              [this] { return dailyBackupSet(); });

  edtUSERNAME->SetText(BackupSettings.UserName);
  edtPASSWORD->SetText(BackupSettings.PassWord);
  edtDATABASE->SetText(BackupSettings.DataBase);
  edtPATH->SetText(BackupSettings.DataPath);
  medt1->SetText(BackupSettings.ExpTime);
  chk1->SetChecked(BackupSettings.StarUp);

  if (BackupSettings.StarUp) SetWindowState(TWindowState::wsMinimized);
  FStore->ApplyStartWithWindows(BackupSettings.StarUp);

  setTrayHint();
  SetEnumProp(*cltrycn1, "IconVisible", "True");
}

// The settings file and the Run key are let go; closing the main window ends the
// program.
void TForm1::FormClose(TObjectSender, TCloseAction&) { FStore.reset(); }

// The hint's second line, once an export is recorded, is the last outcome.
void TForm1::setTrayHint() {
  SetStrProp(*cltrycn1, "Hint", TrayHintPrefix + edtUSERNAME->Text() + (FMonitor ? FMonitor->HintLine() : ""));
}

// Set up: the settings were saved once and the time field holds a time of day.
bool TForm1::dailyBackupSet() const {
  return FStore && GetFileAttributesA(FStore->FileName().c_str()) != INVALID_FILE_ATTRIBUTES &&
         ParseTimeField(medt1->Text()).has_value();
}

// Every second: the stamp, the clock, and the hidden export when the set second came.
void TForm1::tmr1Timer(TObjectSender) {
  BuildBackupBase();
  SYSTEMTIME local;
  GetLocalTime(&local);
  char clock[64] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &local, nullptr, clock, sizeof(clock));
  lbl6->SetCaption(clock);
  const TDateTimeParts now{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
  if (FTrigger.Tick(SecondsOf(now), ParseTimeField(medt1->Text()))) {
    TExportLaunch launch = LaunchExport(SW_HIDE);
    if (FMonitor) FMonitor->Follow(launch, TExportKind::Scheduled);
  }
  if (FMonitor) FMonitor->Tick();
}

void TForm1::setSettingsEnabled(bool enabled) {
  for (TControl* control : std::initializer_list<TControl*>{edtUSERNAME, edtPASSWORD, edtDATABASE,
                                                            edtPATH, medt1, chk1})
    control->SetEnabled(enabled);
  grp1->SetEnabled(enabled);
}

// View mode: switch to edit mode. Edit mode: save in the fixed order; an error leaves
// the window in edit mode with what was written so far.
void TForm1::btn3Click(TObjectSender) {
  if (!EditMode()) {
    setSettingsEnabled(true);
    btn3->SetCaption("保存设置");
    return;
  }
  FStore->ApplyStartWithWindows(chk1->Checked());
  FStore->SaveSettings(edtUSERNAME->Text(), edtPASSWORD->Text(), edtDATABASE->Text(),
                       edtPATH->Text(), medt1->Text(), chk1->Checked());
  FStore->LoadSettings(BackupSettings);
  setSettingsEnabled(false);
  setTrayHint();
  btn3->SetCaption("修改设置");
  Application.ShowMessageBox("保存成功!");
}

void TForm1::btn1Click(TObjectSender) { backUpNow(); }
void TForm1::N1Click(TObjectSender) { backUpNow(); }
void TForm1::btn2Click(TObjectSender) { chooseFolder(); }
void TForm1::edtPATHDblClick(TObjectSender) { chooseFolder(); }
void TForm1::btn4Click(TObjectSender) { runInBackground(); }
void TForm1::N2Click(TObjectSender) { showWindow(); }
void TForm1::N3Click(TObjectSender) { Application.ShowMessageBox(AboutText); }
void TForm1::N4Click(TObjectSender) { Close(); }

void TForm1::backUpNow() {
  RunManualBackup(SystemUtcTime, [this](TExportLaunch& launch) {
    if (FMonitor) FMonitor->Follow(launch, TExportKind::Manual);
  });
}

void TForm1::runInBackground() {
  SetWindowState(TWindowState::wsMinimized);
  Hide();
}

void TForm1::showWindow() {
  Show();
  BringToFront();
  SetWindowState(TWindowState::wsNormal);
}

// A DataPath that names no folder is emptied first; a chosen folder takes effect at
// once; the field always shows DataPath afterwards.
void TForm1::chooseFolder() {
  if (!isFolder(BackupSettings.DataPath)) BackupSettings.DataPath.clear();
  EnterComApartment();  // the chooser is a shell dialog

  BROWSEINFOA browse{};
  browse.hwndOwner = Handle();
  browse.lpszTitle = "备份路径";
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.pidlRoot = folderOfDisplayName("我的电脑");
  browse.lpfn = browseCallback;
  browse.lParam = BackupSettings.DataPath.empty()
                      ? 0
                      : reinterpret_cast<LPARAM>(BackupSettings.DataPath.c_str());
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  if (chosen) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(chosen, path)) BackupSettings.DataPath = path;
    ILFree(chosen);
  }
  if (browse.pidlRoot) ILFree(const_cast<LPITEMIDLIST>(browse.pidlRoot));
  edtPATH->SetText(BackupSettings.DataPath);
}

}  // namespace velmora
