// T_dmNom: the nomenclature tables of the program folder, open for the whole
// run, read-only, each on its code index; the names of codes are looked up here.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "base/host.h"
#include "tables/dbfile.h"

namespace dornavik {

class T_dmNom {
 public:
  // Opens every table in folder; a table that fails shows "Грешка " + its
  // component name + " " + the error text, and the others are still opened.
  T_dmNom(thost& host, const std::string& folder);

  // The table of a component ("tNVG") or a file name ("NVG"); null when unknown.
  tdbfile* Table(const std::string& name);
  // Column result of the row whose code (the table's index key) is code;
  // empty when the table is closed or the code is missing. Numbers are
  // written as they are stored, trimmed.
  std::string Lookup(const std::string& table, const std::string& code, const std::string& result = "NAME");
  std::string Lookup(const std::string& table, int code, const std::string& result = "NAME") {
    return Lookup(table, std::to_string(code), result);
  }
  // The code column of NDV as shown: its integer.
  static std::string SpeciesCodeText(double code);
  // The name of a settlement as the project's settlement table keeps it: the
  // kind (SELO, leading blanks removed) followed by the name (IME).
  std::string SettlementName(int ekatte);

 private:
  std::map<std::string, std::unique_ptr<tdbfile>> tables_;  // by upper-case file name
};

}  // namespace dornavik
