// The program's one window, TForm1: six settings in view or edit mode, back up now,
// run in the background, and the once-a-second schedule. It is restored from its
// stored form; its handlers are bound there by name.
#pragma once

#include <memory>

#include "app/backup_monitor.h"
#include "app/schedule.h"
#include "app/settings_store.h"
#include "framework/form.h"
#include "framework/mask_edit.h"
#include "framework/std_controls.h"
#include "framework/timer.h"

namespace velmora {

class TSkinData;

class TForm1 : public TForm {
 public:
  // `exePath` names the settings file and the Run value (the running executable).
  explicit TForm1(std::string exePath);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The stored form's components, found by name once it is loaded.
  TGroupBox* grp1 = nullptr;
  TEdit *edtUSERNAME = nullptr, *edtPASSWORD = nullptr, *edtDATABASE = nullptr, *edtPATH = nullptr;
  TMaskEdit* medt1 = nullptr;
  TButton *btn1 = nullptr, *btn2 = nullptr, *btn3 = nullptr, *btn4 = nullptr;
  TCheckBox* chk1 = nullptr;
  TLabel* lbl6 = nullptr;
  TTimer* tmr1 = nullptr;
  TComponent* pm1 = nullptr;
  TComponent* cltrycn1 = nullptr;
  TSkinData* skndt1 = nullptr;

  bool EditMode() const { return grp1 && grp1->Enabled(); }

  // Handlers named by the stored form.
  void FormCreate(TObjectSender sender);
  void FormClose(TObjectSender sender, TCloseAction& action);
  void tmr1Timer(TObjectSender sender);
  void btn3Click(TObjectSender sender);
  void btn1Click(TObjectSender sender);
  void btn2Click(TObjectSender sender);
  void btn4Click(TObjectSender sender);
  void edtPATHDblClick(TObjectSender sender);
  void N1Click(TObjectSender sender);
  void N2Click(TObjectSender sender);
  void N3Click(TObjectSender sender);
  void N4Click(TObjectSender sender);

 private:
  void bindHandlers();
  void findComponents();
  void setSettingsEnabled(bool enabled);
  void setTrayHint();
  void chooseFolder();
  void runInBackground();
  void showWindow();
  void backUpNow();
  bool dailyBackupSet() const;

  std::string FExePath;
  std::unique_ptr<TSettingsStore> FStore;
  TDailyTrigger FTrigger;
  std::unique_ptr<TBackupMonitor> FMonitor;  // follows every export; made at creation
};

}  // namespace velmora
