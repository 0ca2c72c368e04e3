// Expanding and packing speed of the skin package coder. TLZH is timed beside the
// step-by-step expander on the same streams (their output is checked to be the same
// first); at the end a table gives each payload's figures and their ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "plain_unlzh.h"
#include "sample_data.h"
#include "skin/data/lzh.h"
#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TPayload {
  std::string Name;
  Bytes Raw;
  Bytes Packed;
};

Bytes largeBitmap() {
  // A tall strip of frames such as a big skin's caption bitmaps: about 2 MB.
  return velmora::bench::BitmapLike(1200, 600, 42);
}

const std::vector<TPayload>& payloads() {
  static const std::vector<TPayload> all = [] {
    std::vector<TPayload> list;
    list.push_back({"default package", velmora::BuildPackageImage(70000, velmora::bench::DefaultSizedSkin()), {}});
    list.push_back({"large bitmap", largeBitmap(), {}});
    list.push_back({"incompressible", velmora::bench::RandomBytes(1 << 20, 7), {}});
    for (auto& payload : list) {
      payload.Packed = velmora::TLZHPacker::Pack(payload.Raw);
      // Same output from both expanders, and both give the input back.
      Bytes ours;
      if (!velmora::TLZH().Unpack(payload.Packed, ours) || ours != payload.Raw ||
          velmora::bench::PlainUnpack(payload.Packed) != ours) {
        std::fprintf(stderr, "%s: expanders disagree\n", payload.Name.c_str());
        std::abort();
      }
    }
    return list;
  }();
  return all;
}

void unpackTLZH(benchmark::State& state) {
  const auto& payload = payloads()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    // A new destination each time, as a reader uses: both sides pay for their memory.
    Bytes out;
    velmora::TLZH().Unpack(payload.Packed, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.Raw.size()));
  state.SetLabel(payload.Name);
}

void unpackPlain(benchmark::State& state) {
  const auto& payload = payloads()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    auto out = velmora::bench::PlainUnpack(payload.Packed);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.Raw.size()));
  state.SetLabel(payload.Name);
}

void pack(benchmark::State& state) {
  const auto& payload = payloads()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    auto out = velmora::TLZHPacker::Pack(payload.Raw);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.Raw.size()));
  state.SetLabel(payload.Name + ", packed to " + std::to_string(payload.Packed.size()) + " of " +
                 std::to_string(payload.Raw.size()) + " bytes");
}

BENCHMARK(unpackTLZH)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(unpackPlain)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(pack)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Keeps each run's MB/s beside printing it as usual.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const auto found = run.counters.find("bytes_per_second");
      if (found != run.counters.end()) FSpeeds[run.benchmark_name()] = found->second.value / 1e6;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\n%-18s %14s %14s %8s %14s\n", "payload", "TLZH MB/s", "plain MB/s", "ratio", "pack MB/s");
    for (std::size_t i = 0; i < payloads().size(); ++i) {
      const double ours = speed("unpackTLZH/" + std::to_string(i));
      const double plain = speed("unpackPlain/" + std::to_string(i));
      const double packing = speed("pack/" + std::to_string(i));
      std::printf("%-18s %14.1f %14.1f %7.2fx %14.1f\n", payloads()[i].Name.c_str(), ours, plain,
                  plain > 0 ? ours / plain : 0.0, packing);
    }
  }

 private:
  double speed(const std::string& name) const {
    const auto found = FSpeeds.find(name);
    return found == FSpeeds.end() ? 0.0 : found->second;
  }
  std::map<std::string, double> FSpeeds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  payloads();
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
