#include "checks/errtable.h"

#include "base/errors.h"
#include "base/text.h"

namespace dornavik {

namespace {

// Column order of the file; ReadFinding and AppendFinding go by these names.
const std::vector<tdefrec> kErrorColumns = {
    {"COD", 'N', 5, 0},   {"OTDEL", 'C', 5, 0},  {"POD", 'C', 8, 0},   {"LINE", 'N', 10, 0},
    {"TABLE", 'N', 2, 0}, {"IPARA", 'N', 10, 0}, {"RPARA", 'N', 10, 2}, {"NOM", 'N', 4, 0},
    {"OTDEL1", 'C', 5, 0}, {"POD1", 'C', 8, 0},
};

}  // namespace

std::string ErrorTableName(const std::string& zem_file_name) {
  tfilename f = SplitFileName(zem_file_name);
  return f.folder + f.name + "er";
}

Terrdbfile::Terrdbfile(thost& host, const std::string& name) : tdbfile(host, name, {}, kErrorColumns) {}

void Terrdbfile::AppendFinding(const terrrec& f) {
  if (!IsOpen()) return;
  try {
    Append();
    SetNumber("COD", f.code);
    SetText("OTDEL", f.otdel);
    SetText("POD", f.pod);
    SetNumber("LINE", f.line);
    SetNumber("TABLE", f.table);
    SetNumber("IPARA", f.ipara);
    SetNumber("RPARA", f.rpara);
    SetNumber("NOM", f.nom);
    SetText("OTDEL1", f.otdel1);
    SetText("POD1", f.pod1);
    Flush();
  } catch (const terror& e) {
    host_.ShowMessage("error  " + std::string(e.what()));
  }
}

void Terrdbfile::DeleteFindings(int code) {
  if (!IsOpen()) return;
  int cod = FieldIndex("COD");
  for (bool row = First(); row;) row = Integer(cod) == code ? Delete() : Next();
  Flush();
}

terrrec Terrdbfile::ReadFinding() const {
  terrrec f;
  if (!HasRow()) return f;
  f.code = Integer("COD");
  f.otdel = Text("OTDEL");
  f.pod = Text("POD");
  f.line = Integer("LINE");
  f.table = Integer("TABLE");
  f.ipara = Integer("IPARA");
  f.rpara = Number("RPARA");
  f.nom = Integer("NOM");
  f.otdel1 = Text("OTDEL1");
  f.pod1 = Text("POD1");
  return f;
}

}  // namespace dornavik
