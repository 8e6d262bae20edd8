// The forestry unit of a map and the interface to its project tables. The
// tables themselves live in tables/; the model reaches them only through
// tprojecttables, and opens them through an opener it is given.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace dornavik {

// The seven project tables of a unit; implemented in tables/.
class tprojecttables {
 public:
  virtual ~tprojecttables() = default;
  // Hectares of the sub-compartment's row; false when there is none.
  virtual bool SubCompartmentHectares(const std::string& otdel, const std::string& pod,
                                      double& hectares) = 0;
};

struct tforestry {
  std::string code = "  ";   // up to 2 characters
  std::string name;          // up to 80 characters (cp1251)
  std::string directorate;   // up to 80 characters (cp1251)
  int kind = 0;              // the unit table's "vid"
  std::unique_ptr<tprojecttables> tables;
};

// Opens (creating where missing) the tables of unit.code beside map_file_name,
// and fills unit.name / directorate / kind from the nomenclature tables. Throws
// terror on failure.
using tprojecttablesopener =
    std::function<std::unique_ptr<tprojecttables>(tforestry& unit, const std::string& map_file_name)>;

}  // namespace dornavik
