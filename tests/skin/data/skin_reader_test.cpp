// The package reader on packages made here: every version, the directory's line rules,
// the two ways of extracting, and packages that lie about their tables.
#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include "skin/data/lzh_packer.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  b.insert(b.end(), bytes, bytes + 4);
}

struct Entry {
  std::string Name;
  std::string Data;
};

// The expanded layout, before packing.
Bytes layout(std::uint32_t version, const std::string& directory, const std::vector<std::string>& datas,
             int skipped = -1) {
  Bytes b;
  put32(b, version);
  put32(b, static_cast<std::uint32_t>(directory.size()));
  put32(b, 0xDEADBEEF);
  put32(b, 0xFEEDFACE);
  const int x = skipped >= 0 ? skipped : TSkinReader::SkippedBlock(version);
  b.insert(b.end(), static_cast<std::size_t>(std::max(x, 0)), 0xAB);
  b.insert(b.end(), directory.begin(), directory.end());
  for (const auto& d : datas) put32(b, static_cast<std::uint32_t>(d.size()));
  for (const auto& d : datas) b.insert(b.end(), d.begin(), d.end());
  return b;
}

std::string text(const Bytes& b) { return std::string(b.begin(), b.end()); }

TEST(SkinReaderTest, EveryVersionWithItsSkippedBlock) {
  const struct {
    std::uint32_t version;
    int skipped;
  } versions[] = {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& v : versions) {
    EXPECT_EQ(TSkinReader::SkippedBlock(v.version), v.skipped);
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(PackLZH(layout(v.version, "skin.ini\r\nButtons.bmp\r\n", {"[Form]", "BM!"}))))
        << v.version;
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "buttons.bmp"}));
    EXPECT_EQ(text(reader.ExtractEntry("buttons.bmp")), "BM!");
  }
}

TEST(SkinReaderTest, OtherVersionsAreRefusedWithTheMessage) {
  for (std::uint32_t version : {0u, 10000u, 19999u, 20001u, 80000u}) {
    std::string said;
    TSkinReader reader([&](const std::string& m) { said = m; });
    EXPECT_FALSE(reader.LoadPackage(PackLZH(layout(version, "a.ini", {"x"}, 0))));
    EXPECT_EQ(said, "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.EntryCount(), 0);
  }
}

TEST(SkinReaderTest, DirectoryLines) {
  const struct {
    const char* text;
    std::vector<std::string> names;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},  // an empty line is an entry with an empty name
      {"", {}},
      {"MiXeD.BMP", {"mixed.bmp"}},
      {"\r\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(TSkinReader::SplitDirectory(c.text), c.names) << c.text;
}

TEST(SkinReaderTest, ExtractingByNameAndByFragment) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(PackLZH(
      layout(70000, "Skin.INI\r\nbtn.bmp\r\nBtn.bmp\r\nempty.bmp\r\n", {"[Form]", "first", "second", ""}))));
  EXPECT_EQ(text(reader.ExtractEntry("BTN.BMP")), "first");  // case-insensitive; first wins
  EXPECT_TRUE(reader.ExtractEntry("missing.bmp").empty());
  EXPECT_TRUE(reader.ExtractEntry("empty.bmp").empty());  // size 0: like a missing entry
  std::string name = "unchanged";
  EXPECT_EQ(text(reader.ExtractEntryContaining(".ini", name)), "[Form]");
  EXPECT_EQ(name, "skin.ini");
  name = "unchanged";
  EXPECT_TRUE(reader.ExtractEntryContaining(".INI", name).empty());  // fragments are not lower-cased
  EXPECT_EQ(name, "unchanged");
}

TEST(SkinReaderTest, TablesThatRunPastTheDataAreNeverReadBeyondIt) {
  // A directory length past the end.
  Bytes lying = layout(20000, "a.bmp", {"12345"});
  lying[4] = 0xFF;
  lying[5] = 0xFF;
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadPackage(PackLZH(lying)));
  // Sizes claiming more than there is: what is there, nothing more.
  Bytes longer = layout(20000, "a.bmp\r\nb.bmp", {"12345", "678"});
  const std::size_t sizes = 16 + 12;  // after the 12-byte directory
  longer[sizes + 4] = 200;  // b.bmp claims 200 bytes
  ASSERT_TRUE(reader.LoadPackage(PackLZH(longer)));
  EXPECT_EQ(text(reader.ExtractEntry("b.bmp")), "678");
  longer[sizes] = 0xFF;  // a.bmp claims 255 bytes: b.bmp starts past the end
  ASSERT_TRUE(reader.LoadPackage(PackLZH(longer)));
  EXPECT_EQ(text(reader.ExtractEntry("a.bmp")), "12345678");
  EXPECT_TRUE(reader.ExtractEntry("b.bmp").empty());
  // A size table past the end, and too short a package.
  EXPECT_FALSE(reader.LoadPackage(PackLZH(layout(20000, "a\r\nb\r\nc", {}))));
  EXPECT_FALSE(reader.LoadPackage(PackLZH(Bytes{1, 2, 3})));
  EXPECT_FALSE(reader.LoadPackage(Bytes{}));
}

TEST(SkinReaderTest, MoreThan1001EntriesAreNotLoadable) {
  std::string directory;
  std::vector<std::string> datas;
  for (int i = 0; i < 1002; ++i) {
    directory += "e" + std::to_string(i) + "\r\n";
    datas.push_back("d");
  }
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadPackage(PackLZH(layout(20000, directory, datas))));
  datas.pop_back();
  directory = directory.substr(0, directory.rfind("e1001"));
  EXPECT_TRUE(reader.LoadPackage(PackLZH(layout(20000, directory, datas))));
  EXPECT_EQ(reader.EntryCount(), 1001);
  EXPECT_EQ(text(reader.ExtractEntry("e1000")), "d");
}

}  // namespace
}  // namespace velmora
