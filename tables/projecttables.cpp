#include "tables/projecttables.h"

#include <variant>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/text.h"
#include "tables/keys.h"

namespace dornavik {

namespace {

const std::vector<tdefrec> kPoColumns = {
    {"OTDEL", 'C', 5, 0},     {"POD", 'C', 8, 0},      {"AREA", 'N', 8, 0},     {"XA", 'N', 6, 1},
    {"NTL", 'N', 2, 0},       {"TU", 'N', 2, 0},       {"ZEML", 'N', 2, 0},     {"VT", 'N', 2, 0},
    {"VG", 'N', 2, 0},        {"VP", 'N', 3, 0},       {"KLAS", 'N', 2, 0},     {"PRED1", 'N', 3, 0},
    {"PRED2", 'N', 3, 0},     {"PRED3", 'N', 3, 0},    {"PRED4", 'N', 3, 0},    {"PRED5", 'N', 3, 0},
    {"PRED6", 'N', 3, 0},     {"PRED7", 'N', 3, 0},    {"PRED8", 'N', 3, 0},    {"PRED9", 'N', 3, 0},
    {"PRED10", 'N', 3, 0},    {"OBLAST", 'N', 2, 0},   {"PODPOAS", 'N', 2, 0},  {"WISO", 'N', 4, 0},
    {"IZL", 'N', 2, 0},       {"RELEF", 'N', 2, 0},    {"NAKLON", 'N', 2, 0},   {"MESTORASTE", 'N', 3, 0},
    {"STROEJ", 'N', 3, 0},    {"STATUS", 'N', 2, 0},   {"POCHVA", 'N', 2, 0},   {"MEHS", 'N', 3, 0},
    {"KAMEN", 'N', 2, 0},     {"PLATNOST", 'N', 2, 0}, {"DEPTH", 'N', 2, 0},    {"WLAJNOST", 'N', 2, 0},
    {"EROZIA", 'N', 2, 0},    {"OSNSKALA", 'N', 2, 0}, {"NELESO", 'N', 3, 0},   {"BOGAT", 'N', 4, 0},
    {"PASHA", 'N', 2, 0},     {"SECH", 'N', 3, 0},     {"SECHGOD", 'N', 4, 0},  {"SECH1", 'N', 2, 0},
    {"SECH2", 'N', 2, 0},     {"SECH3", 'N', 2, 0},    {"SECH4", 'N', 2, 0},    {"SECH5", 'N', 2, 0},
    {"SECH6", 'N', 2, 0},     {"SECH7", 'N', 2, 0},    {"SECH8", 'N', 2, 0},    {"SECH9", 'N', 2, 0},
    {"SECH10", 'N', 2, 0},    {"SECSECT", 'N', 2, 0},  {"DV1", 'N', 3, 0},      {"U1", 'N', 2, 0},
    {"PR1", 'N', 2, 0},       {"W1", 'N', 3, 0},       {"P1", 'N', 3, 0},       {"H1", 'N', 3, 0},
    {"B1", 'N', 2, 0},        {"D1", 'N', 2, 0},       {"LAREA", 'N', 10, 2},   {"LR", 'N', 2, 0},
    {"DV2", 'N', 3, 0},       {"W2", 'N', 3, 0},       {"P2", 'N', 3, 0},       {"H2", 'N', 3, 0},
    {"U2", 'N', 2, 0},        {"PR2", 'N', 2, 0},      {"B2", 'N', 2, 0},       {"STALK", 'N', 2, 0},
    {"SHEMA", 'C', 8, 0},     {"EROSION1", 'N', 2, 0}, {"EXPLAN1", 'C', 8, 0},  {"EROSION2", 'N', 2, 0},
    {"EXPLAN2", 'C', 8, 0},   {"NASOKA", 'N', 2, 0},   {"PCP1", 'N', 2, 0},     {"PCPAREA1", 'N', 8, 2},
    {"PCP2", 'N', 2, 0},      {"PCPAREA2", 'N', 8, 2}, {"MERGE", 'N', 2, 0},    {"SHEMAL", 'C', 8, 0},
    {"PURPOS", 'N', 2, 0},    {"VS", 'N', 2, 0},
};

const std::vector<tdefrec> kDvColumns = {
    {"OTDEL", 'C', 5, 0}, {"POD", 'C', 8, 0},    {"NUMBER", 'N', 2, 0}, {"DV", 'N', 3, 0},
    {"ET", 'N', 2, 0},    {"U", 'N', 2, 0},      {"PR", 'N', 2, 0},     {"W", 'N', 3, 0},
    {"P", 'N', 3, 0},     {"H", 'N', 3, 0},      {"B", 'N', 2, 0},      {"D", 'N', 2, 0},
    {"HOARD", 'N', 9, 0}, {"HOARDH", 'N', 9, 0}, {"HOARDM", 'N', 2, 0}, {"HOARDK", 'N', 9, 0},
    {"USAGE", 'N', 9, 1}, {"USAGEK", 'N', 9, 0}, {"DAMRANGE", 'C', 5, 0}, {"DAMAGE", 'N', 2, 0},
};

const std::vector<tdefrec> kCoColumns = {
    {"OTDEL", 'C', 5, 0}, {"POD", 'C', 8, 0}, {"NUMBER", 'N', 2, 0}, {"DV", 'N', 3, 0},
    {"U", 'N', 2, 0},     {"B", 'N', 2, 0},   {"AR", 'N', 6, 1},     {"SHEMAL", 'C', 8, 0},
};

const std::vector<tdefrec> kOColumns = {
    {"OTDEL", 'C', 5, 0}, {"AREA", 'N', 10, 0}, {"XA", 'N', 9, 1}, {"NGPO", 'N', 4, 0},
    {"SL", 'N', 3, 0},    {"NTL", 'N', 3, 0},   {"TU", 'N', 3, 0}, {"VT", 'N', 2, 0},
    {"VO", 'N', 2, 0},    {"PO", 'N', 2, 0},
};

const std::vector<tdefrec> kTuColumns = {
    {"TU", 'N', 3, 0},  {"NAME", 'C', 30, 0}, {"NGO", 'N', 3, 0}, {"NPO", 'N', 5, 0},
    {"NTL", 'N', 4, 0}, {"AREA", 'N', 8, 0},  {"XA", 'N', 6, 1},
};

const std::vector<tdefrec> kZeColumns = {{"ZEML", 'N', 2, 0}, {"EKNM", 'C', 5, 0}, {"NAME", 'C', 30, 0}};

const std::vector<tdefrec> kSlColumns = {
    {"SL", 'N', 3, 0},  {"NGO", 'N', 4, 0}, {"NGPO", 'N', 5, 0},
    {"NTL", 'N', 3, 0}, {"AREA", 'N', 9, 0}, {"XA", 'N', 6, 1},
};

struct tprojectdef {
  const char* suffix;
  const std::vector<tdefrec>* columns;
  std::vector<std::string> keys;
};

const tprojectdef kProjectDefs[kProjectTableCount] = {
    {"po", &kPoColumns, {"otdel+pod", "otdel", "pod"}},
    {"dv", &kDvColumns, {"otdel+pod", "otdel", "pod"}},
    {"co", &kCoColumns, {"otdel+pod", "otdel", "pod"}},
    {"O", &kOColumns, {"OTDEL"}},
    {"tu", &kTuColumns, {"tu"}},
    {"ze", &kZeColumns, {"zeml", "eknm"}},
    {"sl", &kSlColumns, {"sl"}},
};

// The "po" columns held by tpodrec.
using tpodmember = std::variant<int tpodrec::*, double tpodrec::*, std::string tpodrec::*>;
struct tpodcolumn {
  const char* name;
  tpodmember member;
};

const tpodcolumn kPodColumns[] = {
    {"AREA", &tpodrec::area},         {"XA", &tpodrec::xa},           {"ZEML", &tpodrec::zeml},
    {"VT", &tpodrec::vt},             {"VG", &tpodrec::vg},           {"VP", &tpodrec::vp},
    {"KLAS", &tpodrec::klas},         {"PRED1", &tpodrec::pred1},     {"PRED2", &tpodrec::pred2},
    {"PRED3", &tpodrec::pred3},       {"PRED4", &tpodrec::pred4},     {"PRED5", &tpodrec::pred5},
    {"PRED6", &tpodrec::pred6},       {"PRED7", &tpodrec::pred7},     {"OBLAST", &tpodrec::oblast},
    {"PODPOAS", &tpodrec::podpoas},   {"WISO", &tpodrec::wiso},       {"IZL", &tpodrec::izl},
    {"RELEF", &tpodrec::relef},       {"NAKLON", &tpodrec::naklon},   {"MESTORASTE", &tpodrec::mestoraste},
    {"STROEJ", &tpodrec::stroej},     {"STATUS", &tpodrec::status},   {"POCHVA", &tpodrec::pochva},
    {"MEHS", &tpodrec::mehs},         {"KAMEN", &tpodrec::kamen},     {"PLATNOST", &tpodrec::platnost},
    {"DEPTH", &tpodrec::depth},       {"WLAJNOST", &tpodrec::wlajnost}, {"EROZIA", &tpodrec::erozia},
    {"OSNSKALA", &tpodrec::osnskala}, {"NELESO", &tpodrec::neleso},   {"BOGAT", &tpodrec::bogat},
    {"PASHA", &tpodrec::pasha},       {"SECH", &tpodrec::sech},       {"SECH1", &tpodrec::sech1},
    {"SECH2", &tpodrec::sech2},       {"SECH3", &tpodrec::sech3},     {"SECH4", &tpodrec::sech4},
    {"SECH5", &tpodrec::sech5},       {"SECH6", &tpodrec::sech6},     {"SECH7", &tpodrec::sech7},
    {"SECH8", &tpodrec::sech8},       {"SECH9", &tpodrec::sech9},     {"SECSECT", &tpodrec::secsect},
    {"PR1", &tpodrec::pr1},           {"LAREA", &tpodrec::larea},     {"STALK", &tpodrec::stalk},
    {"SHEMA", &tpodrec::shema},       {"EROSION1", &tpodrec::erosion1}, {"EXPLAN1", &tpodrec::explan1},
    {"EROSION2", &tpodrec::erosion2}, {"EXPLAN2", &tpodrec::explan2}, {"NASOKA", &tpodrec::nasoka},
    {"PCP1", &tpodrec::pcp1},         {"PCPAREA1", &tpodrec::pcparea1}, {"PCP2", &tpodrec::pcp2},
    {"PCPAREA2", &tpodrec::pcparea2}, {"MERGE", &tpodrec::merge},     {"SHEMAL", &tpodrec::shemal},
    {"PURPOS", &tpodrec::purpos},     {"VS", &tpodrec::vs},
};

std::string W(const char* utf8) { return Utf8ToWindows(utf8); }

std::string Pod(const std::string& pod, bool convert) { return PodKey(convert ? OemToWindows(pod) : pod); }

}  // namespace

const std::vector<tdefrec>& ProjectColumns(tprojecttable table) { return *kProjectDefs[table].columns; }
const char* ProjectSuffix(tprojecttable table) { return kProjectDefs[table].suffix; }

std::string TableOtdelKey(const std::string& otdel) {
  std::string trimmed = TrimBoth(otdel);
  return !trimmed.empty() && trimmed[0] == '*' ? trimmed : OtdelKey(trimmed);
}

tunittables::tunittables(thost& host, const std::string& folder, const std::string& code) : host_(host) {
  for (int t = 0; t < kProjectTableCount; ++t) {
    const tprojectdef& def = kProjectDefs[t];
    tables_[t] = std::make_unique<tdbfile>(host, folder + code + def.suffix, def.keys, *def.columns);
    if (t == kPo) tables_[t]->RestructureWhenColumnCountDiffers();
    try {
      tables_[t]->Open();
    } catch (const terror& e) {
      host.ShowMessage(W("Грешка ") + tables_[t]->Path() + " " + e.what());
    }
  }
}

void tunittables::EmptyAll() {
  for (auto& t : tables_) {
    try {
      t->Empty();
    } catch (const terror& e) {
      host_.ShowMessage(W("Грешка ") + t->Path() + " " + e.what());
    }
  }
}

bool tunittables::FindSubCompartment(const std::string& otdel, const std::string& pod, bool convert) {
  tdbfile& po = Table(kPo);
  po.SetIndex(0);
  return po.FindKey({TableOtdelKey(otdel), Pod(pod, convert)});
}

bool tunittables::ReadSubCompartment(const std::string& otdel, const std::string& pod, bool convert,
                                     tpodrec& rec) {
  rec = tpodrec();
  if (!FindSubCompartment(otdel, pod, convert)) return false;
  tdbfile& po = Table(kPo);
  rec.otdel = po.Text("OTDEL");
  rec.pod = po.Text("POD");
  for (const tpodcolumn& c : kPodColumns) {
    int f = po.FieldIndex(c.name);
    std::visit([&](auto member) {
      using T = std::remove_reference_t<decltype(rec.*member)>;
      if constexpr (std::is_same_v<T, int>) rec.*member = po.Integer(f);
      else if constexpr (std::is_same_v<T, double>) rec.*member = po.Number(f);
      else rec.*member = po.Text(f);
    }, c.member);
  }
  return true;
}

void tunittables::WriteSubCompartment(const std::string& otdel, const std::string& pod, bool convert,
                                      const tpodrec& rec) {
  tdbfile& po = Table(kPo);
  if (!po.IsOpen()) return;
  std::string otdel_key = TableOtdelKey(otdel), pod_key = Pod(pod, convert);
  try {
    if (!FindSubCompartment(otdel, pod, convert)) {
      po.Append();
      po.SetText("OTDEL", otdel_key);
      po.SetText("POD", pod_key);
    }
    for (const tpodcolumn& c : kPodColumns) {
      int f = po.FieldIndex(c.name);
      std::visit([&](auto member) {
        using T = std::remove_cvref_t<decltype(rec.*member)>;
        if constexpr (std::is_same_v<T, std::string>) po.SetText(f, rec.*member);
        else po.SetNumber(f, rec.*member);
      }, c.member);
    }
    po.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("pod " + std::string(e.what()) + " " + otdel_key + " " + pod_key);
  }
}

bool tunittables::ReadColumns(const std::string& otdel, const std::string& pod, bool convert,
                              const std::string& column1, int& value1) {
  int unused;
  return ReadColumns(otdel, pod, convert, column1, value1, std::string(), unused);
}

bool tunittables::ReadColumns(const std::string& otdel, const std::string& pod, bool convert,
                              const std::string& column1, int& value1, const std::string& column2,
                              int& value2) {
  value1 = value2 = 0;
  if (!FindSubCompartment(otdel, pod, convert)) return false;
  value1 = Table(kPo).Integer(column1);
  if (!column2.empty()) value2 = Table(kPo).Integer(column2);
  return true;
}

bool tunittables::SubCompartmentHectares(const std::string& otdel, const std::string& pod, double& hectares) {
  tpodrec rec;
  if (!ReadSubCompartment(otdel, pod, true, rec)) return false;
  hectares = rec.larea;
  return true;
}

bool tunittables::ReadCompartment(const std::string& otdel, tcompartmentrow& row) {
  row = tcompartmentrow();
  tdbfile& o = Table(kO);
  if (!o.FindKey({TableOtdelKey(otdel)})) return false;
  row = {o.Integer("TU"), o.Integer("PO"), o.Integer("VO"), o.Integer("SL"), o.Integer("VT")};
  return true;
}

void tunittables::WriteCompartment(const std::string& otdel, const tcompartmentrow& row) {
  tdbfile& o = Table(kO);
  if (!o.IsOpen()) return;
  std::string key = TableOtdelKey(otdel);
  try {
    if (!o.FindKey({key})) {
      o.Append();
      o.SetText("OTDEL", key);
    }
    o.SetNumber("TU", row.tu);
    o.SetNumber("PO", row.po);
    o.SetNumber("VO", row.vo);
    o.SetNumber("SL", row.sl);
    o.SetNumber("VT", row.vt);
    o.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("otdel " + std::string(e.what()) + " " + key + " " + IntText(row.tu, 1) + " " +
                      IntText(row.po, 1) + " " + IntText(row.vo, 1) + " " + IntText(row.sl, 1) + " " +
                      IntText(row.vt, 1));
  }
}

int tunittables::FindNumbered(tdbfile& t, const std::string& otdel, const std::string& pod, int number) {
  for (int r : t.FindAll(0, {TableOtdelKey(otdel), PodKey(pod)}))
    if (t.Go(r) && t.Integer("NUMBER") == number) return r;
  return -1;
}

void tunittables::GoNumberedOrAppend(tdbfile& t, const std::string& otdel, const std::string& pod,
                                     int number) {
  if (FindNumbered(t, otdel, pod, number) >= 0) return;
  t.Append();
  t.SetText("OTDEL", TableOtdelKey(otdel));
  t.SetText("POD", PodKey(pod));
  t.SetNumber("NUMBER", number);
}

bool tunittables::ReadSpecies(const std::string& otdel, const std::string& pod, int number, tspeciesrow& row) {
  row = tspeciesrow();
  tdbfile& t = Table(kDv);
  if (FindNumbered(t, otdel, pod, number) < 0) return false;
  row.number = number;
  row.dv = t.Integer("DV");
  row.et = t.Integer("ET");
  row.u = t.Integer("U");
  row.pr = t.Integer("PR");
  row.w = t.Integer("W");
  row.p = t.Integer("P");
  row.h = t.Integer("H");
  row.b = t.Integer("B");
  row.d = t.Integer("D");
  row.hoard = t.Number("HOARD");
  row.hoardh = t.Number("HOARDH");
  row.hoardm = t.Integer("HOARDM");
  row.hoardk = t.Number("HOARDK");
  row.usage = t.Number("USAGE");
  row.usagek = t.Number("USAGEK");
  row.damrange = t.Text("DAMRANGE");
  row.damage = t.Integer("DAMAGE");
  return true;
}

void tunittables::WriteSpecies(const std::string& otdel, const std::string& pod, const tspeciesrow& row) {
  tdbfile& t = Table(kDv);
  if (!t.IsOpen()) return;
  try {
    GoNumberedOrAppend(t, otdel, pod, row.number);
    const std::pair<const char*, double> numbers[] = {
        {"DV", row.dv},         {"ET", row.et},         {"U", row.u},         {"PR", row.pr},
        {"W", row.w},           {"P", row.p},           {"H", row.h},         {"B", row.b},
        {"D", row.d},           {"HOARD", row.hoard},   {"HOARDH", row.hoardh}, {"HOARDM", row.hoardm},
        {"HOARDK", row.hoardk}, {"USAGE", row.usage},   {"USAGEK", row.usagek}, {"DAMAGE", row.damage},
    };
    for (const auto& [name, value] : numbers) t.SetNumber(name, value);
    t.SetText("DAMRANGE", row.damrange);
    t.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("dv " + std::string(e.what()) + " " + TableOtdelKey(otdel) + " " + PodKey(pod));
  }
}

bool tunittables::ReadComposition(const std::string& otdel, const std::string& pod, int number,
                                  tcompositionrow& row) {
  row = tcompositionrow();
  tdbfile& t = Table(kCo);
  if (FindNumbered(t, otdel, pod, number) < 0) return false;
  row = {number, t.Integer("DV"), t.Integer("U"), t.Integer("B"), t.Number("AR"), t.Text("SHEMAL")};
  return true;
}

void tunittables::WriteComposition(const std::string& otdel, const std::string& pod,
                                   const tcompositionrow& row) {
  tdbfile& t = Table(kCo);
  if (!t.IsOpen()) return;
  try {
    GoNumberedOrAppend(t, otdel, pod, row.number);
    t.SetNumber("DV", row.dv);
    t.SetNumber("U", row.u);
    t.SetNumber("B", row.b);
    t.SetNumber("AR", row.ar);
    t.SetText("SHEMAL", row.shemal);
    t.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("co " + std::string(e.what()) + " " + TableOtdelKey(otdel) + " " + PodKey(pod));
  }
}

std::string tunittables::SectionName(int code) {
  tdbfile& t = Table(kTu);
  return t.FindKey({IntText(code, 1)}) ? t.Text("NAME") : std::string();
}

void tunittables::SetSectionName(int code, const std::string& name) {
  tdbfile& t = Table(kTu);
  if (!t.IsOpen()) return;
  try {
    if (!t.FindKey({IntText(code, 1)})) {
      t.Append();
      t.SetNumber("TU", code);
    }
    t.SetText("NAME", name);
    t.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("tu " + std::string(e.what()) + " " + IntText(code, 1));
  }
}

int tunittables::SettlementNumber(int ekatte, const std::string& name) {
  tdbfile& t = Table(kZe);
  if (!t.IsOpen()) return 0;
  std::string eknm = ZeroIntText(ekatte, 5);
  std::vector<int> rows = t.FindAll(1, {eknm});
  if (!rows.empty() && t.Go(rows.front())) return t.Integer("ZEML");
  int zeml = t.RecordCount() + 1;
  try {
    t.Append();
    t.SetNumber("ZEML", zeml);
    t.SetText("EKNM", eknm);
    t.SetText("NAME", name);
    t.Flush();
  } catch (const terror& e) {
    host_.ShowMessage("ze " + std::string(e.what()) + " " + eknm);
  }
  return zeml;
}

void ReadForestryNames(thost& host, const std::string& folder, tforestry& unit) {
  try {
    tdbfile ngs(host, folder + "NGS", {"GS"}, {}, tdbfmode::readonly);
    ngs.Open();
    if (ngs.FindKey({unit.code})) {
      unit.name = TrimBoth(ngs.Text("IME"));
      unit.kind = ngs.Integer("VID");
    }
    tdbfile nrdg(host, folder + "NRDG", {"RDG"}, {}, tdbfmode::readonly);
    nrdg.Open();
    if (nrdg.FindKey({unit.code.substr(0, 1)})) unit.directorate = TrimBoth(nrdg.Text("IME"));
  } catch (const terror& e) {
    host.ShowMessage(e.what());
  }
}

tprojecttablesopener ProjectTablesOpener(thost& host) {
  return [&host](tforestry& unit, const std::string& map_file_name) -> std::unique_ptr<tprojecttables> {
    auto tables = std::make_unique<tunittables>(host, SplitFileName(map_file_name).folder, unit.code);
    ReadForestryNames(host, ProgramFolder(), unit);
    return tables;
  };
}

}  // namespace dornavik
