// How the failures of a dBASE engine map onto this layer. The program was
// written against an engine that answered three conditions with error numbers;
// here they are recognised from the file itself:
//  - "production index missing" (engine error 9997): header byte 28 is set, so
//    an engine would look for a .MDX file. No index file is kept here; the byte
//    is cleared and the table opened again.
//  - "table damaged" (engine error 10024): the header, field descriptors or
//    record count do not form a table (ReadDbfHeader). A table kind that can
//    create its file gets a new one, but only after the damaged file has been
//    renamed to "<name>.DBF.damaged" (or ".damaged2"...), so no data is lost;
//    any other kind reports the damage and leaves the file as it is.
//  - "rename target exists" (engine error 13057): the "up.dbf" name a
//    restructure renames the table to is taken; that file is deleted first.
// Everything else (a file that cannot be read, written or renamed) is raised as
// terror with the system's text and reaches the caller.
#include "tables/dbfile.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <climits>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/text.h"
#include "tables/dbfvalue.h"
#include "tables/shapelibio.h"

namespace dornavik {

namespace {

std::string W(const char* utf8) { return Utf8ToWindows(utf8); }

bool EndsWithDbf(const std::string& name) {
  return name.size() >= 4 && CompareTextWin(std::string_view(name).substr(name.size() - 4), ".dbf") == 0;
}

std::string TempPathFor(const std::string& path) { return path + ".new"; }

// Creates an empty table at path, through a temporary file, so that a failure
// never leaves a half-made table under the real name.
bool CreateTableFile(const std::string& path, const std::vector<tdbffield>& fields, std::string& error) {
  std::string temp = TempPathFor(path);
  DBFHandle h = CreateShapelibDbf(temp, fields, error);
  if (!h) return false;
  DBFClose(h);
  std::string close_error = TakeShapelibError();
  if (!close_error.empty() || std::rename(temp.c_str(), path.c_str()) != 0) {
    error = close_error.empty() ? std::strerror(errno) : close_error;
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::vector<tdbffield> DbfFields(const std::vector<tdefrec>& definitions) {
  std::vector<tdbffield> fields;
  for (const tdefrec& d : definitions)
    fields.push_back({UpperWin(d.name), d.type, d.width, d.type == 'N' ? d.decimals : 0});
  return fields;
}

tdbfile::tdbfile(thost& host, std::string file_name, std::vector<std::string> index_keys,
                 std::vector<tdefrec> definitions, tdbfmode mode)
    : host_(host),
      file_name_(std::move(file_name)),
      index_keys_(std::move(index_keys)),
      definitions_(std::move(definitions)),
      mode_(mode) {
  if (EndsWithDbf(file_name_)) file_name_.resize(file_name_.size() - 4);
  path_ = ResolveNoCase(file_name_ + ".DBF");
  if (mode_ == tdbfmode::readonly) return;
  // Index files of older versions of the program: their tags are rebuilt.
  bool any = false;
  for (size_t i = 1; i <= index_keys_.size(); ++i) {
    std::string ntx = ResolveNoCase(file_name_ + (i == 1 ? "" : std::to_string(i)) + ".ntx");
    if (FileFound(ntx)) {
      std::remove(ntx.c_str());
      any = true;
    }
  }
  if (any) DeleteIfFound(ResolveNoCase(file_name_ + ".mdx"));
}

tdbfile::~tdbfile() {
  try {
    Close();
  } catch (const std::exception& e) {
    host_.ShowMessage("dbfile.done " + std::string(e.what()) + " " + file_name_);
  }
}

void tdbfile::Fail(const std::string& what) const { throw terror(what + " " + path_); }

bool tdbfile::Create() {
  if (definitions_.empty()) return false;
  std::string error;
  if (!CreateTableFile(path_, DbfFields(definitions_), error)) {
    host_.ShowMessage(error + " " + path_);
    return false;
  }
  return true;
}

void tdbfile::KeepDamagedFile(const std::string& problem) {
  std::string kept = path_ + ".damaged";
  for (int n = 2; FileFound(kept); ++n) kept = path_ + ".damaged" + std::to_string(n);
  if (std::rename(path_.c_str(), kept.c_str()) != 0)
    Fail(W("Повредена таблица (") + problem + W("), която не може да бъде преименувана:"));
  host_.ShowMessage(W("Таблицата ") + path_ + W(" е повредена (") + problem + W("). Запазена е като ") +
                    kept + W(" и е създадена нова."));
}

void tdbfile::OpenFile() {
  Close();
  path_ = ResolveNoCase(file_name_ + ".DBF");
  bool writable = mode_ == tdbfmode::readwrite;
  if (!FileFound(path_)) {
    path_ = file_name_ + ".DBF";
    if (!writable || !Create()) return;
  }
  // Each pass either opens the table or repairs one thing; a repair that does
  // not take ends in an error on the next pass.
  for (int pass = 0; pass < 4; ++pass) {
    tdbfheader header;
    std::string problem;
    switch (ReadDbfHeader(path_, header, problem)) {
      case tdbfstate::unreadable:
        Fail(problem);
        break;
      case tdbfstate::damaged:
        if (!writable || definitions_.empty()) Fail(W("Повредена таблица (") + problem + "):");
        KeepDamagedFile(problem);
        if (!Create()) return;
        continue;
      case tdbfstate::good:
        break;
    }
    if (writable && header.index_flag != 0 && pass < 3) {
      if (PatchDbfByte(path_, kDbfIndexFlagByte, 0)) continue;
    }
    if (writable && header.language != kDbfLanguageBgdb868 && pass < 3) {
      DeleteIfFound(ResolveNoCase(file_name_ + ".MDX"));
      if (PatchDbfByte(path_, kDbfLanguageByte, kDbfLanguageBgdb868)) continue;
    }
    std::string error;
    handle_ = OpenShapelibDbf(path_, writable, error);
    if (!handle_) Fail(error);
    fields_ = header.fields;
    offsets_.clear();
    int offset = 1;
    for (const tdbffield& f : fields_) {
      offsets_.push_back(offset);
      offset += f.width;
    }
    return;
  }
}

void tdbfile::Open() {
  OpenFile();
  if (IsOpen() && restructure_on_count_ && FieldCount() != int(definitions_.size())) Restructure();
  if (!IsOpen()) return;
  BuildIndexes();
  SetIndex(0);
  First();
}

void tdbfile::Close() {
  indexes_.clear();
  recno_ = -1;
  current_index_ = -1;
  if (!handle_) return;
  TakeShapelibError();
  DBFClose(handle_);
  handle_ = nullptr;
  if (std::string error = TakeShapelibError(); !error.empty())
    host_.ShowMessage("dbfile.close " + error + " " + file_name_);
}

void tdbfile::Empty() {
  if (!IsOpen()) return;
  std::vector<tdbffield> fields = fields_;
  Close();
  std::string error;
  if (!CreateTableFile(path_, fields, error)) Fail(error);
  Open();
}

void tdbfile::Restructure() {
  if (definitions_.empty()) return;
  Close();
  tfilename parts = SplitFileName(path_);
  std::string renamed = parts.folder + parts.name.substr(0, 5) + "up.dbf";
  std::string taken = ResolveNoCase(renamed);
  if (FileFound(taken)) {  // what an engine answers with "rename target exists"
    std::remove(taken.c_str());
    DeleteIfFound(ResolveNoCase(parts.folder + parts.name.substr(0, 5) + "up.MDX"));
  }
  if (std::rename(path_.c_str(), renamed.c_str()) != 0) Fail(std::strerror(errno));
  if (!Create()) {
    std::rename(renamed.c_str(), path_.c_str());
    Fail(W("Таблицата не може да бъде създадена:"));
  }
  OpenFile();
  if (!IsOpen()) Fail(W("Таблицата не може да бъде отворена:"));
  // The old rows are copied column by column, matched by name. The old file is
  // deleted only when every row has been copied.
  try {
    tdbfile old(host_, renamed, {}, {}, tdbfmode::readonly);
    old.Open();
    std::vector<int> source(fields_.size(), -1);
    for (size_t i = 0; i < fields_.size(); ++i) source[i] = old.FieldIndex(fields_[i].name);
    for (bool row = old.First(); row; row = old.Next()) {
      Append();
      for (size_t i = 0; i < fields_.size(); ++i) {
        if (source[i] < 0) continue;
        if (fields_[i].type == 'C') {
          SetText(int(i), old.Text(source[i]));
        } else if (TrimBoth(old.RawText(source[i])).find('*') != std::string::npos) {
          WriteField(int(i), std::string(fields_[i].width, '*'));  // unknown stays unknown
        } else if (!TrimBoth(old.RawText(source[i])).empty()) {
          SetNumber(int(i), old.Number(source[i]));
        }
      }
    }
    Flush();
  } catch (const terror& e) {
    host_.ShowMessage(std::string(e.what()) + W(". Старите редове са запазени в ") + renamed);
    throw;
  }
  std::remove(renamed.c_str());
}

int tdbfile::FieldIndex(std::string_view name) const {
  std::string trimmed = TrimBoth(name);
  for (size_t i = 0; i < fields_.size(); ++i)
    if (CompareTextWin(fields_[i].name, trimmed) == 0) return int(i);
  return -1;
}

const char* tdbfile::Row(int recno) const {
  if (!handle_ || recno < 0 || recno >= DBFGetRecordCount(handle_)) return nullptr;
  return DBFReadTuple(handle_, recno);
}

bool tdbfile::Deleted(int recno) const {
  const char* row = Row(recno);
  return !row || row[0] == '*';
}

void tdbfile::BuildIndexes() {
  indexes_.clear();
  for (const std::string& expression : index_keys_) {
    tindex index;
    index.expression = expression;
    std::string rest = expression;
    while (!rest.empty()) {
      int f = FieldIndex(SplitAt(rest, '+'));
      if (f < 0) {  // an index over a missing field is left out, as the engine would
        index.fields.clear();
        break;
      }
      index.fields.push_back(f);
    }
    indexes_.push_back(std::move(index));
  }
  int n = DBFGetRecordCount(handle_);
  for (int r = 0; r < n; ++r) {
    if (Deleted(r)) continue;
    for (tindex& index : indexes_)
      if (!index.fields.empty()) index.entries.emplace(KeyOf(index, r), r);
  }
}

std::string tdbfile::KeyOf(const tindex& index, int recno) const {
  std::string key;
  const char* row = Row(recno);
  for (int f : index.fields) {
    if (row) key.append(row + offsets_[f], fields_[f].width);
  }
  return key;
}

std::string tdbfile::KeyPrefix(const tindex& index, const std::vector<std::string>& values) const {
  std::string key;
  for (size_t i = 0; i < values.size() && i < index.fields.size(); ++i) {
    const tdbffield& f = fields_[index.fields[i]];
    if (f.type == 'C') {
      key += PadRight(values[i].substr(0, std::min<size_t>(values[i].size(), f.width)), f.width);
    } else {
      std::string text;
      FormatDbfNumber(TextReal(values[i]), f.width, f.decimals, text);
      key += text;
    }
  }
  return key;
}

int tdbfile::RecordCount() const {
  if (!handle_) return 0;
  for (const tindex& index : indexes_)
    if (!index.fields.empty()) return int(index.entries.size());
  int n = 0, all = DBFGetRecordCount(handle_);
  for (int r = 0; r < all; ++r) n += !Deleted(r);
  return n;
}

void tdbfile::SetIndex(int index) {
  current_index_ = index >= 0 && index < IndexCount() && !indexes_[index].fields.empty() ? index : -1;
}

bool tdbfile::First() {
  recno_ = -1;
  if (!handle_) return false;
  if (current_index_ >= 0) {
    const auto& entries = indexes_[current_index_].entries;
    if (!entries.empty()) recno_ = entries.begin()->second;
  } else {
    int n = DBFGetRecordCount(handle_);
    for (int r = 0; r < n && recno_ < 0; ++r)
      if (!Deleted(r)) recno_ = r;
  }
  return recno_ >= 0;
}

bool tdbfile::Next() {
  if (!handle_ || recno_ < 0) return false;
  int from = recno_;
  recno_ = -1;
  if (current_index_ >= 0) {
    const tindex& index = indexes_[current_index_];
    auto it = index.entries.upper_bound({KeyOf(index, from), from});
    if (it != index.entries.end()) recno_ = it->second;
  } else {
    int n = DBFGetRecordCount(handle_);
    for (int r = from + 1; r < n && recno_ < 0; ++r)
      if (!Deleted(r)) recno_ = r;
  }
  return recno_ >= 0;
}

bool tdbfile::Go(int recno) {
  recno_ = handle_ && !Deleted(recno) ? recno : -1;
  return recno_ >= 0;
}

bool tdbfile::FindKey(const std::vector<std::string>& values) {
  if (current_index_ < 0) return false;
  std::vector<int> rows = FindAll(current_index_, values);
  recno_ = rows.empty() ? -1 : rows.front();
  return recno_ >= 0;
}

std::vector<int> tdbfile::FindAll(int index_number, const std::vector<std::string>& values) const {
  std::vector<int> rows;
  if (!handle_ || index_number < 0 || index_number >= IndexCount()) return rows;
  const tindex& index = indexes_[index_number];
  if (index.fields.empty()) return rows;
  std::string prefix = KeyPrefix(index, values);
  for (auto it = index.entries.lower_bound({prefix, -1});
       it != index.entries.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
    rows.push_back(it->second);
  return rows;
}

std::string tdbfile::RawText(int field) const {
  const char* row = HasRow() && field >= 0 && field < FieldCount() ? Row(recno_) : nullptr;
  return row ? std::string(row + offsets_[field], fields_[field].width) : std::string();
}

std::string tdbfile::Text(int field) const {
  std::string raw = RawText(field);
  return field >= 0 && field < FieldCount() && fields_[field].type == 'C' ? TrimTrailing(raw) : TrimBoth(raw);
}

double tdbfile::Number(int field) const { return ParseDbfNumber(TrimBoth(RawText(field))); }

int tdbfile::Integer(int field) const {
  double v = std::round(Number(field));
  return v >= INT_MAX ? INT_MAX : v <= INT_MIN ? INT_MIN : int(v);
}

void tdbfile::WriteField(int field, const std::string& text) {
  TakeShapelibError();
  std::vector<tindex*> touched;
  for (tindex& index : indexes_) {
    for (int f : index.fields) {
      if (f == field) {
        touched.push_back(&index);
        index.entries.erase({KeyOf(index, recno_), recno_});
        break;
      }
    }
  }
  bool ok = DBFWriteAttributeDirectly(handle_, recno_, field, const_cast<char*>(text.c_str()));
  for (tindex* index : touched) index->entries.emplace(KeyOf(*index, recno_), recno_);
  std::string error = TakeShapelibError();
  if (!ok || !error.empty()) Fail(W("Грешка при запис: ") + error);
}

bool tdbfile::SetText(int field, std::string_view text) {
  if (!HasRow() || field < 0 || field >= FieldCount()) return false;
  const tdbffield& f = fields_[field];
  if (f.type != 'C') return SetNumber(field, TextReal(text));
  std::string value(text.substr(0, std::min<size_t>(text.size(), f.width)));
  for (char& c : value)
    if (c == '\0') c = ' ';
  WriteField(field, value);
  return true;
}

bool tdbfile::SetNumber(int field, double value) {
  if (!HasRow() || field < 0 || field >= FieldCount()) return false;
  const tdbffield& f = fields_[field];
  if (f.type == 'C') return SetText(field, TrimBoth(RealText(value, 1, value == std::floor(value) ? 0 : 6)));
  std::string text;
  bool fits = FormatDbfNumber(value, f.width, f.decimals, text);
  WriteField(field, text);
  if (!fits) {
    host_.ShowMessage(W("Стойността ") + TrimBoth(RealText(value, 1, f.decimals)) + W(" не се побира в поле ") +
                      f.name + " (N " + std::to_string(f.width) + "." + std::to_string(f.decimals) + W(") на ") +
                      path_ + W("; записана е като ") + text);
  }
  return fits;
}

void tdbfile::Append() {
  if (!handle_) return;
  recno_ = DBFGetRecordCount(handle_);
  TakeShapelibError();
  bool ok = DBFWriteAttributeDirectly(handle_, recno_, 0, const_cast<char*>(""));
  std::string error = TakeShapelibError();
  if (!ok || !error.empty()) {
    recno_ = -1;
    Fail(W("Грешка при запис: ") + error);
  }
  for (tindex& index : indexes_)
    if (!index.fields.empty()) index.entries.emplace(KeyOf(index, recno_), recno_);
}

bool tdbfile::Delete() {
  if (!HasRow()) return false;
  for (tindex& index : indexes_) index.entries.erase({KeyOf(index, recno_), recno_});
  TakeShapelibError();
  bool ok = DBFMarkRecordDeleted(handle_, recno_, 1);
  std::string error = TakeShapelibError();
  if (!ok || !error.empty()) Fail(W("Грешка при запис: ") + error);
  return Next();
}

void tdbfile::Flush() {
  if (!handle_) return;
  TakeShapelibError();
  DBFUpdateHeader(handle_);
  if (std::string error = TakeShapelibError(); !error.empty()) Fail(W("Грешка при запис: ") + error);
}

}  // namespace dornavik
