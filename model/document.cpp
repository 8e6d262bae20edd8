#include "model/document.h"

#include "base/codepage.h"

#include <cmath>
#include <exception>

#include "base/arith.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/text.h"
#include "model/geometry.h"
#include "model/shared.h"

namespace dornavik {

namespace {

// Compartment and sub-compartment numbers hold at most 10 characters.
std::string Number(const std::string& text) { return text.substr(0, 10); }

bool InRange(int type, int count) { return type >= 0 && type < count; }

template <class T, size_t N>
const ttypelist<T>& TypeList(const std::array<ttypelist<T>, N>& lists, int type) {
  if (!InRange(type, static_cast<int>(N))) throw tcollectionerror();
  return lists[static_cast<size_t>(type)];
}

bool Near(float x1, float y1, float x2, float y2) {
  return std::fabs(x1 - x2) < 0.5f && std::fabs(y1 - y2) < 0.5f;
}

float Manhattan(float x1, float y1, float x2, float y2) {
  return std::fabs(x1 - x2) + std::fabs(y1 - y2);
}

// The number of the contour's compartment.
const std::string& OtdelNumber(const tpodotdel& c) {
  return c.compartment ? c.compartment->number : c.otdel;
}

}  // namespace

// Compartment numbers are in the DOS code page, as the ZEM file wrote them.
int tcompartmentorder::Compare(const std::string& a, const std::string& b) {
  int c = CompareTextOem(a, b);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

tafile::tafile(tmapview* owner) : view(owner), points_(std::make_unique<tpointstore>()) {}

tafile::~tafile() = default;

void tafile::Clear() {
  alive = 0;
  highlight.clear();
  current_otdel = nullptr;
  current_pod = nullptr;
  definitions.FreeAll();
  blocks.FreeAll();
  compartments_.FreeAll();
  forestry = tforestry{};
  for (auto& l : lines_) l.clear();
  for (auto& l : texts_) l.clear();
  for (auto& l : signs_) l.clear();
  for (auto& l : drobs_) l.clear();
  points_ = std::make_unique<tpointstore>();
  file_name = "noname";
  bounds = {0, 0, 5000, 5000};
  corner_x = {0, 0, 5000, 5000};
  corner_y = {0, 5000, 5000, 0};
  header = {};
  zem_file.clear();
  zem_firm.clear();
  zem_date.clear();
  zem_program.clear();
  sheet = 0;
  alive = 1;
}

std::unique_ptr<tline> tafile::NewLine() { return std::make_unique<tline>(points_.get()); }

bool tafile::AddLine(std::unique_ptr<tline>& line, int type) {
  if (!line || !InRange(type, kLineTypes)) return false;
  line->type = static_cast<uint8_t>(type);
  lines_[static_cast<size_t>(type)].push_front(std::move(line));
  return true;
}

bool tafile::AddText(std::unique_ptr<texttype>& text, int type, const ttextstyle* type_style) {
  if (!text || !InRange(type, kTextTypes)) return false;
  text->type = static_cast<uint8_t>(type);
  if (type != 0) {
    text->own_style.reset();
    text->style = type_style;
  }
  texts_[static_cast<size_t>(type)].push_front(std::move(text));
  return true;
}

bool tafile::AddSign(std::unique_ptr<tsign>& sign, int type) {
  if (!sign || !InRange(type, kSignTypes)) return false;
  auto& list = signs_[static_cast<size_t>(type)];
  for (const auto& s : list)
    if (Near(s->x, s->y, sign->x, sign->y)) return false;
  sign->type = static_cast<uint16_t>(type);
  list.push_front(std::move(sign));
  return true;
}

bool tafile::AddDrob(std::unique_ptr<tdrob>& drob, int type) {
  if (!drob || !InRange(type, kDrobTypes)) return false;
  auto& list = drobs_[static_cast<size_t>(type)];
  for (const auto& d : list)
    if (Near(d->x, d->y, drob->x, drob->y) && d->numerator == drob->numerator &&
        d->denominator == drob->denominator)
      return false;
  drob->type = static_cast<uint8_t>(type);
  list.push_front(std::move(drob));
  return true;
}

std::unique_ptr<tsign> tafile::RemoveSign(const tsign* sign) {
  if (!sign || !InRange(sign->type, kSignTypes)) return nullptr;
  auto& list = signs_[sign->type];
  for (auto at = list.begin(); at != list.end(); ++at)
    if (at->get() == sign) {
      std::unique_ptr<tsign> removed = std::move(*at);
      list.erase(at);
      return removed;
    }
  return nullptr;
}

const ttypelist<tline>& tafile::Lines(int type) const { return TypeList(lines_, type); }
const ttypelist<texttype>& tafile::Texts(int type) const { return TypeList(texts_, type); }
const ttypelist<tsign>& tafile::Signs(int type) const { return TypeList(signs_, type); }
const ttypelist<tdrob>& tafile::Drobs(int type) const { return TypeList(drobs_, type); }

totdel* tafile::NewCompartment(const std::string& number) {
  const std::string key = Number(number);
  int i;
  if (compartments_.Search(key, i)) return compartments_.At(i);
  auto o = std::make_unique<totdel>(this, key);
  totdel* added = o.get();
  compartments_.Insert(o);
  return added;
}

totdel* tafile::FindCompartment(const std::string& number) {
  const std::string key = Number(number);
  int i;
  // The registry holds one number per case-insensitive key.
  if (!compartments_.Search(key, i) || compartments_.At(i)->number != key) return nullptr;
  current_otdel = compartments_.At(i);
  return current_otdel;
}

totdel* tafile::FindCompartmentTrimmed(const std::string& number) const {
  for (const auto& o : compartments_)
    if (TrimBoth(o->number) == number) return o.get();
  return nullptr;
}

tpodotdel* tafile::FindSubCompartment(const std::string& otdel, const std::string& pod) {
  totdel* o = FindCompartment(TrimBoth(otdel));
  return o ? o->FindContour(TrimBoth(pod)) : nullptr;
}

float tafile::TableArea(tpodotdel& contour) {
  double hectares;
  if (contour.table_area == 0 && forestry.tables &&
      forestry.tables->SubCompartmentHectares(OtdelNumber(contour), contour.number, hectares))
    contour.table_area = static_cast<float>(hectares * 10000);
  return contour.table_area;
}

float tafile::TotalArea(totdel& otdel) {
  if (otdel.total_area != 0) return otdel.total_area;
  double total = 0;
  const std::string* previous = nullptr;
  for (const auto& c : otdel.Contours()) {
    if (c->number.find('*') == std::string::npos && !(previous && *previous == c->number))
      total += TableArea(*c);
    previous = &c->number;
  }
  otdel.total_area = static_cast<float>(total);
  return otdel.total_area;
}

tsign* tafile::NearestSign(float x, float y) const {
  tsign* best = nullptr;
  float best_d = 0;
  for (const auto& list : signs_)
    for (const auto& s : list) {
      float d = Manhattan(s->x, s->y, x, y);
      if (!best || d < best_d) best = s.get(), best_d = d;
    }
  return best;
}

tpodotdel* tafile::NearestPodLabel(float x, float y, totdel** otdel) {
  tpodotdel* best = nullptr;
  float best_d = 0;
  for (const auto& o : compartments_)
    for (const auto& c : o->Contours()) {
      float d = Distance(c->label_x, c->label_y, x, y);
      if (!best || d < best_d) best = c.get(), best_d = d;
    }
  if (!best) current_otdel = nullptr, current_pod = nullptr;
  if (otdel) *otdel = best ? best->compartment : nullptr;
  return best;
}

totdel* tafile::NearestOtdelLabel(float x, float y) const {
  totdel* best = nullptr;
  float best_d = 0;
  for (const auto& o : compartments_) {
    float d = Distance(o->label_x, o->label_y, x, y);
    if (!best || d < best_d) best = o.get(), best_d = d;
  }
  return best;
}

telement* tafile::NearestObject(float x, float y) {
  telement* candidates[] = {NearestSign(x, y), NearestPodLabel(x, y), NearestOtdelLabel(x, y)};
  telement* best = nullptr;
  float best_d = 0;
  for (telement* e : candidates) {
    if (!e) continue;
    float ex, ey;
    e->GetPos(ex, ey);
    float d = Manhattan(ex, ey, x, y);
    if (!best || d < best_d) best = e, best_d = d;
  }
  return best;
}

bool tafile::SubCompartmentAt(float x, float y, std::string& otdel, std::string& pod) {
  tpodotdel* c = NearestPodLabel(x, y);
  if (!c) {
    otdel.clear();
    pod.clear();
    return false;
  }
  current_otdel = c->compartment;
  current_pod = c;
  otdel = OtdelNumber(*c);
  pod = c->number;
  return true;
}

bool tafile::ShowSubCompartment(const std::string& otdel, const std::string& pod, bool force) {
  tpodotdel* c = current_pod;
  if (!c || TrimBoth(OtdelNumber(*c)) != TrimBoth(otdel) || TrimBoth(c->number) != TrimBoth(pod))
    c = FindSubCompartment(otdel, pod);
  if (!c) return false;
  current_pod = c;
  if (view) {
    tbox box = SubCompartmentBox(*c);
    if (force || !view->BoxInView(box))
      view->ShowBox(InflateBox(box, BoxWidth(box) / 3, BoxHeight(box) / 3));
  }
  return true;
}

bool tafile::CompartmentExtent(const std::string& number, float margin, float& width_cm,
                               float& height_cm) {
  const float scale = MapShared().scale;
  totdel* o = FindCompartment(number);
  if (!o || scale <= 0) return false;
  o->CalcBounds();
  // A compartment without contours has no extent.
  const tbox box = Normalised(o->box);
  const float w = IsEmpty(box) ? 0 : BoxWidth(box), h = IsEmpty(box) ? 0 : BoxHeight(box);
  width_cm = w * (1 + 2 * margin) * 100 / scale;
  height_cm = h * (1 + 2 * margin) * 100 / scale;
  return true;
}

void tafile::RecomputeBounds() {
  bounds = {1e30f, 1e30f, -1e30f, -1e30f};
  for (const auto& list : texts_)
    for (const auto& t : list) ExpandBox(bounds, t->x, t->y);
  for (const auto& list : signs_)
    for (const auto& s : list) ExpandBox(bounds, s->x, s->y);
  for (const auto& list : lines_)
    for (const auto& l : list)
      for (int32_t n = l->first; n <= l->last; ++n) {
        float px, py;
        l->ReadPoint(n, px, py);
        ExpandBox(bounds, px, py);
      }
}

void tafile::ComputeAreas() { ComputeAllAreas(*this); }

bool tafile::SetForestry(const std::string& code, const std::string& map_file_name,
                         const tprojecttablesopener& open, thost& host) {
  forestry.code = code.substr(0, 2);
  forestry.tables.reset();
  if (!open) return false;
  try {
    forestry.tables = open(forestry, map_file_name);
  } catch (const std::exception& e) {
    host.ShowMessage(e.what());
    return false;
  }
  return forestry.tables != nullptr;
}

void tafile::RescaleTexts(float scale) {
  for (const auto& t : texts_[0])
    if (t->own_style) t->own_style->SetScale(scale);
}

}  // namespace dornavik
