// The seven project tables of a forestry unit, beside the map file: "<code>po"
// sub-compartments, "dv" species, "co" composition, "O" compartments, "tu"
// sections, "ze" settlements, "sl" management sheets (".DBF"). Every operation
// does nothing (reads as not found) while its table is not open.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "model/forestry.h"
#include "tables/dbfile.h"
#include "tables/podrec.h"

namespace dornavik {

enum tprojecttable { kPo, kDv, kCo, kO, kTu, kZe, kSl, kProjectTableCount };

// The columns of each project table, in file order ("po": 86).
const std::vector<tdefrec>& ProjectColumns(tprojecttable table);
// "po", "dv", "co", "O", "tu", "ze", "sl".
const char* ProjectSuffix(tprojecttable table);

// The compartment key of a table row: OtdelKey, except that a number already in
// the "*" form (trimmed, beginning with "*") is kept trimmed as it is.
std::string TableOtdelKey(const std::string& otdel);

// The compartment row fields the import writes.
struct tcompartmentrow {
  int tu = 0, po = 0, vo = 0, sl = 0, vt = 0;
};

// A row of the species table ("dv").
struct tspeciesrow {
  int number = 0, dv = 0, et = 0, u = 0, pr = 0, w = 0, p = 0, h = 0, b = 0, d = 0;
  double hoard = 0, hoardh = 0;
  int hoardm = 0;
  double hoardk = 0, usage = 0, usagek = 0;
  std::string damrange;
  int damage = 0;
};

// A row of the composition table ("co").
struct tcompositionrow {
  int number = 0, dv = 0, u = 0, b = 0;
  double ar = 0;  // hectares
  std::string shemal;
};

class tunittables : public tprojecttables {
 public:
  // folder with its trailing "/", code: the unit's two characters. Opens (and
  // creates where missing) the seven tables; a table that fails is reported
  // to the host and stays closed.
  tunittables(thost& host, const std::string& folder, const std::string& code);

  tdbfile& Table(tprojecttable t) { return *tables_[t]; }
  void EmptyAll();

  // otdel and pod are numbers or keys; with convert, pod is in the DOS code page.
  bool ReadSubCompartment(const std::string& otdel, const std::string& pod, bool convert, tpodrec& rec);
  void WriteSubCompartment(const std::string& otdel, const std::string& pod, bool convert,
                           const tpodrec& rec);
  // The integer value of a column of the row (0 when missing).
  bool ReadColumns(const std::string& otdel, const std::string& pod, bool convert,
                   const std::string& column1, int& value1);
  bool ReadColumns(const std::string& otdel, const std::string& pod, bool convert,
                   const std::string& column1, int& value1, const std::string& column2, int& value2);

  bool ReadCompartment(const std::string& otdel, tcompartmentrow& row);
  void WriteCompartment(const std::string& otdel, const tcompartmentrow& row);

  bool ReadSpecies(const std::string& otdel, const std::string& pod, int number, tspeciesrow& row);
  void WriteSpecies(const std::string& otdel, const std::string& pod, const tspeciesrow& row);
  bool ReadComposition(const std::string& otdel, const std::string& pod, int number,
                       tcompositionrow& row);
  void WriteComposition(const std::string& otdel, const std::string& pod, const tcompositionrow& row);

  // The name of section code ("" when missing); setting it creates the row.
  std::string SectionName(int code);
  void SetSectionName(int code, const std::string& name);

  // The settlement number (ZEML) of an EKATTE code, adding the settlement with
  // the next number and name when it is not in the table yet (0 when closed).
  int SettlementNumber(int ekatte, const std::string& name);

  bool SubCompartmentHectares(const std::string& otdel, const std::string& pod, double& hectares) override;

 private:
  bool FindSubCompartment(const std::string& otdel, const std::string& pod, bool convert);
  int FindNumbered(tdbfile& t, const std::string& otdel, const std::string& pod, int number);
  // Goes to the row of that NUMBER, appending it with its keys when there is none.
  void GoNumberedOrAppend(tdbfile& t, const std::string& otdel, const std::string& pod, int number);

  thost& host_;
  std::unique_ptr<tdbfile> tables_[kProjectTableCount];
};

// The unit's name, directorate and kind from the nomenclature tables NGS and
// NRDG in folder (left as they are when the tables or rows are missing).
void ReadForestryNames(thost& host, const std::string& folder, tforestry& unit);

// The opener the map document is given: the tables of unit.code in the map
// file's folder, names from the nomenclature tables in the program folder.
tprojecttablesopener ProjectTablesOpener(thost& host);

}  // namespace dornavik
