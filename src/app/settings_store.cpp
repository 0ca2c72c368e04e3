// Settings file and start-with-Windows value.
#include "app/settings_store.h"

#include "framework/win_string.h"

namespace velmora {

TBackupSettings BackupSettings;

TSettingsStore::TSettingsStore(std::string exePath, TRunKeyLocation runKey)
    : FExePath(std::move(exePath)), FIni(FExePath + ".qvk"), FRunKey(KEY_ALL_ACCESS) {
  FRunKey.SetRootKey(runKey.Root);
  FRunKey.OpenKey(runKey.Path, false);
}

void TSettingsStore::LoadSettings(TBackupSettings& into) const {
  into.UserName = FIni.ReadString(SettingsSection, "UserName", "UserName");
  into.PassWord = FIni.ReadString(SettingsSection, "PassWord", "PassWord");
  into.DataBase = FIni.ReadString(SettingsSection, "DataBase", "DataBase");
  into.DataPath = FIni.ReadString(SettingsSection, "DataPath", ExtractFilePath(FExePath));
  into.ExpTime = FIni.ReadString(SettingsSection, "ExpTime", "12:00:00");
  into.StarUp = FIni.ReadBool(SettingsSection, "StarUp", false);
}

void TSettingsStore::SaveSettings(const std::string& userName, const std::string& passWord,
                                  const std::string& dataBase, const std::string& dataPath,
                                  const std::string& expTime, bool starUp) {
  FIni.WriteString(SettingsSection, "UserName", userName);
  FIni.WriteString(SettingsSection, "PassWord", passWord);
  FIni.WriteString(SettingsSection, "DataBase", dataBase);
  FIni.WriteString(SettingsSection, "DataPath", dataPath);
  FIni.WriteString(SettingsSection, "ExpTime", expTime);
  FIni.WriteBool(SettingsSection, "StarUp", starUp);
}

void TSettingsStore::ApplyStartWithWindows(bool on) {
  if (on)
    FRunKey.WriteString(RunValueName, FExePath);
  else
    FRunKey.DeleteValue(RunValueName);
}

}  // namespace velmora
