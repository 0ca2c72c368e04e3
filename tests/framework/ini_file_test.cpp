// Profile file access against Wine's real profile functions.
#include "framework/ini_file.h"

#include <gtest/gtest.h>

#include "framework/exception.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;

TEST(IniFileTest, ValuesReadBackAsTheProfileFunctionsReturnThem) {
  TempFolder folder;
  const std::string path = folder / "a.ini";
  test::WriteFileBytes(path,
                       "[S]\r\n"
                       "Blanks=   padded value   \r\n"
                       "Quoted=\"in quotes\"\r\n"
                       "Single='single'\r\n"
                       "Empty=\r\n"
                       "Inner=a \"b\" c\r\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "Blanks", "d"), "padded value");
  EXPECT_EQ(ini.ReadString("S", "Quoted", "d"), "in quotes");
  EXPECT_EQ(ini.ReadString("S", "Single", "d"), "single");
  EXPECT_EQ(ini.ReadString("S", "Empty", "d"), "");  // present but empty: not the default
  EXPECT_EQ(ini.ReadString("S", "Inner", "d"), "a \"b\" c");
  EXPECT_EQ(ini.ReadString("S", "Missing", "d"), "d");
  EXPECT_EQ(ini.ReadString("Other", "Blanks", "d"), "d");
}

TEST(IniFileTest, ReadsAtMost2047Characters) {
  TempFolder folder;
  const std::string path = folder / "long.ini";
  test::WriteFileBytes(path, "[S]\r\nLong=" + std::string(3000, 'x') + "\r\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "Long", ""), std::string(2047, 'x'));
}

TEST(IniFileTest, BooleansAreWrittenAsOneAndZero) {
  TempFolder folder;
  TIniFile ini(folder / "b.ini");
  ini.WriteBool("S", "On", true);
  ini.WriteBool("S", "Off", false);
  EXPECT_EQ(ini.ReadString("S", "On", ""), "1");
  EXPECT_EQ(ini.ReadString("S", "Off", ""), "0");
  EXPECT_TRUE(ini.ReadBool("S", "On", false));
  EXPECT_FALSE(ini.ReadBool("S", "Off", true));
  EXPECT_TRUE(ini.ReadBool("S", "Missing", true));
}

TEST(IniFileTest, RefusedWriteNamesTheFile) {
  TempFolder folder;
  // A folder that does not exist cannot take a file.
  const std::string path = folder / "no-such-folder\\x.ini";
  TIniFile ini(path);
  try {
    ini.WriteString("S", "K", "v");
    FAIL() << "no error raised";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
}

}  // namespace
}  // namespace velmora
