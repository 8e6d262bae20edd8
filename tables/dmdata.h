// T_DMData: the project tables of one forestry unit as the information windows
// and reports read them (read-only), the lookups they show, their display
// rules, and the two species and composition queries.
#pragma once

#include <memory>
#include <string>

#include "base/host.h"
#include "tables/dbfile.h"
#include "tables/dmnom.h"
#include "tables/query.h"

namespace dornavik {

enum tdmtable { ktOtdeli, ktpo, ktDV, ktCO, ktTU, ktSL, ktZE, ktOTPOD, kDmTableCount };

class T_DMData {
 public:
  // folder with its trailing "/"; an empty code opens nothing until SetDirEknm.
  T_DMData(thost& host, T_dmNom& nom, const std::string& folder, const std::string& code);

  // Re-targets the module: with a code that differs from the stored one, or a
  // folder that differs, the tables are set to "<folder><code><suffix>.DBF";
  // then every table is (re)opened. Failures show "Грешка " + component + " "
  // + table name + "....... " + the error text.
  void SetDirEknm(const std::string& folder, const std::string& code);

  tdbfile& Table(tdmtable t) { return *tables_[t]; }
  static const char* ComponentName(tdmtable t);
  // The table name a component has for code ("RMPO.DBF" and "07" give "07PO.DBF").
  static std::string TableName(tdmtable t, const std::string& code);
  const std::string& Code() const { return code_; }
  const std::string& Folder() const { return folder_; }

  // Lookups of the current rows.
  std::string TehnuName();                      // tOtdeli: NAME of tTU by TU
  std::string PoTehnuna();                      // tpo: TEHNUNAME of tOtdeli by OTDEL
  int PoStoplist();                             // tpo: SL of tOtdeli by OTDEL
  int PoTUcod();                                // tpo: TU of tOtdeli by OTDEL
  std::string OtpodName(const char* which);     // tOTPOD: "VGNAME", "vpname", "vtname"

  // tpo rows of one compartment: the filter accepts rows whose OTDEL is key.
  void SetCompartmentFilter(const std::string& key) { filter_ = key; }
  bool PoFirst();
  bool PoNext();

  // The sub-compartments (tOTPOD record numbers) of tOtdeli's current row, in
  // their stored order.
  std::vector<int> CompartmentSubCompartments();

  // qDV and qCO: their statements, replaced by the windows that use them. A
  // table named 'rm<suffix>.dbf' in a statement is the unit's '<code><suffix>.dbf'.
  std::string qDVsql = "select * from 'rmdv.dbf'";
  std::string qCOsql = "select * from 'rmco.dbf'";
  tresultset RunQuery(const std::string& sql);

 private:
  bool Accepted();
  thost& host_;
  T_dmNom& nom_;
  std::string folder_, code_, filter_;
  std::unique_ptr<tdbfile> tables_[kDmTableCount];
  tquery query_;
};

// The display rules of the windows; each shows "" for a row whose OTDEL and
// POD are both blank, except the documented area, which is always shown.
enum class tdisplayrule {
  sech,      // "<n> %"
  age,       // "<n> г."
  height,    // "<n> м"
  diameter,  // "<n> см."
  fullness,  // 0 shows "0", v shows v / 10 as "%3.1f"
  larea,     // "%10.1f ха"
};
std::string DisplayValue(tdisplayrule rule, const std::string& otdel, const std::string& pod, double value);

}  // namespace dornavik
