// A static spatial index of boxes (an R-tree packed once by sort-tile-recursive
// loading), for checks that ask which contours' boxes overlap a given box.
#pragma once

#include <vector>

#include "model/box.h"

namespace dornavik {

class tboxindex {
 public:
  // Entry i stands for boxes[i]; empty boxes are never found.
  explicit tboxindex(const std::vector<tbox>& boxes);

  // The entries whose boxes overlap `box` (touching counts), in no particular order.
  std::vector<int> Search(const tbox& box) const;

 private:
  static constexpr int kFanout = 16;
  void Search(const tbox& box, int level, int node, std::vector<int>& found) const;

  std::vector<int> entries_;              // entry numbers in packed order
  std::vector<tbox> entry_boxes_;         // their boxes, same order
  std::vector<std::vector<tbox>> levels_;  // node boxes; node i of a level covers
                                           // kFanout children i*kFanout.. below
};

}  // namespace dornavik
