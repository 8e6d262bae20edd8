#include "zem/zemtable.h"

#include <cctype>

#include "base/codepage.h"
#include "base/text.h"
#include "zem/zemreader.h"

namespace dornavik {

namespace {

const tzemfield& Dummy() {
  static const tzemfield dummy{"DUMMY", 'S', 10, 0, " ", 0};
  return dummy;
}

struct ttablename {
  const char* name;
  int number;
};
constexpr ttablename kTables[] = {{"IMOTI", kZemImoti},           {"SECTIONS", kZemSections},
                                  {"PODOTDELI", kZemPodotdeli},   {"PODOTDELI1", kZemPodotdeli1},
                                  {"WOODTYPE", kZemWoodtype},     {"COMPOSITE", kZemComposite}};

std::string AsciiUpper(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

void SkipToEndTable(tzemreader& reader) {
  while (reader.NextLine())
    if (reader.Line().Token() == "END_TABLE") return;
}

void TableFinding(tzemreader& reader, int code, int table, long line, int nom = 0) {
  terrrec f;
  f.code = code;
  f.table = table;
  f.line = static_cast<int>(line);
  f.nom = nom;
  reader.AddFinding(f);
}

}  // namespace

tzemtable::tzemtable(tzemreader& reader, int number, long table_line)
    : reader_(reader), number_(number), table_line_(table_line), schema_(ZemSchema(number)) {}

void tzemtable::Read() {
  while (reader_.NextLine()) {
    tzemline& line = reader_.Line();
    std::string_view keyword = line.Token();
    if (keyword == "END_TABLE") return;
    if (keyword == "F") {
      if (rows_started_)
        TableFinding(reader_, 205, number_, table_line_);
      else
        DefineField();
    } else if (keyword == "D") {
      if (!rows_started_) {
        MatchFields();
        rows_started_ = true;
      }
      ReadRow();
    } else if (keyword == "TABLE") {
      TableFinding(reader_, 215, number_, reader_.LineNumber());
      SkipToEndTable(reader_);
      return;
    } else if (!keyword.empty()) {
      TableFinding(reader_, 206, number_, reader_.LineNumber());
    }
  }
}

void tzemtable::DefineField() {
  tzemline& line = reader_.Line();
  tzemfield f;
  f.name = AsciiUpper(line.Token());
  std::string_view type = line.Token();
  f.type = type.empty() ? ' ' : type.front();
  f.length = ZemInt(line.Token());
  f.decimals = ZemInt(line.Token());
  f.line = reader_.LineNumber();
  declared_.push_back(std::move(f));
}

void tzemtable::MatchFields() {
  matched_.assign(schema_.size(), -1);
  for (size_t i = 0; i < schema_.size(); ++i) {
    for (size_t j = 0; j < declared_.size(); ++j) {
      if (declared_[j].name == schema_[i].name) {
        matched_[i] = static_cast<int>(j);
        break;
      }
    }
  }
  for (size_t i = 0; i < schema_.size(); ++i) {
    int nom = static_cast<int>(i) + 1;
    if (matched_[i] < 0) {
      TableFinding(reader_, 201, number_, table_line_, nom);
      continue;
    }
    const tzemfield& f = declared_[matched_[i]];
    if (f.type != schema_[i].type) TableFinding(reader_, 202, number_, f.line, nom);
    if (f.length != schema_[i].length) TableFinding(reader_, 203, number_, f.line, nom);
    if (f.decimals != schema_[i].decimals) TableFinding(reader_, 204, number_, f.line, nom);
  }
}

void tzemtable::ReadRow() {
  std::string values = OemToWindows(reader_.Line().Rest());
  std::string_view rest = values;
  for (tzemfield& f : declared_) f.value = std::string(TakeToken(rest, ','));
  ProcessRow(*this);
}

const tzemfield& tzemtable::Matched(int nom) const {
  if (nom < 1 || nom > static_cast<int>(matched_.size()) || matched_[nom - 1] < 0) return Dummy();
  return declared_[matched_[nom - 1]];
}

std::string tzemtable::Text(int nom) const {
  const tzemfield& f = Matched(nom);
  return f.type == 'C' ? ZemQuotedText(f.value) : f.value;
}

std::string tzemtable::Trimmed(int nom) const { return TrimBoth(Text(nom)); }
int32_t tzemtable::Int(int nom) const { return ZemInt(Text(nom)); }
double tzemtable::Real(int nom) const { return ZemReal(Text(nom)); }

void ReadZemTable(tzemreader& reader, const std::string& name) {
  if (tprogress* p = reader.Progress()) p->SetLabel1("\xD2\xE0\xE1\xEB\xE8\xF6\xE0 " + OemToWindows(name));  // "Таблица "
  int number = 0;
  for (const ttablename& t : kTables)
    if (name == t.name) number = t.number;
  if (number == 0) {
    TableFinding(reader, 13, 0, reader.LineNumber());
    SkipToEndTable(reader);
    return;
  }
  if (number == kZemPodotdeli && reader.Version() == 210) UseVersion210Widths();
  tzemtable table(reader, number, reader.LineNumber());
  if (number == kZemImoti && !StartImoti(table)) {
    SkipToEndTable(reader);
    return;
  }
  table.Read();
}

}  // namespace dornavik
