#include "tables/dmnom.h"

#include "base/codepage.h"
#include "base/errors.h"
#include "base/text.h"

namespace dornavik {

namespace {

struct tnomcomponent {
  const char* file;   // design name without extension
  const char* index;
};

const tnomcomponent kComponents[] = {
    {"NBOG", "BOG"},         {"NCELZA", "CEL"},       {"NDENS", "DENSITY"},    {"NDEPTH", "DEPTH"},
    {"NDV", "DV"},           {"NEROZIA", "EROZIA"},   {"NETAJDV", "ETAJ"},     {"NGS", "GS"},
    {"NIZL", "IZL"},         {"NKAMEN", "KAMEN"},     {"NKLAS", "KLAS"},       {"NMEHSAST", "SASTAV"},
    {"NMESTO", "MESTORASTE"}, {"NOBLAST", "OBLAST"},  {"NOBS", "OBS"},         {"NOSS", "OSS"},
    {"NPASHA", "PASHA"},     {"NPO", "PO"},           {"NPOCHVA", "POCHVA"},   {"NPODPO", "PODPOAS"},
    {"NPODPOAS", "PODPOAS"}, {"NPOP", "OP"},          {"NPOVREDI", "POVREDI"}, {"NPPOD", "PODG"},
    {"NPRED", "PRED"},       {"NPROIZ", "PROIZ"},     {"NRDG", "RDG"},         {"NRELEF", "RELEF"},
    {"NSECH", "SECH"},       {"NSAST", "SAST"},       {"NSMES", "SMES"},       {"NSTCEL", "STCEL"},
    {"NSTROEJ", "STROEJ"},   {"NTL", "TL"},           {"NVG", "VG"},           {"NVIDERO", "EROZIA"},
    {"NVL", "VLAGA"},        {"NVO", "VO"},           {"NVP", "VP"},           {"NVS", "VS"},
    {"NVT", "VT"},           {"NZAPAS", "ZAPAS"},     {"NZEML", "EKNM"},
};

}  // namespace

T_dmNom::T_dmNom(thost& host, const std::string& folder) {
  for (const tnomcomponent& c : kComponents) {
    auto table = std::make_unique<tdbfile>(host, folder + c.file, std::vector<std::string>{c.index},
                                           std::vector<tdefrec>{}, tdbfmode::readonly);
    try {
      table->Open();
      if (!table->IsOpen()) host.ShowMessage(Utf8ToWindows("Грешка t") + c.file + Utf8ToWindows(" липсва ") + table->Path());
    } catch (const terror& e) {
      host.ShowMessage(Utf8ToWindows("Грешка t") + c.file + " " + e.what());
    }
    tables_[c.file] = std::move(table);
  }
}

tdbfile* T_dmNom::Table(const std::string& name) {
  std::string key = UpperWin(name);
  if (key.size() > 1 && key[0] == 'T' && key[1] == 'N') key.erase(0, 1);
  auto it = tables_.find(key);
  return it == tables_.end() ? nullptr : it->second.get();
}

std::string T_dmNom::Lookup(const std::string& table, const std::string& code, const std::string& result) {
  tdbfile* t = Table(table);
  if (!t || !t->FindKey({code})) return {};
  return t->Text(result);
}

std::string T_dmNom::SpeciesCodeText(double code) { return IntText(static_cast<long long>(code), 1); }

std::string T_dmNom::SettlementName(int ekatte) {
  tdbfile* t = Table("NZEML");
  if (!t || !t->FindKey({ZeroIntText(ekatte, 5)})) return {};
  return TrimLeading(t->RawText(t->FieldIndex("SELO"))) + TrimBoth(t->Text("IME"));
}

}  // namespace dornavik
