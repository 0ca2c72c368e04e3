// velmora-skin: packs, expands, lists and builds skin packages, for skin authors and
// for the build (which packs our default skin with it).
//
//   velmora-skin pack IN OUT                 raw bytes -> compressed stream
//   velmora-skin unpack IN OUT               compressed stream -> raw bytes
//   velmora-skin list PACKAGE                version, entries, sizes
//   velmora-skin extract PACKAGE NAME OUT    one entry
//   velmora-skin build DIR OUT [--version V] a package from one .ini and the .bmp files
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_packer.h"
#include "skin/data/skin_reader.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: velmora-skin pack IN OUT | unpack IN OUT | list PACKAGE |\n"
               "       extract PACKAGE NAME OUT | build DIR OUT [--version V]\n");
  return 2;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "velmora-skin: %s\n", message.c_str());
  return 1;
}

std::optional<Bytes> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

void put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::optional<velmora::TSkinReader> loadPackage(const std::string& path, std::string& error) {
  auto bytes = readFile(path);
  if (!bytes) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  std::string said;
  velmora::TSkinReader reader([&](const std::string& m) { said = m; });
  if (!reader.LoadPackage(*bytes)) {
    error = path + ": " + (said.empty() ? std::string("not a loadable skin package") : said);
    for (char& c : error)
      if (c == '\r') c = ' ';
    return std::nullopt;
  }
  return reader;
}

int build(const std::string& dir, const std::string& outPath, std::uint32_t version) {
  const int skipped = velmora::TSkinReader::SkippedBlock(version);
  if (skipped < 0) return fail("unknown package version " + std::to_string(version));
  std::vector<fs::path> inis, bmps;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    if (!entry.is_regular_file()) continue;
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".ini") inis.push_back(entry.path());
    if (ext == ".bmp") bmps.push_back(entry.path());
  }
  if (ec) return fail("cannot read folder " + dir);
  if (inis.size() != 1) return fail(dir + ": needs exactly one .ini definition text, found " + std::to_string(inis.size()));
  std::sort(bmps.begin(), bmps.end());
  std::vector<fs::path> entries = inis;
  entries.insert(entries.end(), bmps.begin(), bmps.end());
  if (entries.size() > velmora::TSkinReader::MaxEntries) return fail("too many entries");

  std::string directory;
  std::vector<Bytes> datas;
  for (const auto& path : entries) {
    directory += path.filename().string() + "\r\n";
    auto data = readFile(path.string());
    if (!data) return fail("cannot read " + path.string());
    datas.push_back(std::move(*data));
  }
  Bytes package;
  put32(package, version);
  put32(package, static_cast<std::uint32_t>(directory.size()));
  put32(package, 0);
  put32(package, 0);
  package.insert(package.end(), static_cast<std::size_t>(skipped), 0);
  package.insert(package.end(), directory.begin(), directory.end());
  for (const auto& d : datas) put32(package, static_cast<std::uint32_t>(d.size()));
  for (const auto& d : datas) package.insert(package.end(), d.begin(), d.end());
  if (!writeFile(outPath, velmora::PackLZH(package))) return fail("cannot write " + outPath);
  std::printf("%s: version %u, %zu entries, %zu bytes expanded\n", outPath.c_str(), version, entries.size(),
              package.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const std::string& command = args[0];
  if ((command == "pack" || command == "unpack") && args.size() == 3) {
    auto in = readFile(args[1]);
    if (!in) return fail("cannot read " + args[1]);
    Bytes out;
    if (command == "pack") {
      out = velmora::PackLZH(*in);
    } else if (!velmora::TLZH().Unpack(*in, out)) {
      return fail(args[1] + ": not a compressed stream (no size, or larger than 64 MiB)");
    }
    if (!writeFile(args[2], out)) return fail("cannot write " + args[2]);
    return 0;
  }
  if (command == "list" && args.size() == 2) {
    std::string error;
    auto reader = loadPackage(args[1], error);
    if (!reader) return fail(error);
    std::printf("version %u, %d entries\n", reader->PackageVersion(), reader->EntryCount());
    for (int i = 0; i < reader->EntryCount(); ++i)
      std::printf("%10d  %s\n", reader->EntrySize(i), reader->Names()[static_cast<std::size_t>(i)].c_str());
    return 0;
  }
  if (command == "extract" && args.size() == 4) {
    std::string error;
    auto reader = loadPackage(args[1], error);
    if (!reader) return fail(error);
    const auto names = reader->Names();
    std::string lower = args[2];
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (std::find(names.begin(), names.end(), lower) == names.end()) return fail("no entry " + args[2]);
    if (!writeFile(args[3], reader->ExtractEntry(args[2]))) return fail("cannot write " + args[3]);
    return 0;
  }
  if (command == "build" && (args.size() == 3 || (args.size() == 5 && args[3] == "--version"))) {
    std::uint32_t version = 70000;
    if (args.size() == 5) {
      try {
        version = static_cast<std::uint32_t>(std::stoul(args[4]));
      } catch (...) {
        return fail("bad version " + args[4]);
      }
    }
    return build(args[1], args[2], version);
  }
  return usage();
}
