// The battery of map checks on a generated unit of 10,000 sub-compartments:
// 100 compartments of 10 x 10 irregular cells about 100 m across, whose
// common edges are shared wavy lines of 26 points (about 525,000 points).
// The last row of each compartment pairs its cells into sub-compartments of
// two contours. The sub-compartment table holds a row for each with its
// documented area, and a few injected overlaps give findings 111.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/host.h"
#include "checks/checkbattery.h"
#include "checks/graphicchecks.h"
#include "checks/podchecks.h"
#include "model/document.h"
#include "model/geometry.h"
#include "tables/projecttables.h"

namespace dornavik {
namespace {

constexpr int kCells = 100;        // per side of the unit
constexpr int kBlock = 10;         // cells per side of a compartment
constexpr int kEdgePoints = 26;    // points of a boundary line
constexpr float kCell = 100;       // metres

struct tunit {
  tconsolehost host;
  std::filesystem::path folder;
  tafile map;
  std::unique_ptr<Terrdbfile> errors;

  tunit() {
    folder = std::filesystem::temp_directory_path() / ("dornavik-bench-checks-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Build();
    errors = std::make_unique<Terrdbfile>(host, folder.string() + "/Benchier");
    errors->Open();
  }
  ~tunit() {
    errors.reset();
    map.Clear();
    std::filesystem::remove_all(folder);
  }

  tline* Line(const std::vector<tvertex>& points) {
    std::unique_ptr<tline> line = map.NewLine();
    for (size_t i = 0; i < points.size(); ++i) {
      line->last = map.Points().AppendPoint(points[i].x, points[i].y);
      if (i == 0) line->first = line->last;
    }
    line->Finish();
    tline* kept = line.get();
    map.AddLine(line, 1);
    return kept;
  }

  // A wavy line between two nodes; the wave dies out at both ends.
  tline* Edge(const tvertex& a, const tvertex& b, std::mt19937& random) {
    std::uniform_real_distribution<float> amplitude(-3, 3);
    const float wave = amplitude(random), nx = -(b.y - a.y) / kCell, ny = (b.x - a.x) / kCell;
    std::vector<tvertex> points;
    for (int k = 0; k < kEdgePoints; ++k) {
      const float t = float(k) / (kEdgePoints - 1), w = wave * std::sin(float(M_PI) * t) * std::sin(9.0f * t);
      points.push_back({a.x + t * (b.x - a.x) + w * nx, a.y + t * (b.y - a.y) + w * ny});
    }
    return Line(points);
  }

  void Build() {
    std::mt19937 random(20240);
    std::uniform_real_distribution<float> jitter(-20, 20);
    std::vector<tvertex> nodes((kCells + 1) * (kCells + 1));
    for (int i = 0; i <= kCells; ++i)
      for (int j = 0; j <= kCells; ++j) {
        const bool border = i == 0 || j == 0 || i == kCells || j == kCells;
        nodes[i * (kCells + 1) + j] = {i * kCell + (border ? 0 : jitter(random)),
                                       j * kCell + (border ? 0 : jitter(random))};
      }
    auto node = [&](int i, int j) { return nodes[i * (kCells + 1) + j]; };
    std::vector<tline*> across(kCells * (kCells + 1)), up((kCells + 1) * kCells);
    for (int i = 0; i < kCells; ++i)
      for (int j = 0; j <= kCells; ++j) across[i * (kCells + 1) + j] = Edge(node(i, j), node(i + 1, j), random);
    for (int i = 0; i <= kCells; ++i)
      for (int j = 0; j < kCells; ++j) up[i * kCells + j] = Edge(node(i, j), node(i, j + 1), random);

    auto tables = std::make_unique<tunittables>(host, folder.string() + "/", "12");
    for (int i = 0; i < kCells; ++i)
      for (int j = 0; j < kCells; ++j) {
        const int li = i % kBlock, lj = j % kBlock;
        const std::string otdel = std::to_string(1 + (i / kBlock) * kBlock + j / kBlock);
        const int number = lj == kBlock - 1 ? 1 + lj * kBlock + (li & ~1) : 1 + lj * kBlock + li;
        auto c = std::make_unique<tpodotdel>();
        c->otdel = otdel;
        c->number = std::to_string(number);
        c->polygon_id = i * kCells + j + 1;
        for (tline* l : {across[i * (kCells + 1) + j], up[(i + 1) * kCells + j], across[i * (kCells + 1) + j + 1],
                         up[i * kCells + j]})
          AddImportedSide(*c, *l);
        tpodotdel* added = map.NewCompartment(otdel)->AddContour(std::move(c));
        ComputeArea(*added);
        tpodrec rec;
        rec.larea = std::round(added->area / 1000) / 10;
        tables->WriteSubCompartment(otdel, added->number, true, rec);
      }
    // One overlap in every tenth compartment: a square across a corner node.
    for (int k = 0; k < kCells * kCells; k += 1000) {
      const int i = k / kCells + 5, j = k % kCells + 5;
      const tvertex n = node(i, j);
      tline* square = Line({{n.x - 20, n.y - 20}, {n.x + 20, n.y - 20}, {n.x + 20, n.y + 20},
                            {n.x - 20, n.y + 20}, {n.x - 20, n.y - 20}});
      auto c = std::make_unique<tpodotdel>();
      c->otdel = "900";
      c->number = std::to_string(k);
      c->polygon_id = 900000 + k;
      AddImportedSide(*c, *square);
      map.NewCompartment("900")->AddContour(std::move(c));
    }
    map.forestry.code = "12";
    map.forestry.tables = std::move(tables);
  }
};

tunit& Unit() {
  static tunit unit;
  return unit;
}

void BM_CheckBattery(benchmark::State& state) {
  tunit& u = Unit();
  for (auto _ : state) RunMapChecks(u.map, *u.errors, u.host);
  state.counters["findings"] = u.errors->RecordCount();
  state.counters["points"] = u.map.Points().Count();
}
BENCHMARK(BM_CheckBattery)->Unit(benchmark::kMillisecond)->Iterations(3);

// The checks one by one, for where the time goes.
template <void (*Check)(tafile&, Terrdbfile&, thost&)>
void BM_Check(benchmark::State& state) {
  tunit& u = Unit();
  ComputeContourBoxes(u.map);
  for (auto _ : state) Check(u.map, *u.errors, u.host);
}
BENCHMARK(BM_Check<CheckInnerContours>)->Name("InnerContours")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Check<CheckContours>)->Name("Contours")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Check<CheckDatabase>)->Name("Database")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Check<CheckRemoteParts>)->Name("RemoteParts")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Check<CheckIntersections>)->Name("Intersections")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace dornavik
