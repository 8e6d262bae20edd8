// Small maps built in code for the tests of the map checks: rectangles whose
// common edges are one shared line, compartments, islands, a sub-compartment
// table and an error table in a scratch folder.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "checks/errtable.h"
#include "model/document.h"
#include "model/geometry.h"
#include "model/shared.h"
#include "tables/projecttables.h"
#include "tables/recordinghost.h"

namespace dornavik::testing {

// CP866 bytes of the sub-compartment letters the tests use.
inline const std::string kDosA = "\xA0";  // а
inline const std::string kDosB = "\xA1";  // б

class tcheckmap {
  tscratchfolder folder_;  // first made, last removed

 public:
  explicit tcheckmap(const std::string& name) : folder_(name) {
    ResetMapShared();
    errors = std::make_unique<Terrdbfile>(host, folder_.Path() + "Tester");
    errors->Open();
  }
  ~tcheckmap() { ResetMapShared(); }

  // A boundary line through the points (type 1).
  tline& Line(const std::vector<tvertex>& points) {
    std::unique_ptr<tline> line = map.NewLine();
    for (size_t i = 0; i < points.size(); ++i) {
      line->last = map.Points().AppendPoint(points[i].x, points[i].y);
      if (i == 0) line->first = line->last;
    }
    line->Finish();
    tline* kept = line.get();
    map.AddLine(line, 1);
    return *kept;
  }

  // A contour of sub-compartment pod in compartment otdel over the lines, in order.
  tpodotdel& Contour(const std::string& otdel, const std::string& pod, int id,
                     const std::vector<tline*>& lines) {
    auto c = std::make_unique<tpodotdel>();
    c->otdel = otdel;
    c->number = pod;
    c->polygon_id = id;
    for (tline* l : lines) AddImportedSide(*c, *l);
    return *map.NewCompartment(otdel)->AddContour(std::move(c));
  }

  // An axis-parallel rectangle of four sides; an edge with the same corners as
  // an edge made before is that same line.
  tpodotdel& Rect(const std::string& otdel, const std::string& pod, int id, float x0, float y0, float x1,
                  float y1) {
    return Contour(otdel, pod, id,
                   {&Edge({x0, y0}, {x1, y0}), &Edge({x1, y0}, {x1, y1}), &Edge({x1, y1}, {x0, y1}),
                    &Edge({x0, y1}, {x0, y0})});
  }

  // Makes the contour an island of otdel/pod.
  static void CutOutOf(tpodotdel& island, const std::string& otdel, const std::string& pod) {
    island.parent = std::make_unique<tpodref>();
    island.parent->otdel = otdel;
    island.parent->pod = pod;
  }

  // The project tables of unit "12", given to the map.
  tunittables& Tables() {
    if (!tables_) {
      auto t = std::make_unique<tunittables>(host, folder_.Path(), "12");
      tables_ = t.get();
      map.forestry.code = "12";
      map.forestry.tables = std::move(t);
    }
    return *tables_;
  }
  // A row of the sub-compartment table with its documented area (pod in DOS).
  void Row(const std::string& otdel, const std::string& pod, double larea) {
    tpodrec rec;
    rec.larea = larea;
    Tables().WriteSubCompartment(otdel, pod, true, rec);
  }

  std::vector<terrrec> Findings() {
    std::vector<terrrec> all;
    for (bool row = errors->First(); row; row = errors->Next()) all.push_back(errors->ReadFinding());
    return all;
  }
  std::vector<terrrec> Findings(int code) {
    std::vector<terrrec> some;
    for (const terrrec& f : Findings())
      if (f.code == code) some.push_back(f);
    return some;
  }

  trecordinghost host;
  tafile map;
  std::unique_ptr<Terrdbfile> errors;

 private:
  tline& Edge(tvertex a, tvertex b) {
    auto key = [](tvertex p, tvertex q) { return std::make_tuple(p.x, p.y, q.x, q.y); };
    auto found = edges_.find(key(a, b));
    if (found == edges_.end()) found = edges_.find(key(b, a));
    if (found != edges_.end()) return *found->second;
    tline& line = Line({a, b});
    edges_[key(a, b)] = &line;
    return line;
  }

  tunittables* tables_ = nullptr;
  std::map<std::tuple<float, float, float, float>, tline*> edges_;
};

}  // namespace dornavik::testing
