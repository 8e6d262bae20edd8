#include "tables/nomtables.h"

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/text.h"
#include "base/textfile.h"
#include "tables/dbfile.h"

namespace dornavik {

const std::vector<ttabdef>& NomenclatureTables() {
  static const std::vector<ttabdef> tables = {
      {"nbog", {"NAME", "BOG"}},         {"ncelza", {"CEL", "NAME"}},     {"ndepth", {"DEPTH", "NAME"}},
      {"ndens", {"DENSITY", "NAME"}},    {"ndv", {"DV", "NAME"}},         {"nerozia", {"EROZIA", "NAME"}},
      {"netajdv", {"ETAJ", "NAME"}},     {"ngs", {"GS", "IME"}},          {"nizl", {"IZL", "NAME"}},
      {"nkamen", {"KAMEN", "NAME"}},     {"nklas", {"KLAS", "NAME"}},     {"nmehsast", {"SASTAV", "NAME"}},
      {"nmesto", {"MESTORASTE", "NAME"}}, {"noblast", {"OBLAST", "NAME"}}, {"nobs", {"OBS", "IME"}},
      {"noss", {"OSS", "NAME"}},         {"npasha", {"PASHA", "NAME"}},   {"npo", {"PO", "NAME"}},
      {"npochva", {"POCHVA", "NAME"}},   {"npodpo", {"PODPOAS", "NAME"}}, {"npodpoas", {"PODPOAS"}},
      {"npop", {"OP", "NAME"}},          {"npovredi", {"POVREDI", "NAME", "CKOD"}},
      {"nppod", {"NAME", "PODG"}},       {"npred", {"PRED", "NAME"}},     {"nproiz", {"PROIZ", "NAME"}},
      {"nrdg", {"RDG", "IME"}},          {"nrelef", {"RELEF", "NAME"}},   {"nsech", {"SECH", "NAME"}},
      {"nsast", {"SAST", "NAME"}},       {"nsmes", {"SMES", "NAME"}},     {"nstcel", {"STCEL", "NAME"}},
      {"nstroej", {"STROEJ", "NAME"}},   {"ntl", {"TL"}},                 {"nvg", {"VG", "NAME"}},
      {"nvidero", {"EROZIA", "NAME"}},   {"nvl", {"VLAGA", "NAME"}},      {"nvo", {"VO", "NAME"}},
      {"nvp", {"VP", "NAME"}},           {"nvs", {"VS", "NAME"}},         {"nvt", {"VT", "NAME"}},
      {"nzapas", {"ZAPAS", "NAME"}},     {"nzeml", {"EKNM", "IME"}},
  };
  return tables;
}

void RepairNomenclatureTables(thost& host, const std::string& folder) {
  for (const ttabdef& def : NomenclatureTables()) {
    try {
      tdbfile table(host, folder + def.name, def.keys);
      table.Open();
    } catch (const terror& e) {
      host.ShowMessage(e.what());
    }
  }
}

namespace {

std::vector<std::string> Split(std::string line) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
    parts.push_back(line.substr(start, bar - start));
  parts.push_back(line.substr(start));
  return parts;
}

}  // namespace

void BuildNomenclatureTable(thost& host, const std::string& source, const std::string& folder) {
  std::string data;
  if (!ReadWholeFile(source, data)) throw terror(Utf8ToWindows("Не може да се прочете ") + source);
  std::vector<std::string> lines;
  for (size_t start = 0; start < data.size();) {
    size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    std::string line = data.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  auto fail = [&](size_t n, const char* what) {
    throw terror(source + ":" + std::to_string(n + 1) + ": " + Utf8ToWindows(what));
  };
  size_t n = 0;
  if (n < lines.size() && lines[n].starts_with("#")) ++n;
  if (n >= lines.size()) fail(n, "липсва заглавен ред");
  std::vector<std::string> names;
  std::vector<tdefrec> columns;
  for (const std::string& column : Split(lines[n])) {
    std::string rest = TrimBoth(column);
    std::string name = SplitAt(rest, ' ');
    std::string type = SplitAt(rest, ' ');
    int width = TextInt(SplitAt(rest, ' '));
    int decimals = TextInt(rest);
    if (name.empty() || name.size() > 10 || (type != "C" && type != "N") || width < 1 || width > 254 ||
        decimals < 0 || decimals >= width)
      fail(n, "грешно описание на колона");
    names.push_back(name);
    columns.push_back({nullptr, type[0], width, decimals});
  }
  for (size_t i = 0; i < columns.size(); ++i) columns[i].name = names[i].c_str();

  std::string base = folder + UpperWin(SplitFileName(source).name);
  std::string path = base + ".DBF";
  DeleteIfFound(ResolveNoCase(path));
  tdbfile table(host, base, {}, columns);
  table.Open();
  if (!table.IsOpen()) fail(n, "таблицата не може да бъде създадена");
  for (++n; n < lines.size(); ++n) {
    if (TrimBoth(lines[n]).empty()) continue;
    std::vector<std::string> values = Split(Utf8ToWindows(lines[n]));
    if (values.size() != columns.size()) fail(n, "броят на стойностите не отговаря на колоните");
    table.Append();
    for (size_t i = 0; i < values.size(); ++i) {
      if (columns[i].type == 'C' ? values[i].size() > size_t(columns[i].width) : !table.SetNumber(int(i), TextReal(values[i])))
        fail(n, "стойността не се побира в колоната си");
      if (columns[i].type == 'C') table.SetText(int(i), values[i]);
    }
  }
  table.Flush();
}

}  // namespace dornavik
