// Saving and loading the map file of a unit of 10,000 sub-compartments
// (about a million points over shared boundaries). Target: under a second each.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "base/host.h"
#include "mapfile/mapfile.h"
#include "model/shared.h"
#include "../tests/mapfile/gridmap.h"

namespace dornavik {
namespace {

class tbenchhost : public thost {
 public:
  void ShowMessage(const std::string&) override {}
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress_; }

 private:
  tsilentprogress progress_;
};

// 100 x 100 cells with 50 points to an edge: 20,200 lines, 1,010,000 points.
tafile& BigMap() {
  static tafile* map = [] {
    auto* m = new tafile;
    BuildGridMap(*m, 100, 100, 50);
    m->forestry.code = "GO";
    return m;
  }();
  return *map;
}

std::string FileName() {
  return (std::filesystem::temp_directory_path() / "bench_mapfile.A").string();
}

void BM_SaveMap(benchmark::State& state) {
  tafile& map = BigMap();
  tbenchhost host;
  for (auto _ : state) {
    if (!SaveMap(map, FileName(), host).saved) state.SkipWithError("save failed");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(FileName()));
}
BENCHMARK(BM_SaveMap)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadMap(benchmark::State& state) {
  tbenchhost host;
  SaveMap(BigMap(), FileName(), host);
  for (auto _ : state) {
    ResetMapShared();
    auto map = std::make_unique<tafile>();
    LoadMap(*map, FileName(), host.Progress(), host);
    benchmark::DoNotOptimize(map->Points().Count());
    state.PauseTiming();
    map.reset();  // freeing the map is not part of the load
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadMap)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace dornavik
