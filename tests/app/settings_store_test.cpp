// The settings file beside the executable and the start-with-Windows value, against
// Wine's real profile functions and registry.
#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "framework/exception.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;

std::string runValue() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, RunKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "?";
  char data[1024] = {};
  DWORD size = sizeof(data), type = 0;
  LONG result = RegQueryValueExA(key, RunValueName, nullptr, &type,
                                 reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return "<none>";
  return type == REG_SZ ? std::string(data) : "<not REG_SZ>";
}

class SettingsStoreTest : public testing::Test {
 protected:
  void SetUp() override { deleteRunValue(); }
  void TearDown() override { deleteRunValue(); }
  static void deleteRunValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, RunKeyPath, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, RunValueName);
      RegCloseKey(key);
    }
  }
  void writeSettings(const std::string& body) {
    test::WriteFileBytes(FFolder / "bak.exe.qvk", "[Mirthwell]\r\n" + body);
  }

  TempFolder FFolder;
  std::string FExe = FFolder / "bak.exe";
};

TEST_F(SettingsStoreTest, DefaultsWithoutAFileAndNoFileCreated) {
  TSettingsStore store(FExe);
  EXPECT_EQ(store.FileName(), FExe + ".qvk");
  TBackupSettings s;
  s.UserName = "stale";
  store.LoadSettings(s);
  EXPECT_EQ(s.UserName, "UserName");
  EXPECT_EQ(s.PassWord, "PassWord");
  EXPECT_EQ(s.DataBase, "DataBase");
  EXPECT_EQ(s.DataPath, FFolder.Path() + "\\");
  EXPECT_EQ(s.ExpTime, "12:00:00");
  EXPECT_FALSE(s.StarUp);
  EXPECT_FALSE(test::FileExists(store.FileName()));
}

TEST_F(SettingsStoreTest, DefaultFolderKeepsADoubleByteNameWhoseSecondByteIsABackslash) {
  // "乗" is 81 5C in GBK: the 5C is not a separator.
  TSettingsStore store(FFolder / "\x81\x5C.exe");
  TBackupSettings s;
  store.LoadSettings(s);
  EXPECT_EQ(s.DataPath, FFolder.Path() + "\\");
}

TEST_F(SettingsStoreTest, ValuesWithBlanksOrQuotesReadBackWithoutThem) {
  writeSettings(
      "UserName=  scott  \r\nPassWord=\"ti ger\"\r\nDataBase= orcl\r\n"
      "DataPath=\"C:\\My Backups\\\"\r\nExpTime= 01:02:03 \r\nStarUp= 1 \r\n");
  TSettingsStore store(FExe);
  TBackupSettings s;
  store.LoadSettings(s);
  EXPECT_EQ(s.UserName, "scott");
  EXPECT_EQ(s.PassWord, "ti ger");
  EXPECT_EQ(s.DataBase, "orcl");
  EXPECT_EQ(s.DataPath, "C:\\My Backups\\");
  EXPECT_EQ(s.ExpTime, "01:02:03");
  EXPECT_TRUE(s.StarUp);
}

TEST_F(SettingsStoreTest, StartWithWindowsFlagForms) {
  const struct {
    const char* stored;
    bool on;
  } cases[] = {{"0x1", true}, {"7", true},   {"$1F", true}, {"yes", false},
               {"", false},   {"0", false},  {"0x0", false}, {"-1", true}, {"1", true}};
  for (const auto& c : cases) {
    writeSettings(std::string("StarUp=") + c.stored + "\r\n");
    TSettingsStore store(FExe);
    TBackupSettings s;
    store.LoadSettings(s);
    EXPECT_EQ(s.StarUp, c.on) << "StarUp=" << c.stored;
  }
}

TEST_F(SettingsStoreTest, SaveWritesTheSixKeysInOrderAndEmptyStaysEmpty) {
  TSettingsStore store(FExe);
  store.SaveSettings("", "pw", "orcl", "C:\\bak\\", "23:59:59", true);
  const std::string file = test::ReadFileBytes(store.FileName());
  const char* keys[] = {"UserName=", "PassWord=pw", "DataBase=orcl", "DataPath=C:\\bak\\",
                        "ExpTime=23:59:59", "StarUp=1"};
  std::size_t at = file.find("[Mirthwell]");
  ASSERT_NE(at, std::string::npos) << file;
  for (const char* key : keys) {
    std::size_t next = file.find(key, at);
    ASSERT_NE(next, std::string::npos) << key << " missing or out of order in:\n" << file;
    at = next;
  }
  TBackupSettings s;
  store.LoadSettings(s);
  EXPECT_EQ(s.UserName, "");  // saved empty: not the default
  EXPECT_TRUE(s.StarUp);
  store.SaveSettings("u", "p", "d", "x", "12:00:00", false);
  EXPECT_NE(test::ReadFileBytes(store.FileName()).find("StarUp=0"), std::string::npos);
}

TEST_F(SettingsStoreTest, SettingsFileFollowsTheExecutableName) {
  TSettingsStore(FExe).SaveSettings("old", "p", "d", "x", "12:00:00", false);
  TSettingsStore renamed(FFolder / "renamed.exe");
  TBackupSettings s;
  renamed.LoadSettings(s);
  EXPECT_EQ(s.UserName, "UserName");
}

// Wine run by root ignores the read-only attribute (root may write any file), so the
// file is made unwritable the way another program does it: held open, shared with
// nobody.
TEST_F(SettingsStoreTest, UnwritableFileRaisesAndKeepsWhatWasWritten) {
  TSettingsStore store(FExe);
  store.SaveSettings("first", "p", "d", "C:\\", "01:00:00", false);
  const std::string before = test::ReadFileBytes(store.FileName());
  HANDLE held = CreateFileA(store.FileName().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    store.SaveSettings("second", "p2", "d2", "D:\\", "02:00:00", true);
    ADD_FAILURE() << "no error raised";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + store.FileName());
  }
  CloseHandle(held);
  EXPECT_EQ(test::ReadFileBytes(store.FileName()), before);
  TBackupSettings s;
  store.LoadSettings(s);
  EXPECT_EQ(s.UserName, "first");
}

TEST_F(SettingsStoreTest, RunValueIsCreatedRewrittenAndDeleted) {
  {
    TSettingsStore store(FExe);
    store.ApplyStartWithWindows(true);
    EXPECT_EQ(runValue(), FExe);
  }
  {
    // The executable moved: the next start rewrites the value with the new path.
    TSettingsStore moved("C:\\Program Files\\Velmora\\bak.exe");
    moved.ApplyStartWithWindows(true);
    EXPECT_EQ(runValue(), "C:\\Program Files\\Velmora\\bak.exe");
    moved.ApplyStartWithWindows(false);
    EXPECT_EQ(runValue(), "<none>");
    moved.ApplyStartWithWindows(false);  // deleting again is silently ignored
    EXPECT_EQ(runValue(), "<none>");
  }
}

TEST_F(SettingsStoreTest, RunKeyThatCannotBeOpenedFailsOnlyWhenWriting) {
  const TRunKeyLocation missing{HKEY_LOCAL_MACHINE, "SOFTWARE\\VelmoraTests\\NoSuchRunKey"};
  TSettingsStore store(FExe, missing);  // opening fails silently
  EXPECT_NO_THROW(store.ApplyStartWithWindows(false));
  try {
    store.ApplyStartWithWindows(true);
    FAIL() << "no error raised";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()), "Failed to set data for 'Mirthwell'");
  }
  HKEY probe;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, missing.Path.c_str(), 0, KEY_READ, &probe),
            ERROR_SUCCESS)
      << "the key must not be created";
}

}  // namespace
}  // namespace velmora
