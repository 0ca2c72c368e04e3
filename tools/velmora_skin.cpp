// velmora-skin: packs, expands, lists and builds skin packages, for skin authors and
// for the build (which packs our default skin with it).
//
//   velmora-skin pack IN OUT                 raw bytes -> compressed stream
//   velmora-skin unpack IN OUT               compressed stream -> raw bytes
//   velmora-skin list PACKAGE                version, entries, sizes
//   velmora-skin extract PACKAGE NAME OUT    one entry
//   velmora-skin build DIR OUT [--version V] a package from one .ini and the .bmp files
//   velmora-skin preview PACKAGE OUT.png     every element frame by frame, on one sheet
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "png_writer.h"
#include "skin/data/lzh.h"
#include "skin/data/lzh_format.h"
#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"
#include "skin_preview.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A failure that ends the command with a message and exit status 1.
struct TToolError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

int usage() {
  std::fprintf(stderr,
               "usage: velmora-skin pack IN OUT\n"
               "       velmora-skin unpack IN OUT\n"
               "       velmora-skin list PACKAGE\n"
               "       velmora-skin extract PACKAGE NAME OUT\n"
               "       velmora-skin build DIR OUT [--version V]\n"
               "       velmora-skin preview PACKAGE OUT.png\n");
  return 2;
}

Bytes readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TToolError("cannot read " + path.string());
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw TToolError("cannot read " + path.string());
  return bytes;
}

void writeFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw TToolError("cannot write " + path.string());
}

Bytes packBytes(const Bytes& input) {
  try {
    return velmora::TLZHPacker::Pack(input);
  } catch (const std::length_error&) {
    throw TToolError("input is larger than a skin package may expand to (" +
                     std::to_string(velmora::lzh::MaxExpandedSize) + " bytes)");
  }
}

// The reader over a package file; its refusal becomes the command's error.
void loadPackage(velmora::TSkinReader& reader, const std::string& path) {
  if (!reader.LoadPackage(readFile(path))) {
    throw TToolError(path + ": not a loadable skin package: " +
                     std::string(velmora::SkinLoadFailureText(reader.Failure())));
  }
}

velmora::TSkinReader newReader() {
  // The version message is for the program's user; here the failure says it.
  return velmora::TSkinReader([](const std::string&) {});
}

int pack(const std::string& in, const std::string& out) {
  writeFile(out, packBytes(readFile(in)));
  return 0;
}

int unpack(const std::string& in, const std::string& out) {
  const Bytes stream = readFile(in);
  if (stream.size() < velmora::lzh::SizeFieldBytes) throw TToolError(in + ": too short for a compressed stream");
  Bytes bytes;
  if (!velmora::TLZH().Unpack(stream, bytes)) {
    throw TToolError(in + ": the stated size is beyond what is expanded (over 64 MiB, or far more than the stream's "
                          "length can give: damaged, cut short, or not a compressed stream)");
  }
  // A final match may run past the stated size; the stated size is what was packed.
  std::uint32_t stated = 0;
  for (std::size_t i = 0; i < velmora::lzh::SizeFieldBytes; ++i) stated |= std::uint32_t{stream[i]} << (8 * i);
  bytes.resize(stated);
  writeFile(out, bytes);
  return 0;
}

int list(const std::string& path) {
  auto reader = newReader();
  loadPackage(reader, path);
  std::printf("version %u, %zu entries\n", reader.Header().PackageVersion, reader.EntryCount());
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    const bool there = reader.EntrySize(i) == 0 || !reader.EntryData(i).empty();
    std::printf("%10u  %s%s\n", reader.EntrySize(i), reader.Names()[i].c_str(),
                there ? "" : "  (runs past the end of the data: missing)");
  }
  return 0;
}

int extract(const std::string& path, const std::string& name, const std::string& out) {
  auto reader = newReader();
  loadPackage(reader, path);
  const std::string wanted = velmora::LowerCaseAscii(name);
  const auto& names = reader.Names();
  const auto found = std::find(names.begin(), names.end(), wanted);
  if (found == names.end()) throw TToolError(path + ": no entry named " + name);
  const auto index = static_cast<std::size_t>(found - names.begin());
  if (reader.EntrySize(index) != 0 && reader.EntryData(index).empty()) {
    throw TToolError(path + ": entry " + name + " runs past the end of the package");
  }
  Bytes bytes;
  reader.ExtractEntry(name, bytes);
  writeFile(out, bytes);
  return 0;
}

std::string lowerExtension(const fs::path& path) { return velmora::LowerCaseAscii(path.extension().string()); }

// The definition text first, then the bitmaps by name.
std::vector<fs::path> packageFiles(const fs::path& dir) {
  std::error_code error;
  std::vector<fs::path> inis, bmps;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file()) continue;
    const std::string extension = lowerExtension(it->path());
    if (extension == ".ini") {
      inis.push_back(it->path());
    } else if (extension == ".bmp") {
      bmps.push_back(it->path());
    } else {
      std::fprintf(stderr, "velmora-skin: skipping %s (neither .ini nor .bmp)\n", it->path().string().c_str());
    }
  }
  if (error) throw TToolError("cannot read folder " + dir.string() + ": " + error.message());
  if (inis.size() != 1) {
    throw TToolError(dir.string() + ": needs exactly one .ini definition text, found " + std::to_string(inis.size()));
  }
  std::sort(bmps.begin(), bmps.end());
  inis.insert(inis.end(), bmps.begin(), bmps.end());
  return inis;
}

int build(const std::string& dir, const std::string& out, std::uint32_t version) {
  if (!velmora::SkippedBlockSize(version)) throw TToolError("unknown package version " + std::to_string(version));
  std::vector<velmora::TSkinPackageEntry> entries;
  std::set<std::string> lowerNames;
  for (const auto& path : packageFiles(dir)) {
    const std::string name = path.filename().string();
    // The reader matches names lower-cased and the first wins: a second would be lost.
    if (!lowerNames.insert(velmora::LowerCaseAscii(name)).second) {
      throw TToolError(dir + ": two files named " + name + " apart from case");
    }
    entries.push_back({name, readFile(path)});
  }
  Bytes image;
  try {
    image = velmora::BuildPackageImage(version, entries);
  } catch (const std::invalid_argument& error) {
    throw TToolError(dir + ": " + error.what());
  }
  writeFile(out, packBytes(image));
  std::printf("%s: version %u, %zu entries, %zu bytes expanded\n", out.c_str(), version, entries.size(), image.size());
  return 0;
}

int preview(const std::string& path, const std::string& out) {
  const Bytes package = readFile(path);
  velmora::tools::TRaster sheet;
  try {
    sheet = velmora::tools::RenderSkinPreview(package, fs::path(path).filename().string());
  } catch (const std::runtime_error& error) {
    throw TToolError(path + ": " + error.what());
  }
  writeFile(out, velmora::tools::Png(sheet));
  std::printf("%s: %d x %d\n", out.c_str(), sheet.Width(), sheet.Height());
  return 0;
}

std::uint32_t parseVersion(const std::string& text) {
  std::size_t used = 0;
  unsigned long value = 0;
  try {
    value = std::stoul(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || used == 0 || value > 0xFFFFFFFFul ||
      !velmora::SkippedBlockSize(static_cast<std::uint32_t>(value))) {
    throw TToolError("bad version " + text + " (one of 20000, 30000, 40000, 50000, 60000, 70000)");
  }
  return static_cast<std::uint32_t>(value);
}

int run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "pack" && args.size() == 3) return pack(args[1], args[2]);
  if (command == "unpack" && args.size() == 3) return unpack(args[1], args[2]);
  if (command == "list" && args.size() == 2) return list(args[1]);
  if (command == "extract" && args.size() == 4) return extract(args[1], args[2], args[3]);
  if (command == "build" && args.size() == 3) return build(args[1], args[2], velmora::NewestPackageVersion);
  if (command == "preview" && args.size() == 3) return preview(args[1], args[2]);
  if (command == "build" && args.size() == 5 && args[3] == "--version") return build(args[1], args[2], parseVersion(args[4]));
  return usage();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const TToolError& error) {
    std::fprintf(stderr, "velmora-skin: %s\n", error.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velmora-skin: %s\n", error.what());
  }
  return 1;
}
