// The six settings of the backup program, as one record. Portable: no Win32.
#pragma once

#include <string>

namespace velmora {

struct TBackupSettings {
  std::string UserName = "UserName";  // Oracle user, also the schema exported
  std::string PassWord = "PassWord";  // kept and used as plain text
  std::string DataBase = "DataBase";  // Oracle service (connect) name
  std::string DataPath;               // backup folder; default: the executable's folder
  std::string ExpTime = "12:00:00";   // daily backup time as the time field shows it
  bool StarUp = false;                // start with Windows

  bool operator==(const TBackupSettings&) const = default;
};

// The program's one in-memory copy, loaded at start-up and after every save.
extern TBackupSettings BackupSettings;

}  // namespace velmora
