// What each data row of the ZEM attribute tables does: which contour of the
// map it names, which compartment it puts that contour into, and which rows of
// the project tables it writes. The field checks are checks/tablechecks.h.
#include <array>
#include <cstdint>
#include <cmath>
#include <exception>

#include "base/codepage.h"
#include "base/text.h"
#include "checks/tablechecks.h"
#include "tables/dmnom.h"
#include "tables/keys.h"
#include "tables/projecttables.h"
#include "zem/zemreader.h"
#include "zem/zemtable.h"

namespace dornavik {

namespace {

constexpr char kUnnamed[] = "\x01";  // sub-compartment number of a contour no row named yet

tunittables* Tables(tzemreader& reader) {
  return dynamic_cast<tunittables*>(reader.Map().forestry.tables.get());
}

// The first row with a DL while the map has no forestry code yet sets the
// code and opens and empties the unit's tables.
void TakeForestryCode(tzemreader& reader, const std::string& dl) {
  tafile& map = reader.Map();
  if (dl.empty() || map.forestry.code != "  ") return;
  if (map.SetForestry(dl, map.file_name, reader.TablesOpener(), reader.Host()))
    if (tunittables* t = Tables(reader)) t->EmptyAll();
}

std::string StarKey(const std::string& key) { return "*" + TrimBoth(key); }

trowcontext RowContext(tzemtable& table, const std::string& otdel_key, const std::string& pod_key,
                       const std::string& pod) {
  tzemreader& reader = table.Reader();
  return {[&reader](const terrrec& f) { reader.AddFinding(f); },
          table.Number(),
          static_cast<int>(reader.LineNumber()),
          otdel_key,
          pod_key,
          pod.find('*') != std::string::npos};
}

void ShowKey(tzemreader& reader, const std::string& key) {
  if (tprogress* p = reader.Progress()) p->SetLabel2(key);
}

// The values of the table's checked fields, by nom, each read and checked.
std::array<double, 64> CheckedValues(tzemtable& table, const trowcontext& row, double area_limit = 0) {
  std::array<double, 64> v{};
  for (const tfieldrule& rule : FieldRules(table.Number())) {
    double value = rule.read_real ? table.Real(rule.nom) : table.Int(rule.nom);
    bool area = table.Number() == kZemComposite && rule.nom == 8;
    v[rule.nom] = area ? CheckField(row, rule, value, area_limit) : CheckField(row, rule, value);
  }
  return v;
}

int I(double v) { return static_cast<int>(v); }

// --- SECTIONS

void SectionRow(tzemtable& t) {
  std::string dl = Cut(t.Trimmed(1), 2);
  int cod = t.Int(2);
  std::string name = t.Trimmed(3);
  trowcontext row = RowContext(t, "", "", "");
  CheckSectionRow(row, cod, dl);
  if (dl.empty()) return;
  TakeForestryCode(t.Reader(), dl);
  tunittables* tables = Tables(t.Reader());
  if (!tables) return;
  if (!tables->SectionName(cod).empty()) row.Add(216, 0, cod);
  tables->SetSectionName(cod, name);
}

// --- PODOTDELI

void LinkContour(tzemtable& t, const trowcontext& row, int32_t ident, const std::string& map_key,
                 const std::string& pod) {
  tzemreader& reader = t.Reader();
  tcontourregister& contours = reader.ForestContours();
  tpodotdel* contour = contours.Find(ident);
  if (!contour || !contour->otdel.empty()) {
    trowcontext named = row;
    named.pod = IntText(ident, 6);
    named.Add(contour ? 212 : 211);
    return;
  }
  totdel* otdel = reader.Map().NewCompartment(TrimBoth(map_key));
  if (contour->number != kUnnamed) {
    terrrec f;
    f.code = 115;
    f.ipara = contour->polygon_id;
    f.line = row.line;
    reader.AddFinding(f);
  }
  std::string number = Cut(WindowsToOem(pod), 10);
  for (tpodotdel* c : contours.Contours(ident)) {
    if (c != contour && !c->otdel.empty()) continue;
    c->number = number;
    c->otdel = otdel->number;
    contours.Attach(c, *otdel);
  }
}

void PodotdeliRow(tzemtable& t) {
  tzemreader& reader = t.Reader();
  int32_t ident = t.Int(1);
  std::string dl = Cut(t.Trimmed(2), 2);
  std::string pod = t.Trimmed(4);
  int vt = t.Int(5);
  std::string otdel_key = OtdelKey(t.Text(3)), pod_key = PodKey(pod);
  trowcontext row = RowContext(t, otdel_key, pod_key, pod);
  try {
    CheckCyrillicNumber(row, pod);
    ShowKey(reader, otdel_key);
    // Rows and the compartment are read and written under one key; the map's
    // compartment also takes the "*" form for a number with "*".
    std::string table_key = vt == 1 ? StarKey(otdel_key) : otdel_key;
    std::string map_key = vt == 1 || row.starred ? StarKey(otdel_key) : otdel_key;
    TakeForestryCode(reader, dl);
    CheckRowKeys(row, dl);
    tunittables* tables = dl.empty() ? nullptr : Tables(reader);
    tpodrec rec;
    if (tables) tables->ReadSubCompartment(table_key, pod, false, rec);
    std::array<double, 64> v = CheckedValues(t, row);
    rec.vt = I(v[5]);
    rec.vg = I(v[6]);
    rec.vp = I(v[7]);
    rec.pr1 = I(v[8]);
    rec.pred1 = I(v[9]);
    rec.larea = v[15];
    if (tables) {
      tables->WriteSubCompartment(table_key, pod, false, rec);
      tcompartmentrow o;
      tables->ReadCompartment(table_key, o);
      o.vt = rec.vt;
      tables->WriteCompartment(table_key, o);
    }
    LinkContour(t, row, ident, map_key, pod);
  } catch (const std::exception& e) {
    reader.Host().ShowMessage("podotdeli " + std::string(e.what()) + " " + otdel_key + " " + pod_key);
  }
}

// --- PODOTDELI1, WOODTYPE and COMPOSITE share their start

struct tsubrow {
  std::string dl, pod, otdel_key, pod_key;
  trowcontext row;
  tunittables* tables = nullptr;  // null without DL
  tpodrec rec;
  bool found = false;
};

tsubrow StartSubRow(tzemtable& t) {
  tzemreader& reader = t.Reader();
  tsubrow s;
  s.dl = Cut(t.Trimmed(1), 2);
  s.pod = t.Trimmed(3);
  s.otdel_key = OtdelKey(t.Text(2));
  s.pod_key = PodKey(s.pod);
  s.row = RowContext(t, s.otdel_key, s.pod_key, s.pod);
  CheckCyrillicNumber(s.row, s.pod);
  ShowKey(reader, s.otdel_key);
  TakeForestryCode(reader, s.dl);
  bool missing_keys = CheckRowKeys(s.row, s.dl);
  if (!s.dl.empty()) s.tables = Tables(reader);
  if (s.tables) s.found = s.tables->ReadSubCompartment(s.otdel_key, s.pod, false, s.rec);
  if (!s.found && !missing_keys) s.row.Add(226);
  return s;
}

// PODOTDELI1 fields stored in the sub-compartment row as they were checked.
struct tpodcolumn {
  int nom;
  int tpodrec::*column;
};
constexpr tpodcolumn kPodotdeli1Columns[] = {
    {8, &tpodrec::secsect},   {9, &tpodrec::vs},         {10, &tpodrec::klas},     {11, &tpodrec::oblast},
    {12, &tpodrec::podpoas},  {13, &tpodrec::wiso},      {14, &tpodrec::izl},      {15, &tpodrec::relef},
    {16, &tpodrec::mestoraste}, {17, &tpodrec::naklon},  {18, &tpodrec::stroej},   {19, &tpodrec::status},
    {20, &tpodrec::stalk},    {22, &tpodrec::pochva},    {23, &tpodrec::mehs},     {24, &tpodrec::kamen},
    {25, &tpodrec::platnost}, {26, &tpodrec::depth},     {27, &tpodrec::wlajnost}, {28, &tpodrec::erozia},
    {29, &tpodrec::erosion1}, {31, &tpodrec::erosion2},  {33, &tpodrec::osnskala}, {34, &tpodrec::bogat},
    {35, &tpodrec::neleso},   {36, &tpodrec::sech},      {38, &tpodrec::sech1},    {39, &tpodrec::sech2},
    {40, &tpodrec::sech3},    {41, &tpodrec::sech4},     {42, &tpodrec::sech5},    {43, &tpodrec::sech6},
    {44, &tpodrec::sech7},    {45, &tpodrec::sech8},     {46, &tpodrec::sech9},    {47, &tpodrec::nasoka},
    {48, &tpodrec::pcp1},     {50, &tpodrec::pcp2},      {52, &tpodrec::merge},    {54, &tpodrec::purpos},
    {55, &tpodrec::pasha},    {56, &tpodrec::pred1},     {57, &tpodrec::pred2},    {58, &tpodrec::pred3},
    {59, &tpodrec::pred4},    {60, &tpodrec::pred5},     {61, &tpodrec::pred6},    {62, &tpodrec::pred7}};

bool Checked(int table, int nom) {
  for (const tfieldrule& r : FieldRules(table))
    if (r.nom == nom) return true;
  return false;
}

void Podotdeli1Row(tzemtable& t) {
  tzemreader& reader = t.Reader();
  std::string otdel_key = OtdelKey(t.Text(2)), pod_key = PodKey(t.Trimmed(3));
  try {
    tsubrow s = StartSubRow(t);
    tcompartmentrow o;
    if (s.tables) s.tables->ReadCompartment(s.otdel_key, o);
    int ekatte = t.Int(4);
    std::string code = ZeroIntText(ekatte, 5);
    if (ekatte == 0) s.row.Add(219, 4);
    T_dmNom& names = reader.SettlementTables();
    bool known = !names.Lookup("NZEML", code, "EKNM").empty();
    if (!known) s.row.Add(220, 4, ekatte);
    if (s.tables && known) s.rec.zeml = s.tables->SettlementNumber(ekatte, names.SettlementName(ekatte));
    std::array<double, 64> v = CheckedValues(t, s.row);
    auto value = [&](int nom) { return Checked(kZemPodotdeli1, nom) ? I(v[nom]) : t.Int(nom); };
    for (const tpodcolumn& c : kPodotdeli1Columns) s.rec.*c.column = value(c.nom);
    s.rec.shema = t.Trimmed(21);
    s.rec.explan1 = t.Trimmed(30);
    s.rec.explan2 = t.Trimmed(32);
    s.rec.pcparea1 = t.Real(49);
    s.rec.pcparea2 = t.Real(51);
    s.rec.shemal = t.Trimmed(53);
    o.sl = t.Int(5);
    o.tu = value(6);
    o.po = value(7);
    if (s.tables) {
      s.tables->WriteSubCompartment(s.otdel_key, s.pod, false, s.rec);
      s.tables->WriteCompartment(s.otdel_key, o);
    }
  } catch (const std::exception& e) {
    reader.Host().ShowMessage("podotdeli1 " + std::string(e.what()) + " " + otdel_key + " " + pod_key);
  }
}

// NUMBER of a species or composition row: outside 1..max the row is dropped
// with 210 naming field 5.
bool NumberFits(const tsubrow& s, int number, int max) {
  if (number >= 1 && number <= max) return true;
  s.row.Add(210, 5, number);
  return false;
}

void WoodtypeRow(tzemtable& t) {
  tsubrow s = StartSubRow(t);
  int number = t.Int(4);
  if (!NumberFits(s, number, 11)) return;
  std::array<double, 64> v = CheckedValues(t, s.row);
  if (!s.tables) return;
  tspeciesrow r;
  s.tables->ReadSpecies(s.otdel_key, s.pod, number, r);
  r.number = number;
  r.dv = I(v[5]);
  r.et = I(v[6]);
  r.u = I(v[7]);
  r.pr = I(v[8]);
  r.w = I(v[9]);
  r.p = I(v[10]);
  r.h = static_cast<int>(std::lround(v[11]));
  r.b = I(v[12]);
  r.d = I(v[13]);
  r.hoard = v[14];
  r.hoardh = v[15];
  r.hoardm = I(v[16]);
  r.hoardk = v[17];
  r.usage = v[18];
  r.usagek = v[19];
  r.damrange = t.Trimmed(20);
  r.damage = t.Int(21);
  s.tables->WriteSpecies(s.otdel_key, s.pod, r);
}

void CompositeRow(tzemtable& t) {
  tsubrow s = StartSubRow(t);
  int number = t.Int(4);
  if (!NumberFits(s, number, 5)) return;
  std::array<double, 64> v = CheckedValues(t, s.row, s.rec.larea);
  if (!s.tables) return;
  tcompositionrow r;
  r.number = number;
  r.dv = I(v[5]);
  r.u = I(v[6]);
  r.b = I(v[7]);
  r.ar = v[8];
  r.shemal = t.Trimmed(9);
  s.tables->WriteComposition(s.otdel_key, s.pod, r);
}

// --- IMOTI

bool Between(const std::string& v, const char* low, const char* high) { return v >= low && v <= high; }

// The group digit of a parcel of VIDT 1 by its NTP, compared as text.
char NtpGroup(const std::string& ntp) {
  auto any = [&](std::initializer_list<std::pair<const char*, const char*>> ranges) {
    for (auto [low, high] : ranges)
      if (Between(ntp, low, high)) return true;
    return false;
  };
  if (any({{"1100", "1113"}, {"1119", "1119"}, {"1131", "1131"}, {"1139", "1142"}, {"1144", "1144"},
           {"1149", "1152"}}))
    return '1';
  if (any({{"1200", "1221"}, {"1223", "1239"}, {"1922", "1922"}})) return '2';
  if (any({{"1143", "1143"}, {"1145", "1145"}, {"1147", "1147"}, {"1300", "1321"}, {"1329", "1430"},
           {"1431", "1431"}, {"8600", "8600"}}))
    return '3';
  if (any({{"4000", "4415"}, {"4419", "4419"}, {"4712", "4712"}, {"4910", "4910"}, {"4919", "4919"},
           {"8500", "8500"}}))
    return '4';
  return '5';
}

void ImotiRow(tzemtable& t) {
  tzemreader& reader = t.Reader();
  int32_t ident = t.Int(1);
  tpodotdel* contour = reader.CadasterContours().Find(ident);
  if (!contour) {
    terrrec f;
    f.code = 202;
    f.table = kZemImoti;
    f.line = static_cast<int>(reader.LineNumber());
    f.pod = IntText(ident, 8);
    reader.AddFinding(f);
    return;
  }
  if (t.Int(4) != 0 || t.Int(3) == 0) return;
  // A contour a row has put into a compartment already stays where it is.
  if (contour->compartment) return;
  int64_t number = int64_t{t.Int(2)} * 1000 + t.Int(3);
  int vidt = t.Int(5);
  std::string otdel = vidt != 1 ? std::to_string(vidt) + "0000"
                                : std::string("1") + NtpGroup(t.Trimmed(6)) + "000";
  tafile& map = reader.Map();
  totdel* compartment = map.FindCompartment(otdel);
  if (!compartment) {
    compartment = map.NewCompartment(otdel);
    tunittables* tables = Tables(reader);
    tcompartmentrow o;
    o.vt = 2;
    if (tables) tables->ReadCompartment(otdel, o);
    o.vt = vidt;
    if (tables) tables->WriteCompartment(otdel, o);
  }
  std::string pod = std::to_string(number);
  contour->number = pod;
  contour->otdel = otdel;
  if (!compartment->FindContour(pod)) reader.CadasterContours().Attach(contour, *compartment);
}

}  // namespace

bool StartImoti(tzemtable& table) {
  tzemreader& reader = table.Reader();
  std::string code;
  if (!reader.Host().AskForestryCode(code) || code.empty()) {
    // "Таблица IMOTI не е прочетена: не е даден код на ДЛ"
    reader.Host().ShowMessage(
        "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 IMOTI \xED\xE5 \xE5 \xEF\xF0\xEE\xF7\xE5\xF2\xE5\xED\xE0: \xED\xE5 "
        "\xE5 \xE4\xE0\xE4\xE5\xED \xEA\xEE\xE4 \xED\xE0 \xC4\xCB");
    return false;
  }
  tafile& map = reader.Map();
  map.SetForestry(code, map.file_name, reader.TablesOpener(), reader.Host());
  return true;
}

void ProcessRow(tzemtable& table) {
  // The sub-compartment rows show their errors with their keys themselves.
  static constexpr const char* kPrefix[] = {"", "imoti ", "tu ", "", "", "dv ", "composite "};
  try {
    switch (table.Number()) {
      case kZemImoti: ImotiRow(table); break;
      case kZemSections: SectionRow(table); break;
      case kZemPodotdeli: PodotdeliRow(table); break;
      case kZemPodotdeli1: Podotdeli1Row(table); break;
      case kZemWoodtype: WoodtypeRow(table); break;
      case kZemComposite: CompositeRow(table); break;
      default: break;
    }
  } catch (const std::exception& e) {
    table.Reader().Host().ShowMessage(kPrefix[table.Number()] + std::string(e.what()));
  }
}

}  // namespace dornavik
