// The contours of one layer kind of a ZEM file, by ZEM contour number. A
// second contour of a number already present is kept as a duplicate of the
// first; every lookup by that number finds the first.
//
// The register owns its contours until they are attached to a compartment.
// Contours still unattached when the register goes are taken out of their
// lines' owner lists first, so no line keeps a reference to a freed contour.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "model/objects.h"

namespace dornavik {

class tcontourregister {
 public:
  tcontourregister() = default;
  tcontourregister(const tcontourregister&) = delete;
  tcontourregister& operator=(const tcontourregister&) = delete;
  ~tcontourregister();

  // Takes the contour under its polygon id. False when that number was there
  // already: the contour is then a duplicate of the first.
  bool Add(std::unique_ptr<tpodotdel> contour);
  // The first contour of the number, or null.
  tpodotdel* Find(int32_t polygon_id) const;
  // The contours of the number, the first one first (empty when none).
  std::vector<tpodotdel*> Contours(int32_t polygon_id) const;
  // Hands the contour over to the compartment's chain; a contour the register
  // does not own (attached already) is left alone.
  void Attach(tpodotdel* contour, totdel& compartment);
  // Every contour in polygon-id order, each number's first contour before its
  // duplicates.
  void ForEach(const std::function<void(tpodotdel&)>& visit) const;
  size_t Count() const { return count_; }

 private:
  struct tslot {
    tpodotdel* contour;
    std::unique_ptr<tpodotdel> owned;  // set while not attached
  };
  std::map<int32_t, std::vector<tslot>> entries_;
  size_t count_ = 0;
};

}  // namespace dornavik
