#include "checks/podchecks.h"

#include <algorithm>
#include <unordered_map>

#include "base/codepage.h"
#include "base/text.h"
#include "checks/boxindex.h"
#include "checks/mapcheck.h"
#include "model/geometry.h"
#include "model/inside.h"
#include "model/ring.h"
#include "model/shared.h"
#include "tables/keys.h"

namespace dornavik {

namespace {

// --- Database check

bool HasContour(const totdel* o, const std::string& pod) { return o && o->FindContour(pod); }

// One row of the sub-compartment table against the map. A row whose number
// holds "*" may be drawn in the map's "*" form of its compartment.
void CheckTableRow(tafile& map, const std::string& otdel, const std::string& raw_pod, bool& reported_otdel,
                   Terrdbfile& errors) {
  const std::string pod = WindowsToOem(TrimBoth(raw_pod));
  const totdel* home = map.FindCompartmentTrimmed(otdel);
  const totdel* starred = pod.find('*') != std::string::npos && otdel.rfind('*', 0) != 0
                              ? map.FindCompartmentTrimmed("*" + otdel)
                              : nullptr;
  if (HasContour(home, pod) || HasContour(starred, pod)) return;
  int code = 0;
  if (home) {
    code = 228;
  } else if (!reported_otdel) {
    code = 227;
    reported_otdel = true;
  }
  if (!code) return;
  terrrec f;
  f.code = code;
  f.otdel = OtdelKey(otdel);
  f.pod = PodKey(raw_pod);
  errors.AppendFinding(f);
}

// --- Remote parts

// Whether some point of a's ring lies within `reach` of a side line of b.
bool WithinReach(const tpodotdel& a, const tpodotdel& b, float reach) {
  const tbox box = CurrentBox(b);
  if (!BoxesOverlap(InflateBox(CurrentBox(a), reach, reach), box)) return false;
  float best = kFar;
  WalkRing(a, [&](const tvertex&, const tvertex& p, bool) {
    if (!BoxContainsPoint(InflateBox(box, best, best), p.x, p.y)) return true;
    for (const tside& s : b.sides) {
      if (!s.line) continue;
      tvertex at;
      int32_t segment;
      best = std::min(best, NearestPointOnLineWithin(*s.line, p.x, p.y, best, at, segment));
    }
    return best > reach;
  });
  return best <= reach;
}

bool Remote(const tpodotdel& a, const std::vector<std::unique_ptr<tpodotdel>>& chain, size_t first,
            size_t end, float reach) {
  for (size_t k = first; k < end; ++k)
    if (chain[k].get() != &a && WithinReach(a, *chain[k], reach)) return false;
  return true;
}

// --- Intersections

// The least distance from p to a side line of the contour, not above `best`.
float BoundaryDistance(const tpodotdel& contour, const tvertex& p, float best) {
  for (const tside& s : contour.sides) {
    if (!s.line) continue;
    tvertex at;
    int32_t segment;
    best = std::min(best, NearestPointOnLineWithin(*s.line, p.x, p.y, best, at, segment));
  }
  return best;
}

// The sampling grid of the overlap estimate.
constexpr double kStep = 10;

// Calls visit(x, y) for the points of the grid over the box r, column by
// column, until it returns false; false then.
template <class Visit>
bool ForEachSample(const tbox& r, Visit&& visit) {
  if (IsEmpty(r)) return true;
  const double hx = std::min<double>(BoxWidth(r), kStep) / 2, hy = std::min<double>(BoxHeight(r), kStep) / 2;
  for (int i = 0;; ++i) {
    const double x = r.xmin + hx + i * kStep;
    if (!(x < r.xmax)) return true;
    for (int j = 0;; ++j) {
      const double y = r.ymin + hy + j * kStep;
      if (!(y < r.ymax)) break;
      if (!visit(x, y)) return false;
    }
  }
}

bool InsideBoth(const tpodotdel& s, const tpodotdel& c, const tvertex& p) {
  return InsideWithin(s, s.box, p) == kInside && InsideWithin(c, c.box, p) == kInside;
}

// Whether a point of the sampling grid lies inside both contours. Without one
// the estimate is 0, so this cheap test may come before the costly ones.
bool SampleInsideBoth(const tpodotdel& s, const tpodotdel& c) {
  return !ForEachSample(IntersectBoxes(s.box, c.box), [&](double x, double y) {
    return !InsideBoth(s, c, {float(x), float(y)});
  });
}

bool Names(const tpodref& r, const std::string& otdel, const std::string& pod) {
  return TrimBoth(r.otdel) == TrimBoth(otdel) && TrimBoth(r.pod) == TrimBoth(pod);
}

// The islands of the map, and for each the islands it lies inside.
class tislands {
 public:
  explicit tislands(const std::vector<tpodotdel*>& islands) {
    std::vector<tbox> boxes;
    for (const tpodotdel* x : islands) boxes.push_back(x->box);
    const tboxindex index(boxes);
    for (tpodotdel* c : islands) {
      std::vector<const tpodotdel*>& holders = holders_[c];
      std::vector<int> hits = index.Search(c->box);
      std::sort(hits.begin(), hits.end());
      for (int h : hits) {
        const tpodotdel* x = islands[h];
        // Only islands of a sub-compartment of their own compartment count.
        if (TrimBoth(x->parent->otdel) == TrimBoth(CompartmentNumber(*x)) && ContourInsideContour(*c, *x))
          holders.push_back(x);
      }
    }
  }

  // Whether s is an island of c, or lies inside an island of a
  // sub-compartment numbered as c.
  bool CutOutOf(const tpodotdel& s, const tpodotdel& c) const {
    if (!s.parent) return false;
    if (Names(*s.parent, CompartmentNumber(c), c.number)) return true;
    const auto found = holders_.find(&s);
    if (found == holders_.end()) return false;
    const std::string number = TrimBoth(c.number);
    return std::any_of(found->second.begin(), found->second.end(),
                       [&](const tpodotdel* x) { return TrimBoth(x->parent->pod) == number; });
  }

 private:
  std::unordered_map<const tpodotdel*, std::vector<const tpodotdel*>> holders_;
};

// Each pair is estimated from one side only: the one whose numbers sort first.
bool SortsBefore(const tpodotdel& c, const tpodotdel& s) {
  const std::string &co = CompartmentNumber(c), &so = CompartmentNumber(s);
  return co < so || (co == so && c.number < s.number);
}

struct tintersectionrun {
  std::vector<tpodotdel*> indexed;  // not linear, by the lower-left corners of their boxes
  tboxindex index;
  tislands islands;
  float tolerance;
};

void CheckContourIntersections(tpodotdel& s, const tintersectionrun& run, Terrdbfile& errors) {
  std::vector<int> hits = run.index.Search(s.box);
  std::sort(hits.begin(), hits.end());
  std::vector<tpodotdel*> candidates;
  for (int h : hits) {
    tpodotdel& c = *run.indexed[h];
    // The cheap tests first; every test here only drops the pair.
    if (&c == &s || SortsBefore(c, s) || !SampleInsideBoth(s, c)) continue;
    bool same_ring;
    if (!ContoursOverlap(s, c, true, run.tolerance, same_ring)) continue;
    if (run.islands.CutOutOf(s, c) || run.islands.CutOutOf(c, s)) continue;
    candidates.push_back(&c);
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const tpodotdel* a, const tpodotdel* b) { return a->number < b->number; });
  for (const tpodotdel* c : candidates) {
    const double overlap = EstimateOverlap(s, *c);
    if (overlap < 100) continue;
    terrrec f = ContourFinding(111, s);
    f.rpara = overlap;
    NameOther(f, CompartmentNumber(*c), c->number);
    errors.AppendFinding(f);
  }
}

}  // namespace

void CheckDatabase(tafile& map, Terrdbfile& errors, thost& host) {
  for (int code : {227, 228}) errors.DeleteFindings(code);
  tunittables* tables = UnitTables(map);
  if (!tables || !tables->Table(kPo).IsOpen()) return;
  tdbfile& po = tables->Table(kPo);
  tcheckprogress progress(host, "Проверка на базата данни", map.CompartmentCount());
  tprogress& gauge = host.Progress();
  const int otdel_field = po.FieldIndex("OTDEL"), pod_field = po.FieldIndex("POD");
  std::string previous;
  bool first = true, reported = false;
  int step = 0;
  po.SetIndex(0);
  for (bool row = po.First(); row; row = po.Next()) {
    const std::string otdel = TrimBoth(po.Text(otdel_field));
    if (first || otdel != previous) {
      gauge.SetPosition(++step);
      gauge.SetLabel2(otdel);
      previous = otdel;
      first = reported = false;
    }
    CheckTableRow(map, otdel, po.Text(pod_field), reported, errors);
    progress.Pump();
  }
}

void CheckRemoteParts(tafile& map, Terrdbfile& errors, thost& host) {
  errors.DeleteFindings(113);
  const float reach = MapShared().same_distance;
  const int count = map.CompartmentCount();
  // The first letter of the title is a Latin "O".
  tcheckprogress progress(host, "Oтдалечени подотдели", count);
  for (int i = 0; i < count; ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    const auto& chain = o.Contours();
    for (size_t first = 0; first < chain.size();) {
      size_t end = first + 1;
      while (end < chain.size() && chain[end]->number == chain[first]->number) ++end;
      if (end - first >= 2) {
        try {
          for (size_t k = first; k < end; ++k) {
            const tpodotdel& a = *chain[k];
            if (Remote(a, chain, first, end, reach)) {
              terrrec f = ContourFinding(113, a);
              f.ipara = a.polygon_id;
              NameOther(f, o.number, a.number);
              errors.AppendFinding(f);
            }
            progress.Pump();
          }
        } catch (const std::exception& e) {
          ShowCheckError(host, e, o.number, &chain[first]->number);
        }
      }
      first = end;
    }
  }
}

double EstimateOverlap(const tpodotdel& s, const tpodotdel& c) {
  const tbox r = IntersectBoxes(s.box, c.box);
  // A point nearer the last evaluated point than that point's distance to
  // either boundary lies on the same side of both.
  double last_x = 0, last_y = 0, reach = 0;
  bool inside = false;
  long count = 0;
  ForEachSample(r, [&](double x, double y) {
    if ((x - last_x) * (x - last_x) + (y - last_y) * (y - last_y) >= reach * reach) {
      const tvertex p{float(x), float(y)};
      inside = InsideBoth(s, c, p);
      reach = BoundaryDistance(c, p, BoundaryDistance(s, p, kFar));
      last_x = x;
      last_y = y;
    }
    if (inside) ++count;
    return true;
  });
  return std::min({kStep * kStep * count, double(s.area), double(c.area), double(BoxWidth(r)) * BoxHeight(r)});
}

void CheckIntersections(tafile& map, Terrdbfile& errors, thost& host) {
  errors.DeleteFindings(111);
  // The estimate is limited by the contours' areas.
  ComputeAllAreas(map);
  std::vector<tpodotdel*> indexed, islands;
  for (const auto& o : map.Compartments())
    for (const auto& c : o->Contours()) {
      c->CalcBounds();
      if (!c->linear) indexed.push_back(c.get());
      if (c->parent) islands.push_back(c.get());
    }
  // Every contour is an entry of its own, whatever its corner.
  std::stable_sort(indexed.begin(), indexed.end(), [](const tpodotdel* a, const tpodotdel* b) {
    return a->box.xmin < b->box.xmin || (a->box.xmin == b->box.xmin && a->box.ymin < b->box.ymin);
  });
  std::vector<tbox> boxes;
  for (const tpodotdel* c : indexed) boxes.push_back(c->box);
  const tintersectionrun run{indexed, tboxindex(boxes), tislands(islands), MapShared().tolerance};

  const int count = map.CompartmentCount();
  tcheckprogress progress(host, "Пресичане на подотдели", count);
  for (int i = 0; i < count; ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    for (const auto& s : o.Contours()) {
      // A linear contour is inside nothing, so its overlap estimate is 0.
      if (!s->linear) CheckContourIntersections(*s, run, errors);
      progress.Pump();
    }
  }
}

}  // namespace dornavik
