// Registry access against Wine's real registry.
#include "framework/registry.h"

#include <gtest/gtest.h>

#include "framework/exception.h"

namespace velmora {
namespace {

const char TestKey[] = "Software\\VelmoraTests\\Registry";

class RegistryTest : public testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraTests"); }
};

TEST_F(RegistryTest, OpenWithoutCreatingFailsSilentlyOnAMissingKey) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey(TestKey, false));
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  HKEY probe;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, TestKey, 0, KEY_READ, &probe), ERROR_SUCCESS);
}

TEST_F(RegistryTest, WriteWithoutAnOpenKeyRaisesWithTheValueName) {
  TRegistry reg;
  try {
    reg.WriteString("Mirthwell", "x");
    FAIL() << "no error raised";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()), "Failed to set data for 'Mirthwell'");
  }
}

TEST_F(RegistryTest, WritesReplacesAndDeletesStringValues) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(TestKey, true));
  reg.WriteString("V", "C:\\a b\\x.exe");
  EXPECT_EQ(reg.ReadString("V"), "C:\\a b\\x.exe");
  reg.WriteString("V", "D:\\y.exe");
  EXPECT_EQ(reg.ReadString("V"), "D:\\y.exe");
  DWORD type = 0;
  ASSERT_EQ(RegQueryValueExA(reg.CurrentKey(), "V", nullptr, &type, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(reg.DeleteValue("V"));
  EXPECT_FALSE(reg.ValueExists("V"));
  EXPECT_FALSE(reg.DeleteValue("V"));  // already gone: reported, never raised
}

}  // namespace
}  // namespace velmora
