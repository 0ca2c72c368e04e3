// Cost of loading a skin as the program does at start-up: expanding the package,
// reading its directory, parsing the definition text, and the whole load (records,
// colours and derived images) through the skin data component. The baseline, measured
// in the same run, is copying the package's expanded bytes once (the least any load
// must do with them).
//   skin_load_bench [PACKAGE] [milliseconds per figure, default 1000]
// PACKAGE defaults to the build's default skin.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "framework/gdi_object.h"
#include "skin/data/lzh.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_reader.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

// Microseconds per call of `work`, repeated for about `budgetMs`.
double measure(const std::function<void()>& work, int budgetMs) {
  work();  // warm-up
  int calls = 0;
  const auto start = Clock::now();
  const auto end = start + std::chrono::milliseconds(budgetMs);
  Clock::time_point now;
  do {
    work();
    ++calls;
    now = Clock::now();
  } while (now < end);
  return std::chrono::duration<double, std::micro>(now - start).count() / calls;
}

void row(const char* name, double us, double baseline) {
  std::printf("%-44s %10.1f us   x%7.2f\n", name, us, us / baseline);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : VELMORA_DEFAULT_SKIN_WINDOWS_PATH;
  const int budget = argc > 2 ? std::max(50, std::atoi(argv[2])) : 1000;
  std::ifstream in(path, std::ios::binary);
  const Bytes package((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TSkinReader probe;
  if (package.empty() || !probe.LoadPackage(package)) {
    std::fprintf(stderr, "skin_load_bench: cannot read a skin package from %s\n", path.c_str());
    return 1;
  }
  Bytes expanded;
  TLZH().Unpack(package, expanded);
  std::printf("package %s: %zu bytes stored, %zu expanded, %zu entries\n", path.c_str(), package.size(),
              expanded.size(), probe.EntryCount());

  Bytes copy(expanded.size());
  const double baseline = measure([&] { std::memcpy(copy.data(), expanded.data(), expanded.size()); }, budget);
  const double expand = measure([&] {
    Bytes out;
    TLZH().Unpack(package, out);
  }, budget);
  const double read = measure([&] {
    TSkinReader reader;
    reader.LoadPackage(package);
  }, budget);
  Bytes text;
  std::string name;
  probe.ExtractEntryContaining(".ini", text, name);
  const double parse = measure([&] {
    TQuickIni ini;
    ini.LoadFromStream(text);
  }, budget);

  TSkinData data(nullptr);
  data.SetMessageSink([](const std::string&) {});
  data.ReadBinaryProperty("SkinStream", [&] {
    Bytes block(4 + package.size());
    const auto n = static_cast<std::uint32_t>(package.size());
    for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::memcpy(block.data() + 4, package.data(), package.size());
    return block;
  }());
  TQuickIni ini;
  ini.LoadFromStream(text);
  const double records = measure([&] { data.ReadSkin(ini, probe); }, budget);
  const int gdiBefore = GdiCounters::LiveTotal();
  const double whole = measure([&] { data.LoadSkin(); }, budget);

  std::printf("%-44s %10s      %8s\n", "", "per load", "x copy");
  row("baseline: copy of the expanded bytes", baseline, baseline);
  row("expand the package", expand, baseline);
  row("expand and read the directory", read, baseline);
  row("parse the definition text", parse, baseline);
  row("records, colours and derived images", records, baseline);
  row("whole load (LoadSkin)", whole, baseline);
  std::printf("GDI objects left by the loads: %d\n", GdiCounters::LiveTotal() - gdiBefore);
  return 0;
}
