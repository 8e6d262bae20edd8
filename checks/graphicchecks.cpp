#include "checks/graphicchecks.h"

#include <cmath>

#include "base/text.h"
#include "checks/mapcheck.h"
#include "model/geometry.h"
#include "model/shared.h"

namespace dornavik {

namespace {

// Within this many m² a contour's net area matches its declared area.
constexpr double kDeclaredAreaLimit = 1.1;
// Within this many hectares the graphic area matches LAREA.
constexpr double kDocumentedAreaLimit = 0.11;

// The end of the run of contours with exactly the number of chain[first].
size_t RunEnd(const std::vector<std::unique_ptr<tpodotdel>>& chain, size_t first) {
  size_t end = first + 1;
  while (end < chain.size() && chain[end]->number == chain[first]->number) ++end;
  return end;
}

// 222 and 116 for the sub-compartment `number` of compartment o with graphic
// area s (m²), and its AREA and XA written back to the table.
void CheckSubCompartmentArea(const totdel& o, const std::string& number, double s, tunittables* tables,
                             Terrdbfile& errors) {
  tpodrec rec;
  std::string key = o.number;
  if (tables) ReadSubCompartmentRow(*tables, o.number, number, rec, key);
  if (number.find('*') == std::string::npos) {
    const double graphic = TextReal(RealText(s / 10000, 1, 1));
    if (std::fabs(rec.larea - graphic) > kDocumentedAreaLimit) {
      terrrec f = SubCompartmentFinding(222, o.number, number);
      f.ipara = static_cast<int>(std::lround(rec.larea * 10));
      f.rpara = s / 10000;
      errors.AppendFinding(f);
    }
    // Forest sub-compartments are lettered; the DOS code page puts every
    // Cyrillic letter above 96.
    const unsigned char initial = static_cast<unsigned char>(TrimBoth(number)[0]);
    if (initial > 96 && rec.larea > MapShared().max_area) {
      terrrec f = SubCompartmentFinding(116, o.number, number);
      f.rpara = rec.larea;
      errors.AppendFinding(f);
    }
  }
  rec.area = s;
  rec.xa = s / 10000;
  if (tables) tables->WriteSubCompartment(key, number, true, rec);
}

// The contour the island's parent reference names, or null.
tpodotdel* ParentContour(tafile& map, const tpodref& r) {
  tpodotdel* d = nullptr;
  if (const totdel* o = map.FindCompartmentTrimmed(r.otdel)) d = o->FindContour(r.pod);
  return d ? d : map.FindSubCompartment(r.otdel, r.pod);
}

void CheckIsland(tafile& map, tpodotdel& c, Terrdbfile& errors) {
  const tpodref& r = *c.parent;
  tpodotdel* d = ParentContour(map, r);
  if (d == &c) return;
  if (d) {
    // Any contour of the named sub-compartment may hold the island.
    for (tpodotdel* x = d; x && (x == d || x->number == r.pod); x = x->next)
      if (ContourInsideContour(c, *x)) return;
  }
  terrrec f = ContourFinding(d ? 117 : 118, c);
  NameOther(f, r.otdel, r.pod);
  errors.AppendFinding(f);
}

}  // namespace

void CheckDeclaredAreas(tafile& map, Terrdbfile& errors, thost& host) {
  errors.DeleteFindings(110);
  tcheckprogress progress(host, "Проверка на площите", map.CompartmentCount());
  ComputeAllAreas(map);
  for (int i = 0; i < map.CompartmentCount(); ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    for (const auto& c : o.Contours()) {
      if (std::fabs(double(c->net_area) - c->declared_area) >= kDeclaredAreaLimit) {
        terrrec f = ContourFinding(110, *c);
        f.ipara = c->polygon_id;
        f.rpara = c->net_area;
        f.pod1 = RealText(c->declared_area, 1, 1).substr(0, 8);
        errors.AppendFinding(f);
      }
      progress.Pump();
    }
  }
}

void CheckContours(tafile& map, Terrdbfile& errors, thost& host) {
  for (int code : {112, 222, 116}) errors.DeleteFindings(code);
  const int count = map.CompartmentCount();
  tcheckprogress progress(host, "Проверка на контурите", count);
  for (int i = 0; i < count; ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    for (const auto& c : o.Contours()) {
      if (!ComputeArea(*c)) {
        terrrec f = ContourFinding(112, *c);
        f.ipara = c->polygon_id;
        errors.AppendFinding(f);
      }
      progress.Pump();
    }
  }

  ComputeAllAreas(map);
  progress.Restart("Проверка на площите", count);
  tunittables* tables = UnitTables(map);
  for (int i = 0; i < count; ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    const auto& chain = o.Contours();
    for (size_t first = 0; first < chain.size();) {
      const size_t end = RunEnd(chain, first);
      double s = 0;
      for (size_t k = first; k < end; ++k) s += chain[k]->net_area;
      const std::string& number = chain[first]->number;
      if (!TrimBoth(number).empty()) CheckSubCompartmentArea(o, number, s, tables, errors);
      for (; first < end; ++first) progress.Pump();
    }
  }
}

void CheckInnerContours(tafile& map, Terrdbfile& errors, thost& host) {
  for (int code : {117, 118}) errors.DeleteFindings(code);
  const int count = map.CompartmentCount();
  tcheckprogress progress(host, "Вътрешни контури", count);
  for (int i = 0; i < count; ++i) {
    const totdel& o = *map.CompartmentAt(i);
    progress.Compartment(i, o);
    try {
      for (const auto& c : o.Contours()) {
        if (c->parent) CheckIsland(map, *c, errors);
        progress.Pump();
      }
    } catch (const std::exception& e) {
      ShowCheckError(host, e, o.number);
    }
  }
}

}  // namespace dornavik
