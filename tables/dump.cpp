#include "tables/dump.h"

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "tables/dbfile.h"

namespace dornavik {

void DumpTable(const std::string& path, std::ostream& out) {
  if (!FileFound(path)) throw terror(Utf8ToWindows("Няма такъв файл: ") + path);
  tconsolehost host;
  tdbfile table(host, path, {}, {}, tdbfmode::readonly);
  table.Open();
  if (!table.IsOpen()) throw terror(Utf8ToWindows("Таблицата не може да бъде отворена: ") + path);
  for (int i = 0; i < table.FieldCount(); ++i) out << (i ? "\t" : "") << WindowsToUtf8(table.Field(i).name);
  out << '\n';
  for (bool row = table.First(); row; row = table.Next()) {
    for (int i = 0; i < table.FieldCount(); ++i) out << (i ? "\t" : "") << WindowsToUtf8(table.RawText(i));
    out << '\n';
  }
}

}  // namespace dornavik
