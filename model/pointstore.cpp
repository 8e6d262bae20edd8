#include "model/pointstore.h"

#include <bit>

#include "base/errors.h"

namespace dornavik {

namespace {

// The exact bits of (x, y); -0 and +0 are one place, as they compare equal.
uint64_t PlaceKey(float x, float y) {
  x += 0.0f;
  y += 0.0f;
  return (uint64_t{std::bit_cast<uint32_t>(x)} << 32) | std::bit_cast<uint32_t>(y);
}

}  // namespace

tpointstore::tpointstore(int32_t max_pages) : records_(kRecordsPerPage, max_pages) {}

int32_t tpointstore::AppendPoint(float x, float y) {
  int32_t n = records_.Append({x, y, -1});
  if (n < 0) throw terror("the point store is full");
  auto [at, added] = places_.try_emplace(PlaceKey(x, y), n);
  if (!added) records_.Write(n, {x, y, at->second});
  return n;
}

int32_t tpointstore::Place(int32_t n) const {
  if (n < 0 || n >= Count()) n = 0;
  // Links always point to earlier records, so the walk ends.
  while (records_.Read(n).link >= 0) n = records_.Read(n).link;
  return n;
}

void tpointstore::ReadPoint(int32_t n, float& x, float& y) const {
  const trecord& r = records_.Read(Place(n));
  x = r.x;
  y = r.y;
}

void tpointstore::WritePoint(int32_t n, float x, float y) {
  if (n < 0 || n >= Count()) return;
  int32_t p = Place(n);
  const trecord& old = records_.Read(p);
  auto at = places_.find(PlaceKey(old.x, old.y));
  if (at != places_.end() && at->second == p) places_.erase(at);
  records_.Write(p, {x, y, -1});
  places_.try_emplace(PlaceKey(x, y), p);
}

}  // namespace dornavik
