// TSkinReader: packages of every version, the directory's lines and case rules, the
// refusal of unknown versions, and packages whose tables run past their data.
#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

void putUint32(Bytes& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An expanded package laid out by hand: header, `skipped` bytes of filler, the
// directory text as given, the sizes as given, then `data`.
Bytes handMadeImage(std::uint32_t version, std::size_t skipped, const std::string& directory,
                    const std::vector<std::uint32_t>& sizes, const std::string& data) {
  Bytes image;
  putUint32(image, version);
  putUint32(image, static_cast<std::uint32_t>(directory.size()));
  putUint32(image, 0xDEADBEEF);
  putUint32(image, 0x12345678);
  image.insert(image.end(), skipped, 0xEE);
  image.insert(image.end(), directory.begin(), directory.end());
  for (auto size : sizes) putUint32(image, size);
  image.insert(image.end(), data.begin(), data.end());
  return image;
}

// A reader that keeps what it tells its host.
struct TReaderWithHost {
  std::vector<std::string> Messages;
  TSkinReader Reader{[this](const std::string& text) { Messages.push_back(text); }};

  bool Load(const Bytes& image) { return Reader.LoadPackage(TLZHPacker::Pack(image)); }
  std::string Entry(const std::string& name) const {
    Bytes out{'?'};
    Reader.ExtractEntry(name, out);
    return {out.begin(), out.end()};
  }
};

TEST(SkinReaderTest, ReadsEveryVersionWithItsSkippedBlock) {
  const struct {
    std::uint32_t version;
    std::size_t skipped;
  } versions[] = {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& v : versions) {
    TReaderWithHost host;
    ASSERT_TRUE(host.Load(handMadeImage(v.version, v.skipped, "Skin.ini\r\nA.bmp\r\n", {5, 3}, "[x]\r\nBMa")))
        << v.version;
    EXPECT_EQ(host.Reader.Header().PackageVersion, v.version);
    EXPECT_EQ(host.Reader.Header().Reserved1, 0xDEADBEEFu);
    EXPECT_EQ(host.Reader.Names(), (std::vector<std::string>{"skin.ini", "a.bmp"})) << v.version;
    EXPECT_EQ(host.Entry("skin.ini"), "[x]\r\n") << v.version;
    EXPECT_EQ(host.Entry("a.bmp"), "BMa") << v.version;
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(SkippedBlockSize(v.version), v.skipped);
  }
}

TEST(SkinReaderTest, RefusesOtherVersionsThroughTheHost) {
  for (std::uint32_t version : {0u, 10000u, 19999u, 20001u, 25000u, 80000u, 0xFFFFFFFFu}) {
    TReaderWithHost host;
    EXPECT_FALSE(host.Load(handMadeImage(version, 0, "a.bmp\r\n", {1}, "x"))) << version;
    EXPECT_EQ(host.Reader.Failure(), TSkinLoadFailure::UnknownVersion);
    ASSERT_EQ(host.Messages.size(), 1u) << version;
    EXPECT_EQ(host.Messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(host.Reader.EntryCount(), 0u);
  }
  // A reader without a host just says no.
  TSkinReader silent;
  EXPECT_FALSE(silent.LoadPackage(TLZHPacker::Pack(handMadeImage(1, 0, "", {}, ""))));
}

TEST(SkinReaderTest, DamagedOrOversizedStreamsAreNotLoadable) {
  const Bytes image = BuildPackageImage(70000, std::vector<TSkinPackageEntry>{{"a.bmp", {1, 2, 3}}});
  Bytes packed = TLZHPacker::Pack(image);
  const struct {
    const char* what;
    Bytes stream;
    TSkinLoadFailure failure;
  } cases[] = {
      {"empty", {}, TSkinLoadFailure::UnknownVersion},
      {"size field only, claiming 8 bytes", {8, 0, 0, 0}, TSkinLoadFailure::UnknownVersion},
      {"cut after its size field", Bytes(packed.begin(), packed.begin() + 5), TSkinLoadFailure::UnknownVersion},
      {"claiming 4 GiB", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}, TSkinLoadFailure::ExpandedSizeRefused},
      {"claiming 65 MiB", {0, 0, 0x10, 0x04, 9, 9}, TSkinLoadFailure::ExpandedSizeRefused},
  };
  for (const auto& c : cases) {
    std::vector<std::string> messages;
    TSkinReader reader([&](const std::string& text) { messages.push_back(text); });
    EXPECT_FALSE(reader.LoadPackage(c.stream)) << c.what;
    EXPECT_EQ(reader.Failure(), c.failure) << c.what;
    EXPECT_EQ(messages, std::vector<std::string>{OlderSkinFileMessage}) << c.what;
  }
}

TEST(SkinReaderTest, DirectoryLines) {
  const struct {
    const char* text;
    std::vector<std::string> names;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then a lone CR: two line ends
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitDirectory(c.text), c.names) << "\"" << c.text << "\"";
}

TEST(SkinReaderTest, DirectoryIsLowerCasedAsAscii) {
  EXPECT_EQ(LowerCaseAscii("Buttons.BMP"), "buttons.bmp");
  EXPECT_EQ(LowerCaseAscii("\xC4Z@[`{"), "\xC4z@[`{");  // only A-Z change
}

TEST(SkinReaderTest, EntriesByNameAndByFragment) {
  TReaderWithHost host;
  ASSERT_TRUE(host.Load(handMadeImage(70000, 69, "Buttons.BMP\r\nskin.INI\r\nbuttons.bmp\r\n\r\nzero.bmp\r\nlast.ini",
                                      {2, 4, 3, 1, 0, 5}, "B1INI!B2x-LAST!")));
  EXPECT_EQ(host.Reader.Names(),
            (std::vector<std::string>{"buttons.bmp", "skin.ini", "buttons.bmp", "", "zero.bmp", "last.ini"}));
  const struct {
    const char* name;
    std::string data;
  } byName[] = {
      {"buttons.bmp", "B1"},  // the first of two equal names
      {"Buttons.bmp", "B1"},  // names are matched lower-cased
      {"SKIN.INI", "INI!"},
      {"", "-"},  // the empty line is an entry with an empty name
      {"zero.bmp", ""},
      {"missing.bmp", ""},
      {"last.ini", "LAST!"},
  };
  for (const auto& c : byName) EXPECT_EQ(host.Entry(c.name), c.data) << c.name;

  const struct {
    const char* fragment;
    std::string data;
    std::string fullName;
  } byFragment[] = {
      {".ini", "INI!", "skin.ini"},
      {"last", "LAST!", "last.ini"},
      {"button", "B1", "buttons.bmp"},
      {"BUTTON", "", "unchanged"},  // the fragment is not lower-cased
      {"zero", "", "zero.bmp"},
      {"nothing", "", "unchanged"},
  };
  for (const auto& c : byFragment) {
    Bytes out{'?'};
    std::string fullName = "unchanged";
    host.Reader.ExtractEntryContaining(c.fragment, out, fullName);
    EXPECT_EQ(std::string(out.begin(), out.end()), c.data) << c.fragment;
    EXPECT_EQ(fullName, c.fullName) << c.fragment;
  }
}

TEST(SkinReaderTest, EntriesRunningPastTheDataAreMissing) {
  TReaderWithHost host;
  ASSERT_TRUE(host.Load(handMadeImage(20000, 0, "a\r\nb\r\nc\r\nd\r\n", {2, 3, 0xFFFFFFFF, 1}, "aabb")));
  EXPECT_EQ(host.Entry("a"), "aa");
  EXPECT_EQ(host.Entry("b"), "");  // two of its three bytes are there: it is missing, not cut short
  EXPECT_EQ(host.Entry("c"), "");  // a size that would be negative as a signed number
  EXPECT_EQ(host.Entry("d"), "");  // after an entry that runs past the end
  EXPECT_EQ(host.Reader.EntrySize(2), 0xFFFFFFFFu);

  Bytes out;
  std::string fullName;
  host.Reader.ExtractEntryContaining("b", out, fullName);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(fullName, "b");
}

TEST(SkinReaderTest, TablesRunningPastTheDataAreNotLoadable) {
  const struct {
    const char* what;
    Bytes image;
    TSkinLoadFailure failure;
  } cases[] = {
      {"directory past the end", [] {
         Bytes image = handMadeImage(70000, 69, "a.bmp\r\n", {}, "");
         image[4] = 8;  // one byte more than is there
         return image;
       }(), TSkinLoadFailure::DirectoryPastEnd},
      {"directory length near 4 GiB", [] {
         Bytes image = handMadeImage(20000, 0, "a", {1}, "x");
         image[4] = image[5] = image[6] = image[7] = 0xFF;
         return image;
       }(), TSkinLoadFailure::DirectoryPastEnd},
      {"skipped block past the end", handMadeImage(30000, 10, "", {}, ""), TSkinLoadFailure::DirectoryPastEnd},
      {"size table cut short", [] {
         Bytes image = handMadeImage(20000, 0, "a\r\nb\r\n", {1}, "");
         image.push_back(0);
         return image;
       }(), TSkinLoadFailure::SizeTablePastEnd},
  };
  for (const auto& c : cases) {
    TReaderWithHost host;
    EXPECT_FALSE(host.Load(c.image)) << c.what;
    EXPECT_EQ(host.Reader.Failure(), c.failure) << c.what;
    EXPECT_TRUE(host.Messages.empty()) << c.what;  // the version was one we read
    EXPECT_EQ(host.Reader.EntryCount(), 0u) << c.what;
  }
  // A size table that just fits, with no data after it.
  TReaderWithHost host;
  EXPECT_TRUE(host.Load(handMadeImage(20000, 0, "a\r\nb\r\n", {0, 0}, "")));
}

TEST(SkinReaderTest, AtMost1001Entries) {
  for (std::size_t count : {std::size_t{1001}, std::size_t{1002}, std::size_t{5000}}) {
    std::string directory;
    for (std::size_t i = 0; i < count; ++i) directory += "e" + std::to_string(i) + "\r\n";
    TReaderWithHost host;
    const bool loaded = host.Load(handMadeImage(70000, 69, directory, std::vector<std::uint32_t>(count, 1),
                                                std::string(count, 'x')));
    EXPECT_EQ(loaded, count <= MaxPackageEntries) << count;
    if (loaded) {
      EXPECT_EQ(host.Reader.EntryCount(), count);
      EXPECT_EQ(host.Entry("e1000"), "x");
    } else {
      EXPECT_EQ(host.Reader.Failure(), TSkinLoadFailure::TooManyEntries);
      EXPECT_TRUE(host.Messages.empty());
    }
  }
}

TEST(SkinReaderTest, HugeDirectoryIsRefusedWithoutSplittingItAll) {
  // 8 MiB of line breaks: millions of empty names if split to the end. The split
  // stops one line past what the table holds (checked directly below).
  const std::string directory(8u << 20, '\n');
  TReaderWithHost host;
  EXPECT_FALSE(host.Load(handMadeImage(20000, 0, directory, {}, "")));
  EXPECT_EQ(host.Reader.Failure(), TSkinLoadFailure::TooManyEntries);
  EXPECT_EQ(SplitDirectory("a\nb\nc\nd", 2), (std::vector<std::string>{"a", "b"}));
}

TEST(SkinReaderTest, FailedLoadForgetsTheEarlierPackage) {
  TReaderWithHost host;
  ASSERT_TRUE(host.Load(handMadeImage(20000, 0, "a", {1}, "x")));
  EXPECT_EQ(host.Entry("a"), "x");
  EXPECT_FALSE(host.Load(handMadeImage(1, 0, "a", {1}, "x")));
  EXPECT_EQ(host.Entry("a"), "");
}

TEST(SkinPackageTest, BuiltImageReadsBack) {
  const std::vector<TSkinPackageEntry> entries = {
      {"Skin.ini", {'[', ']'}}, {"a.bmp", {1, 2, 3}}, {"", {}}, {"b.bmp", {4}}};
  for (std::uint32_t version : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
    TReaderWithHost host;
    const Bytes image = BuildPackageImage(version, entries);
    ASSERT_TRUE(host.Load(image)) << version;
    EXPECT_EQ(host.Reader.Names(), (std::vector<std::string>{"skin.ini", "a.bmp", "", "b.bmp"}));
    EXPECT_EQ(host.Entry("b.bmp"), "\x04");
    EXPECT_EQ(host.Entry("a.bmp"), "\x01\x02\x03");
  }
}

TEST(SkinPackageTest, BuilderRefusesWhatTheFormatCannotHold) {
  const std::vector<TSkinPackageEntry> tooMany(1002, TSkinPackageEntry{"x", {}});
  const std::vector<TSkinPackageEntry> lineBreak = {{"a\r\nb", {}}};
  const std::vector<TSkinPackageEntry> fine = {{"a", {}}};
  EXPECT_THROW(BuildPackageImage(70000, tooMany), std::invalid_argument);
  EXPECT_THROW(BuildPackageImage(70000, lineBreak), std::invalid_argument);
  EXPECT_THROW(BuildPackageImage(12345, fine), std::invalid_argument);
  EXPECT_NO_THROW(BuildPackageImage(70000, fine));
}

}  // namespace
}  // namespace velmora
