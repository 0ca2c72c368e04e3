// The history file: lines only ever appended (what was there stays byte for byte), read
// back skipping what is not a line of ours, a file that cannot be written reported to
// the caller, and only the end of a huge file read.
#include "app/history_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;

THistoryEntry entry(int second, const std::string& outcome) {
  return {{2024, 5, 6, 7, 8, second}, "manual", outcome, 0, 3, 15, "C:\\bak\\scott" + std::to_string(second) + ".log"};
}

TEST(HistoryFileTest, AppendedLinesAndWhatWasThereStays) {
  TempFolder folder;
  const THistoryFile history(folder / "备份.exe.history");
  EXPECT_TRUE(history.Read().empty());  // no file yet
  const std::string before = "a line somebody wrote\r\n2024-05-06 07:08:00\tmanual\tok\t0\t3\t15\tC:\\x.log";
  test::WriteFileBytes(history.Path(), before);  // and no line break at its end

  DWORD error = 0;
  ASSERT_TRUE(history.Append(entry(1, "ok"), error));
  ASSERT_TRUE(history.Append(entry(2, "failed"), error));
  const std::string after = test::ReadFileBytes(history.Path());
  EXPECT_EQ(after.substr(0, before.size()), before);
  EXPECT_EQ(after.substr(before.size()), FormatHistoryLine(entry(1, "ok")) + FormatHistoryLine(entry(2, "failed")));

  // The unfinished last line took the first appended line with it; the rest reads back.
  const auto read = history.Read();
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0], entry(2, "failed"));
}

TEST(HistoryFileTest, MadeWhenMissingAndReadInOrder) {
  TempFolder folder;
  const THistoryFile history(folder / "v.exe.history");
  DWORD error = 0;
  for (int s = 0; s < 5; ++s) ASSERT_TRUE(history.Append(entry(s, s % 2 ? "failed" : "ok"), error));
  const auto read = history.Read();
  ASSERT_EQ(read.size(), 5u);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(read[s], entry(s, s % 2 ? "failed" : "ok"));
}

// A read-only file is not written (Wine run by root would write it: the program itself
// honours the attribute), nor one that another program holds open, shared with nobody.
TEST(HistoryFileTest, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  TempFolder folder;
  const THistoryFile history(folder / "v.exe.history");
  DWORD error = 0;
  ASSERT_TRUE(history.Append(entry(1, "ok"), error));
  const std::string before = test::ReadFileBytes(history.Path());
  SetFileAttributesA(history.Path().c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(history.Append(entry(2, "ok"), error));
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(history.Read().size(), 1u);  // still read
  SetFileAttributesA(history.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE held = CreateFileA(history.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(history.Append(entry(2, "ok"), error));
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(history.Read().empty());  // cannot be read either: nothing, no error
  CloseHandle(held);
  EXPECT_EQ(test::ReadFileBytes(history.Path()), before);

  // A folder in the file's place.
  const THistoryFile folderInTheWay(folder.Path());
  EXPECT_FALSE(folderInTheWay.Append(entry(3, "ok"), error));
  EXPECT_NE(error, 0u);
  EXPECT_TRUE(folderInTheWay.Read().empty());
}

TEST(HistoryFileTest, OnlyTheEndOfAHugeFileIsRead) {
  TempFolder folder;
  const THistoryFile history(folder / "v.exe.history");
  const std::string line = FormatHistoryLine(entry(1, "ok"));
  const std::size_t lines = MaxHistoryBytesRead / line.size() + 1000;
  std::string text;
  text.reserve(lines * line.size());
  for (std::size_t i = 0; i < lines; ++i) text += line;
  DWORD error = 0;
  test::WriteFileBytes(history.Path(), text);
  ASSERT_TRUE(history.Append(entry(9, "warnings"), error));
  const auto read = history.Read();
  // Whole lines from the last 16 MiB: the cut line at its start is dropped.
  const std::size_t last = FormatHistoryLine(entry(9, "warnings")).size();
  EXPECT_EQ(read.size(), (MaxHistoryBytesRead - last) / line.size() + 1);
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.back(), entry(9, "warnings"));
}

}  // namespace
}  // namespace velmora
