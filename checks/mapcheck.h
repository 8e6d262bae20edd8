// What the map checks share: the walk over the compartments with its progress
// window, the keys by which findings name sub-compartments, and the
// sub-compartment table of the map's forestry unit.
#pragma once

#include <string>

#include "base/host.h"
#include "checks/errtable.h"
#include "model/document.h"
#include "tables/podrec.h"
#include "tables/projecttables.h"

namespace dornavik {

// The progress window of one check: its title in the first label, the
// current compartment in the second, the gauge counting the compartments.
class tcheckprogress {
 public:
  // title: UTF-8, shown in cp1251.
  tcheckprogress(thost& host, const char* title, int count);
  // Starts again on another activity of the same check.
  void Restart(const char* title, int count);
  // The compartment being checked, by its index.
  void Compartment(int index, const totdel& compartment);
  // After every contour: lets the windows repaint.
  void Pump() { host_.PumpMessages(); }

 private:
  thost& host_;
};

// A finding of `code` naming the sub-compartment pod (DOS code page) of the
// compartment otdel.
terrrec SubCompartmentFinding(int code, const std::string& otdel, const std::string& pod);
terrrec ContourFinding(int code, const tpodotdel& contour);
// Names the second sub-compartment of a finding (otdel1, pod1).
void NameOther(terrrec& finding, const std::string& otdel, const std::string& pod);

// The compartment number of the contour's chain ("" for a loose contour).
const std::string& CompartmentNumber(const tpodotdel& contour);

// A message about a failed step, with the compartment (and sub-compartment)
// it concerned: the error text, a blank and the numbers in cp1251.
void ShowCheckError(thost& host, const std::exception& e, const std::string& otdel,
                    const std::string* pod = nullptr);

// The unit's tables when they are this program's project tables, else null.
tunittables* UnitTables(tafile& map);

// The row of a sub-compartment of the map (numbers in the DOS code page) in
// the sub-compartment table. A compartment of the map numbered "*12" holds the
// sub-compartments whose table rows have VT 1 (key "*12") and those whose
// number contains "*" (key "12"); the key is the one the row was found under,
// so that a row is written back where it was read. False (rec all zero, key
// the map's number) when there is no row.
bool ReadSubCompartmentRow(tunittables& tables, const std::string& otdel, const std::string& pod,
                           tpodrec& rec, std::string& key);

}  // namespace dornavik
