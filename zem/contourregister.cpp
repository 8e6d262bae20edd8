#include "zem/contourregister.h"

#include <algorithm>

namespace dornavik {

tcontourregister::~tcontourregister() {
  for (auto& [id, slots] : entries_) {
    for (tslot& s : slots) {
      if (!s.owned) continue;
      for (tside& side : s.contour->sides) {
        auto& owners = side.line->owners;
        std::erase_if(owners, [&](const towner& o) { return o.contour == s.contour; });
      }
    }
  }
}

bool tcontourregister::Add(std::unique_ptr<tpodotdel> contour) {
  auto& slots = entries_[contour->polygon_id];
  tpodotdel* p = contour.get();
  slots.push_back({p, std::move(contour)});
  ++count_;
  return slots.size() == 1;
}

tpodotdel* tcontourregister::Find(int32_t polygon_id) const {
  auto at = entries_.find(polygon_id);
  return at == entries_.end() ? nullptr : at->second.front().contour;
}

std::vector<tpodotdel*> tcontourregister::Contours(int32_t polygon_id) const {
  std::vector<tpodotdel*> list;
  auto at = entries_.find(polygon_id);
  if (at != entries_.end())
    for (const tslot& s : at->second) list.push_back(s.contour);
  return list;
}

void tcontourregister::Attach(tpodotdel* contour, totdel& compartment) {
  auto at = entries_.find(contour->polygon_id);
  if (at == entries_.end()) return;
  for (tslot& s : at->second) {
    if (s.contour == contour && s.owned) {
      compartment.AddContour(std::move(s.owned));
      return;
    }
  }
}

void tcontourregister::ForEach(const std::function<void(tpodotdel&)>& visit) const {
  for (const auto& [id, slots] : entries_)
    for (const tslot& s : slots) visit(*s.contour);
}

}  // namespace dornavik
