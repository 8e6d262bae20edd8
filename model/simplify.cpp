#include "model/simplify.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace dornavik {

namespace {

// The work is kept on an explicit stack: a ring of many thousand vertices can
// split into ranges as deep as it is long.
void MarkRemovable(const std::vector<tvertex>& v, float tolerance, std::vector<bool>& keep) {
  // path[i] = length along the ring from vertex 0 to vertex i.
  std::vector<double> path(v.size(), 0.0);
  for (size_t i = 1; i < v.size(); ++i) path[i] = path[i - 1] + Distance(v[i - 1], v[i]);

  std::vector<std::pair<size_t, size_t>> ranges{{0, v.size() - 1}};
  while (!ranges.empty()) {
    auto [s, e] = ranges.back();
    ranges.pop_back();
    if (e - s < 2) continue;
    const double along = path[e] - path[s];
    const double chord = Distance(v[s], v[e]);
    size_t split = 0;
    if (chord == 0) {
      if (along == 0) {
        for (size_t i = s + 1; i < e; ++i) keep[i] = false;
        continue;
      }
      split = (s + e) / 2;
    } else {
      const double cx = double(v[e].x) - v[s].x, cy = double(v[e].y) - v[s].y;
      double farthest = 0;
      split = s;  // stays s when every vertex lies on the chord line
      for (size_t i = s + 1; i < e; ++i) {
        double off = std::fabs(cx * (double(v[i].y) - v[s].y) - cy * (double(v[i].x) - v[s].x)) / chord;
        if (off > farthest) {
          farthest = off;
          split = i;
        }
      }
      if (along / chord <= 1.5 && farthest < tolerance) {
        for (size_t i = s + 1; i < e; ++i) keep[i] = false;
        continue;
      }
      if (split == s) continue;  // back and forth on the chord line: kept unchanged
    }
    ranges.push_back({s, split});
    ranges.push_back({split, e});
  }
}

}  // namespace

void SimplifyClosedRing(std::vector<tvertex>& ring, float tolerance) {
  while (ring.size() > 1 && ring.back() == ring.front()) ring.pop_back();
  if (ring.size() >= 4) {
    std::vector<bool> keep(ring.size(), true);
    MarkRemovable(ring, tolerance, keep);
    size_t kept = 0;
    for (size_t i = 0; i < ring.size(); ++i)
      if (keep[i]) ring[kept++] = ring[i];
    ring.resize(kept);
  }
  if (!ring.empty()) ring.push_back(ring.front());
}

}  // namespace dornavik
