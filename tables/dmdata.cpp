#include "tables/dmdata.h"

#include <cmath>
#include <cstdio>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/text.h"

namespace dornavik {

namespace {

struct tdmcomponent {
  const char* name;
  const char* design;
  const char* index;  // empty: record order
};

const tdmcomponent kComponents[kDmTableCount] = {
    {"tOtdeli", "RMO.DBF", "OTDEL"}, {"tpo", "RMPO.DBF", "OTDEL+POD"}, {"tDV", "RMDV.DBF", "OTDEL"},
    {"tCO", "RMCO.DBF", ""},         {"tTU", "RMTU.DBF", ""},          {"tSL", "RMSL.DBF", ""},
    {"tZE", "RMZE.DBF", "ZEML"},     {"tOTPOD", "rmPO.DBF", "OTDEL"},
};

// The lookups of tOTPOD: nomenclature table and the row's code column.
struct totpodlookup {
  const char* field;
  const char* table;
  const char* code;
};
const totpodlookup kOtpodLookups[] = {{"VGNAME", "NVG", "VG"}, {"vpname", "NVP", "VP"}, {"vtname", "NVT", "VT"}};

}  // namespace

const char* T_DMData::ComponentName(tdmtable t) { return kComponents[t].name; }

std::string T_DMData::TableName(tdmtable t, const std::string& code) {
  return code + std::string(kComponents[t].design).substr(2);
}

T_DMData::T_DMData(thost& host, T_dmNom& nom, const std::string& folder, const std::string& code)
    : host_(host), nom_(nom), query_(folder) {
  SetDirEknm(folder, code);
}

void T_DMData::SetDirEknm(const std::string& folder, const std::string& code) {
  if (code.empty() && code_.empty()) return;
  if (!code.empty() && (folder != folder_ || code != code_)) {
    code_ = code;
    folder_ = folder;
    query_.SetFolder(folder);
    for (int t = 0; t < kDmTableCount; ++t) {
      std::vector<std::string> keys;
      if (*kComponents[t].index) keys.push_back(kComponents[t].index);
      tables_[t] = std::make_unique<tdbfile>(host_, folder + TableName(tdmtable(t), code), keys,
                                             std::vector<tdefrec>{}, tdbfmode::readonly);
    }
  }
  for (int t = 0; t < kDmTableCount; ++t) {
    std::string error;
    try {
      tables_[t]->Open();
      if (!tables_[t]->IsOpen()) error = Utf8ToWindows("таблицата липсва");
    } catch (const terror& e) {
      error = e.what();
    }
    if (!error.empty())
      host_.ShowMessage(Utf8ToWindows("Грешка ") + kComponents[t].name + " " + TableName(tdmtable(t), code_) +
                        "....... " + error);
  }
}

std::string T_DMData::TehnuName() {
  tdbfile& tu = Table(ktTU);
  int code = Table(ktOtdeli).Integer("TU");
  for (bool row = tu.First(); row; row = tu.Next())
    if (tu.Integer("TU") == code) return tu.Text("NAME").substr(0, 50);
  return {};
}

std::string T_DMData::PoTehnuna() {
  return Table(ktOtdeli).FindKey({Table(ktpo).Text("OTDEL")}) ? TehnuName() : std::string();
}

int T_DMData::PoStoplist() {
  return Table(ktOtdeli).FindKey({Table(ktpo).Text("OTDEL")}) ? Table(ktOtdeli).Integer("SL") : 0;
}

int T_DMData::PoTUcod() {
  return Table(ktOtdeli).FindKey({Table(ktpo).Text("OTDEL")}) ? Table(ktOtdeli).Integer("TU") : 0;
}

std::string T_DMData::OtpodName(const char* which) {
  tdbfile& t = Table(ktOTPOD);
  for (const totpodlookup& l : kOtpodLookups)
    if (CompareTextWin(l.field, which) == 0 && t.HasRow()) return nom_.Lookup(l.table, t.Integer(l.code));
  return {};
}

bool T_DMData::Accepted() { return Table(ktpo).Text("OTDEL") == TrimTrailing(filter_); }

bool T_DMData::PoFirst() {
  bool row = Table(ktpo).First();
  while (row && !Accepted()) row = Table(ktpo).Next();
  return row;
}

bool T_DMData::PoNext() {
  bool row = Table(ktpo).Next();
  while (row && !Accepted()) row = Table(ktpo).Next();
  return row;
}

std::vector<int> T_DMData::CompartmentSubCompartments() {
  tdbfile& o = Table(ktOtdeli);
  if (!o.HasRow()) return {};
  return Table(ktOTPOD).FindAll(0, {o.RawText(o.FieldIndex("OTDEL"))});
}

tresultset T_DMData::RunQuery(const std::string& sql) {
  // The design names of the statements ('rmdv.dbf') stand for the unit's tables.
  std::vector<std::string> names;
  auto unit_name = [](const std::string& name, const std::string& code) {
    return name.size() > 2 && CompareTextWin(name.substr(0, 2), "rm") == 0 ? code + name.substr(2) : name;
  };
  return query_.Run(StatementTables(sql, names, unit_name, code_));
}

std::string DisplayValue(tdisplayrule rule, const std::string& otdel, const std::string& pod, double value) {
  char buf[64];
  if (rule == tdisplayrule::larea) {
    std::snprintf(buf, sizeof buf, "%10.1f", value);
    return buf + Utf8ToWindows(" ха");
  }
  if (TrimBoth(otdel).empty() && TrimBoth(pod).empty()) return {};
  long long n = std::llround(value);
  switch (rule) {
    case tdisplayrule::sech: return IntText(n, 1) + " %";
    case tdisplayrule::age: return IntText(n, 1) + Utf8ToWindows(" г.");
    case tdisplayrule::height: return IntText(n, 1) + Utf8ToWindows(" м");
    case tdisplayrule::diameter: return IntText(n, 1) + Utf8ToWindows(" см.");
    case tdisplayrule::fullness:
      if (n == 0) return "0";
      std::snprintf(buf, sizeof buf, "%3.1f", value / 10);
      return buf;
    case tdisplayrule::larea: break;
  }
  return {};
}

}  // namespace dornavik
