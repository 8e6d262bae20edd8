// The geometry hot paths of the checks: the area of a ring, the inside test
// and line-crosses-line, on rings of 10, 1,000 and 60,000 vertices.
//
// The ring is a wavy circle of radius 1000 m (a boundary that does not
// simplify away) made of four lines. The crossing test runs two wavy lines of
// n vertices side by side, 1 m apart, whose boxes overlap but which never
// cross: the whole of both lines is searched, as for neighbouring lines.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "model/geometry.h"
#include "model/pointstore.h"

namespace dornavik {
namespace {

struct tring {
  tpointstore store;
  std::vector<std::unique_ptr<tline>> lines;
  tpodotdel contour;
};

std::unique_ptr<tline> AddLine(tpointstore& store, const std::vector<tvertex>& points) {
  auto line = std::make_unique<tline>(&store);
  for (size_t i = 0; i < points.size(); ++i) {
    line->last = store.AppendPoint(points[i].x, points[i].y);
    if (i == 0) line->first = line->last;
  }
  line->Finish();
  return line;
}

std::unique_ptr<tring> WavyRing(int vertices) {
  auto ring = std::make_unique<tring>();
  std::vector<tvertex> all;
  for (int i = 0; i <= vertices; ++i) {
    const double a = 2 * M_PI * (i % vertices) / vertices;
    const double r = 1000 + 5 * std::sin(7.0 * i);
    all.push_back({float(r * std::cos(a)), float(r * std::sin(a))});
  }
  const int quarter = vertices / 4 > 0 ? vertices / 4 : 1;
  for (int from = 0; from < vertices; from += quarter) {
    const int to = from + quarter < vertices ? from + quarter : vertices;
    ring->lines.push_back(AddLine(ring->store, {all.begin() + from, all.begin() + to + 1}));
    ring->contour.sides.push_back({ring->lines.back().get(), 1});
  }
  ComputeInnerPoint(ring->contour);
  return ring;
}

void BM_RingArea(benchmark::State& state) {
  auto ring = WavyRing(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ComputeArea(ring->contour, 5));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Inside(benchmark::State& state) {
  auto ring = WavyRing(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Inside(&ring->contour, 10, 20));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LinesCross(benchmark::State& state) {
  const int n = int(state.range(0));
  tpointstore store;
  std::vector<tvertex> a, b;
  for (int i = 0; i < n; ++i) {
    const float x = float(i), y = float(3 * std::sin(0.1 * i));
    a.push_back({x, y});
    b.push_back({x, y + 1});
  }
  auto la = AddLine(store, a), lb = AddLine(store, b);
  tvertex at;
  for (auto _ : state) benchmark::DoNotOptimize(LinesCross(*la, *lb, 5, at));
  state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(BM_RingArea)->Arg(10)->Arg(1000)->Arg(60000);
BENCHMARK(BM_Inside)->Arg(10)->Arg(1000)->Arg(60000);
BENCHMARK(BM_LinesCross)->Arg(10)->Arg(1000)->Arg(60000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dornavik
