// The table "names" in the program folder: the class and map names of the
// thematic maps of old nomenclature files.
#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "symbology/nomenclature.h"
#include "tables/dbfile.h"

namespace dornavik {

std::vector<tthemname> ReadThematicNames(thost& host, const std::string& folder) {
  tdbfile table(host, folder + "names", {}, {}, tdbfmode::readonly);
  table.Open();
  const int type = table.FieldIndex("type"), code = table.FieldIndex("code"),
            print = table.FieldIndex("print");
  if (type < 0 || code < 0 || print < 0) {
    throw terror(Utf8ToWindows("Таблицата names няма колони type, code и print"));
  }
  std::vector<tthemname> rows;
  for (bool row = table.First(); row; row = table.Next()) {
    rows.push_back({table.Text(type), table.Integer(code), table.Text(print)});
  }
  return rows;
}

bool LoadNomenclature(const std::string& file_name, thost& host) {
  return LoadNomenclature(file_name, host, [&host] { return ReadThematicNames(host, ProgramFolder()); });
}

}  // namespace dornavik
