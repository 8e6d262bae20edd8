#include "model/objects.h"

#include <algorithm>

#include "base/text.h"
#include "model/geometry.h"
#include "model/pointstore.h"

namespace dornavik {

void tline::ReadPoint(int32_t n, float& x, float& y) const { points->ReadPoint(n, x, y); }

void tline::Finish() {
  if (last < first) {
    first = points->AppendPoint(0, 0);
    last = points->AppendPoint(0, 0);
  } else if (first == last) {
    float x, y;
    ReadPoint(first, x, y);
    first = points->AppendPoint(x, y);
    last = points->AppendPoint(x, y);
  }
  float x, y;
  ReadPoint(first, x, y);
  box = PointBox(x, y);
  for (int32_t n = first + 1; n <= last; ++n) {
    ReadPoint(n, x, y);
    ExpandBox(box, x, y);
  }
}

void tline::AddOwner(tpodotdel* contour) { owners.insert(owners.begin(), towner{contour}); }

bool tline::OwnedBy(const tpodotdel* contour) const {
  return std::any_of(owners.begin(), owners.end(),
                     [contour](const towner& o) { return o.contour == contour; });
}

void ttextstyle::SetScale(float scale) {
  width_m = width_mm * scale / 1000;
  height_m = height_mm * scale / 1000;
}

void texttype::SetOwnStyle(const ttextstyle& s) {
  own_style = std::make_unique<ttextstyle>(s);
  style = own_style.get();
}

totdel::totdel(tafile* doc, std::string num) : number(std::move(num)), document(doc) {}

void tpodotdel::CalcBounds() {
  if (bounds_dirty) ComputeInnerPoint(*this);
}

void totdel::CalcBounds() { box = CompartmentBox(*this, box); }

namespace {

// Contours are ordered by their numbers right-aligned to 10 characters.
std::string ChainKey(const std::string& number) { return PadLeft(number, 10); }

}  // namespace

tpodotdel* totdel::AddContour(std::unique_ptr<tpodotdel> contour) {
  contour->compartment = this;
  const std::string key = ChainKey(contour->number);
  // Before the first contour of a greater key; searched from the end, since
  // contours mostly arrive in order.
  auto at = chain_.end();
  while (at != chain_.begin() && ChainKey((*(at - 1))->number) > key) --at;
  tpodotdel* added = contour.get();
  added->next = at == chain_.end() ? nullptr : at->get();
  at = chain_.insert(at, std::move(contour));
  if (at != chain_.begin()) (*(at - 1))->next = added;
  return added;
}

tpodotdel* totdel::FindContour(const std::string& num) const {
  const std::string wanted = TrimBoth(num);
  for (const auto& c : chain_)
    if (TrimBoth(c->number) == wanted) return c.get();
  return nullptr;
}

}  // namespace dornavik
