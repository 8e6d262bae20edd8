// dornavik-cli: the headless face of Dornavik.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/errorlog.h"
#include "base/text.h"
#include "model/document.h"
#include "model/geometry.h"
#include "tables/dump.h"

namespace dornavik {
namespace {

const char kUsage[] =
    "Usage: dornavik-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  demo      builds a small map of two compartments in memory, computes the\n"
    "            areas of its sub-compartments and prints them\n"
    "  dump FILE.DBF\n"
    "            prints a dBASE table: the field names, then every row that is\n"
    "            not deleted, tab-separated, UTF-8, blank padding kept\n"
    "  --help    this text\n"
    "\n"
    "Environment:\n"
    "  DORNAVIK_HOME  the program folder (kora.nom, fonts, nomenclature tables,\n"
    "                 settings, error log); default: the folder of this program\n";

// A line of the boundary network through the given corners.
tline* AddBoundary(tafile& map, std::initializer_list<std::pair<float, float>> corners) {
  std::unique_ptr<tline> line = map.NewLine();
  for (auto [x, y] : corners) {
    int32_t n = map.Points().AppendPoint(x, y);
    if (line->last < line->first) line->first = n;
    line->last = n;
  }
  line->Finish();
  tline* kept = line.get();
  map.AddLine(line, 70);
  return kept;
}

void AddContour(tafile& map, const std::string& otdel, const std::string& pod,
                std::vector<tline*> sides, std::unique_ptr<tpodref> parent = nullptr) {
  totdel* compartment = map.FindCompartment(otdel);
  if (!compartment) compartment = map.NewCompartment(otdel);
  auto contour = std::make_unique<tpodotdel>();
  contour->otdel = otdel;
  contour->number = pod;
  contour->parent = std::move(parent);
  for (tline* line : sides) AddImportedSide(*contour, *line);
  compartment->AddContour(std::move(contour));
}

// Compartment 1: two sub-compartments sharing one boundary; compartment 2: one
// sub-compartment with an island that belongs to sub-compartment 1а.
int Demo() {
  tafile map;
  tline* east = AddBoundary(map, {{200, 0}, {200, 100}});
  tline* west = AddBoundary(map, {{0, 100}, {0, 0}});
  tline* middle = AddBoundary(map, {{100, 0}, {100, 100}});
  tline* south1 = AddBoundary(map, {{0, 0}, {100, 0}});
  tline* north1 = AddBoundary(map, {{100, 100}, {0, 100}});
  tline* south2 = AddBoundary(map, {{100, 0}, {200, 0}});
  tline* north2 = AddBoundary(map, {{200, 100}, {100, 100}});
  AddContour(map, "1", "\xA0", {south1, middle, north1, west});  // "а" in CP866
  AddContour(map, "1", "\xA1", {south2, east, north2, middle});  // "б"
  tline* island = AddBoundary(map, {{320, 20}, {340, 20}, {340, 40}, {320, 40}, {320, 20}});
  tline* outer = AddBoundary(map, {{300, 0}, {400, 0}, {400, 100}, {300, 100}, {300, 0}});
  AddContour(map, "2", "1", {outer});
  AddContour(map, "2", "2", {island}, std::make_unique<tpodref>(tpodref{"1", "\xA0"}));

  ComputeAllAreas(map);
  map.RecomputeBounds();
  std::printf("compartment\tsub-compartment\tclosed\tarea m2\tnet area m2\n");
  for (int i = 0; i < map.CompartmentCount(); ++i) {
    for (const auto& c : map.CompartmentAt(i)->Contours()) {
      std::printf("%s\t%s\t%d\t%s\t%s\n", OemToUtf8(c->otdel).c_str(), OemToUtf8(c->number).c_str(),
                  c->closed, TrimBoth(RealText(c->area, 10, 1)).c_str(),
                  TrimBoth(RealText(c->net_area, 10, 1)).c_str());
    }
  }
  return 0;
}

}  // namespace
}  // namespace dornavik

int main(int argc, char** argv) {
  dornavik::InstallErrorLog();
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(dornavik::kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  std::string command = argv[1];
  if (command == "demo") return dornavik::Demo();
  if (command == "dump" && argc == 3) {
    try {
      dornavik::DumpTable(argv[2], std::cout);
      return 0;
    } catch (const dornavik::terror& e) {
      std::fprintf(stderr, "dornavik-cli: %s\n", dornavik::WindowsToUtf8(e.what()).c_str());
      return 1;
    }
  }
  std::fprintf(stderr, "dornavik-cli: unknown command \"%s\"\n\n%s", command.c_str(), dornavik::kUsage);
  return 2;
}
