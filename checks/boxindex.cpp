#include "checks/boxindex.h"

#include <algorithm>
#include <cmath>

namespace dornavik {

namespace {

float CentreX(const tbox& b) { return (b.xmin + b.xmax) / 2; }
float CentreY(const tbox& b) { return (b.ymin + b.ymax) / 2; }

// Boxes of consecutive groups of kFanout boxes.
std::vector<tbox> GroupBoxes(const std::vector<tbox>& boxes, int fanout) {
  std::vector<tbox> groups;
  for (size_t i = 0; i < boxes.size(); i += fanout) {
    tbox b = boxes[i];
    for (size_t k = i + 1; k < std::min(boxes.size(), i + fanout); ++k) b = UnionBoxes(b, boxes[k]);
    groups.push_back(b);
  }
  return groups;
}

}  // namespace

tboxindex::tboxindex(const std::vector<tbox>& boxes) {
  for (size_t i = 0; i < boxes.size(); ++i)
    if (!IsEmpty(boxes[i])) entries_.push_back(static_cast<int>(i));
  // Vertical slices by centre x, each sorted by centre y, so that neighbours
  // in the packed order lie near each other.
  std::sort(entries_.begin(), entries_.end(),
            [&](int a, int b) { return CentreX(boxes[a]) < CentreX(boxes[b]); });
  const size_t leaves = (entries_.size() + kFanout - 1) / kFanout;
  const size_t slice = kFanout * std::max<size_t>(1, size_t(std::ceil(std::sqrt(double(leaves)))));
  for (size_t i = 0; i < entries_.size(); i += slice)
    std::sort(entries_.begin() + i, entries_.begin() + std::min(entries_.size(), i + slice),
              [&](int a, int b) { return CentreY(boxes[a]) < CentreY(boxes[b]); });
  for (int e : entries_) entry_boxes_.push_back(boxes[e]);
  if (entries_.empty()) return;
  levels_.push_back(GroupBoxes(entry_boxes_, kFanout));
  while (levels_.back().size() > 1) levels_.push_back(GroupBoxes(levels_.back(), kFanout));
}

std::vector<int> tboxindex::Search(const tbox& box) const {
  std::vector<int> found;
  if (!levels_.empty() && !IsEmpty(box)) Search(box, int(levels_.size()) - 1, 0, found);
  return found;
}

void tboxindex::Search(const tbox& box, int level, int node, std::vector<int>& found) const {
  if (!BoxesOverlap(levels_[level][node], box)) return;
  const size_t first = size_t(node) * kFanout;
  if (level == 0) {
    for (size_t k = first; k < std::min(entries_.size(), first + kFanout); ++k)
      if (BoxesOverlap(entry_boxes_[k], box)) found.push_back(entries_[k]);
    return;
  }
  const size_t children = levels_[level - 1].size();
  for (size_t k = first; k < std::min(children, first + kFanout); ++k)
    Search(box, level - 1, int(k), found);
}

}  // namespace dornavik
