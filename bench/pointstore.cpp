// The point store: appending the points of a large map (30 % of them at the
// place of an earlier point, as where lines meet) and reading them back.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "model/pointstore.h"

namespace {

constexpr int kPoints = 1000000;

struct tplace {
  float x, y;
};

// kPoints places; about 30 % repeat an earlier one.
const std::vector<tplace>& Places() {
  static const std::vector<tplace> places = [] {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(0, 20000);
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<tplace> p;
    p.reserve(kPoints);
    for (int i = 0; i < kPoints; ++i) {
      if (i > 0 && percent(random) < 30)
        p.push_back(p[std::uniform_int_distribution<size_t>(0, p.size() - 1)(random)]);
      else
        p.push_back({coordinate(random), coordinate(random)});
    }
    return p;
  }();
  return places;
}

void BM_AppendPoints(benchmark::State& state) {
  const auto& places = Places();
  for (auto _ : state) {
    dornavik::tpointstore store;
    for (const tplace& p : places) benchmark::DoNotOptimize(store.AppendPoint(p.x, p.y));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_AppendPoints)->Unit(benchmark::kMillisecond);

void BM_ReadPoints(benchmark::State& state) {
  dornavik::tpointstore store;
  for (const tplace& p : Places()) store.AppendPoint(p.x, p.y);
  for (auto _ : state) {
    float sum = 0;
    for (int32_t n = 0; n < kPoints; ++n) {
      float x, y;
      store.ReadPoint(n, x, y);
      sum += x + y;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_ReadPoints)->Unit(benchmark::kMillisecond);

}  // namespace
