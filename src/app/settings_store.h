// Where the settings live: the ini file beside the executable (its full path with
// ".qvk" appended, section "Mirthwell") and the "Mirthwell" value under the
// machine-wide Run key that starts the program with Windows.
#pragma once

#include <windows.h>

#include <string>

#include "app/backup_settings.h"
#include "framework/ini_file.h"
#include "framework/registry.h"

namespace velmora {

inline constexpr char SettingsSection[] = "Mirthwell";
inline constexpr char RunValueName[] = "Mirthwell";
inline constexpr char RunKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct TRunKeyLocation {
  HKEY Root = HKEY_LOCAL_MACHINE;
  std::string Path = RunKeyPath;
};

class TSettingsStore {
 public:
  // Opens the Run key once, with full access and without creating it; a key that
  // cannot be opened is no error until a value has to be written there.
  explicit TSettingsStore(std::string exePath, TRunKeyLocation runKey = {});

  const std::string& ExePath() const { return FExePath; }
  const std::string& FileName() const { return FIni.FileName(); }

  // Reads the six keys, each with its default; a missing file is no error and is
  // not created.
  void LoadSettings(TBackupSettings& into) const;

  // Writes the six keys in their fixed order; the first refused write raises
  // "Unable to write to <file>" and the keys after it are not written.
  void SaveSettings(const std::string& userName, const std::string& passWord,
                    const std::string& dataBase, const std::string& dataPath,
                    const std::string& expTime, bool starUp);

  // On: the Run value names this executable (created or replaced); raises
  // "Failed to set data for 'Mirthwell'" when the key could not be opened.
  // Off: the value is deleted; a missing value or a failed delete is ignored.
  void ApplyStartWithWindows(bool on);

 private:
  std::string FExePath;
  TIniFile FIni;
  TRegistry FRunKey;
};

}  // namespace velmora
