#include "symbology/themclassify.h"

#include "base/arith.h"
#include "base/errors.h"
#include "base/text.h"
#include "tables/projecttables.h"

namespace dornavik {

namespace {

// The "po" column that classifies a simple map of that kind; empty for kinds
// whose class does not come from that row.
std::string ColumnOfKind(const tthemmap& map) {
  switch (map.kind) {
    case 1: return "VG";
    case 3: return "VP";
    case 4: return "SECH1";
    case 9: return "MESTORASTE";
    case 21: return "POCHVA";
    case 22: return "OSNSKALA";
    case 23: return "ZEML";
    case 24: return "PRED1";
    case 26: return "LR";
    case 27: return "VS";
    case 28: return map.column;
    default: return {};
  }
}

int Column(tthemrows& rows, const std::string& otdel, const std::string& pod, const std::string& column) {
  int value = 0, unused = 0;
  rows.SubCompartmentColumns(otdel, pod, column, value, {}, unused);
  return value;
}

}  // namespace

bool tunitthemrows::SubCompartmentColumns(const std::string& otdel, const std::string& pod,
                                          const std::string& column1, int& value1,
                                          const std::string& column2, int& value2) {
  value1 = value2 = 0;
  if (!tables_ || !tables_->Table(kPo).IsOpen()) return false;
  for (const std::string* column : {&column1, &column2}) {
    if (!column->empty() && tables_->Table(kPo).FieldIndex(*column) < 0) {
      throw terror("Field '" + *column + "' not found");
    }
  }
  return tables_->ReadColumns(otdel, pod, true, column1, value1, column2, value2);
}

bool tunitthemrows::CompartmentTu(const std::string& otdel, int& tu) {
  tu = 0;
  tcompartmentrow row;
  if (!tables_ || !tables_->ReadCompartment(otdel, row)) return false;
  tu = row.tu;
  return true;
}

int Classify(const tthemmap& map, const std::string& otdel, const std::string& pod, tthemrows& rows) {
  if (map.Grouped()) return -1;
  switch (map.kind) {
    case 4: {
      int sech1 = 0, sech2 = 0;
      rows.SubCompartmentColumns(otdel, pod, "SECH1", sech1, "SECH2", sech2);
      return sech1 == 1 || sech1 == 5 || sech1 == 14 ? sech2 : sech1;
    }
    case 7:
      return Fold(static_cast<uint16_t>(TextInt(otdel)), 15);
    case 8: {
      if (pod.starts_with('*')) return 0;
      uint16_t sum = 0;
      for (unsigned char c : pod) sum = static_cast<uint16_t>(sum + c);
      return Fold(sum, 15);
    }
    case 20: {
      int tu = 0;
      rows.CompartmentTu(otdel, tu);
      return tu;
    }
    default: {
      const std::string column = ColumnOfKind(map);
      return column.empty() ? 0 : Column(rows, otdel, pod, column);
    }
  }
}

tthemgroup ClassifyGrouped(const tthemmap& map, const std::string& otdel, const std::string& pod,
                           tthemrows& rows) {
  tthemgroup g;
  if (map.kind == 10) {
    rows.SubCompartmentColumns(otdel, pod, "DV1", g.group, "W1", g.value);
  } else if (map.kind == 29) {
    rows.SubCompartmentColumns(otdel, pod, map.group_column, g.group, map.value_column, g.value);
  }
  return g;
}

}  // namespace dornavik
