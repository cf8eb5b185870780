// Formats per second of the texts by which hole sizes are grouped, on hole sizes as boards have them
// (0.2 mm to 6.4 mm, drawn from a fixed seed).
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "pcb/coord.h"

namespace {

std::vector<TCoord> HoleSizes() {
  std::mt19937 random(1);
  std::uniform_int_distribution<TCoord> size(78740, 2519685);
  std::vector<TCoord> sizes(4096);
  for (auto& s : sizes) s = size(random);
  return sizes;
}

void BM_FormatCoordForMatch(benchmark::State& state) {
  const auto sizes = HoleSizes();
  const bool imperial = state.range(0) != 0;
  size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatCoordForMatch(sizes[i++ & 4095], imperial);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.SetLabel(imperial ? "mil" : "mm");
}
BENCHMARK(BM_FormatCoordForMatch)->Arg(0)->Arg(1);

// Two formats per comparison (unequal coordinates; equal ones need none).
void BM_SameCoordText(benchmark::State& state) {
  const auto sizes = HoleSizes();
  const bool imperial = state.range(0) != 0;
  size_t i = 0;
  for (auto _ : state) {
    const TCoord a = sizes[i & 4095];
    benchmark::DoNotOptimize(SameCoordText(a, a + 1 + static_cast<TCoord>(i & 31), imperial));
    ++i;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
  state.SetLabel(imperial ? "mil, items = formats" : "mm, items = formats");
}
BENCHMARK(BM_SameCoordText)->Arg(0)->Arg(1);

void BM_FormatCoordWithUnit(benchmark::State& state) {
  const auto sizes = HoleSizes();
  size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatCoordWithUnit(sizes[i++ & 4095], eMetric);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_FormatCoordWithUnit);

void BM_ParseCoordWithUnit(benchmark::State& state) {
  const std::string texts[] = {"0.3mm", "12.5mil", " 1 2 Mil", "0.00045 mm", "39.37"};
  size_t i = 0;
  for (auto _ : state) {
    TUnit unit = eMetric;
    benchmark::DoNotOptimize(ParseCoordWithUnit(texts[i++ % 5], unit));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ParseCoordWithUnit);

}  // namespace

BENCHMARK_MAIN();
