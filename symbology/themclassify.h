// The classifiers of the thematic maps: the class (or group and value) of a
// sub-compartment contour, from the rows of the project tables or from the
// contour's own numbers.
#pragma once

#include <string>

#include "symbology/thematic.h"

namespace dornavik {

class tunittables;

// The rows a classifier reads.
class tthemrows {
 public:
  virtual ~tthemrows() = default;
  // The integer values of one or two columns (column2 may be empty) of the
  // sub-compartment's row of the "po" table; pod is in the DOS code page. False,
  // with the values 0, when there is no row or the tables are not open. A column
  // the table does not have throws terror.
  virtual bool SubCompartmentColumns(const std::string& otdel, const std::string& pod,
                                     const std::string& column1, int& value1,
                                     const std::string& column2, int& value2) = 0;
  // TU of the compartment's row of the compartment table; false (0) when missing.
  virtual bool CompartmentTu(const std::string& otdel, int& tu) = 0;
};

// The rows of a unit's project tables; null tables: every contour is class 0.
class tunitthemrows : public tthemrows {
 public:
  explicit tunitthemrows(tunittables* tables) : tables_(tables) {}
  bool SubCompartmentColumns(const std::string& otdel, const std::string& pod,
                             const std::string& column1, int& value1, const std::string& column2,
                             int& value2) override;
  bool CompartmentTu(const std::string& otdel, int& tu) override;

 private:
  tunittables* tables_;
};

// The class of the contour of sub-compartment pod (DOS code page) of compartment
// otdel in a simple map; -1 for grouped maps. Kinds without a classifier give 0.
int Classify(const tthemmap& map, const std::string& otdel, const std::string& pod, tthemrows& rows);

struct tthemgroup {
  int group = 0;
  int value = 0;
};
// The group and value of the contour in a grouped map (kinds 10 and 29).
tthemgroup ClassifyGrouped(const tthemmap& map, const std::string& otdel, const std::string& pod,
                           tthemrows& rows);

}  // namespace dornavik
