// A ZEM file written from UTF-8 text into a scratch folder in the DOS code
// page, read into a fresh map, with the findings and messages kept.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/host.h"
#include "checks/errtable.h"
#include "model/document.h"
#include "model/shared.h"
#include "symbology/styles.h"
#include "tables/projecttables.h"
#include "tables/zemschemas.h"
#include "zem/zemreader.h"

namespace dornavik::testing {

class tzemhost : public thost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(WindowsToUtf8(text)); }
  bool AskForestryCode(std::string& code) override {
    code = forestry_code;
    return !code.empty();
  }
  tprogress& Progress() override { return progress_; }
  std::vector<std::string> messages;  // UTF-8
  std::string forestry_code;

 private:
  tsilentprogress progress_;
};

class tscratch {
 public:
  explicit tscratch(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("dornavik-zem-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~tscratch() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// Writes bytes as they are.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// UTF-8 lines (separated by "\n") to CP866 with CR LF.
inline std::string ZemText(const std::string& utf8) {
  std::string out;
  size_t start = 0;
  while (start <= utf8.size()) {
    size_t end = utf8.find('\n', start);
    if (end == std::string::npos) end = utf8.size();
    out += Utf8ToOem(utf8.substr(start, end - start)) + "\r\n";
    start = end + 1;
  }
  return out;
}

// The F lines of a table's schema, leaving out the fields named in `omit`.
inline std::string FieldLines(int table, const std::vector<std::string>& omit = {}) {
  std::string s;
  for (const tmyfield& f : ZemSchema(table)) {
    bool skip = false;
    for (const std::string& o : omit) skip = skip || o == f.name;
    if (!skip)
      s += "F " + f.name + " " + f.type + " " + std::to_string(f.length) + " " + std::to_string(f.decimals) + "\n";
  }
  return s;
}

// A D line with the given values by field name (UTF-8), the others empty, in
// the order of the schema's fields.
inline std::string DataLine(int table, const std::vector<std::pair<std::string, std::string>>& values) {
  std::string s = "D ";
  const std::vector<tmyfield>& schema = ZemSchema(table);
  for (size_t i = 0; i < schema.size(); ++i) {
    if (i > 0) s += ",";
    for (const auto& [name, value] : values)
      if (name == schema[i].name) s += value;
  }
  return s + "\n";
}

// Resets the state of the run that a read changes.
struct tfreshrun {
  tfreshrun() {
    ResetMapShared();
    ResetNomenclature();
    ResetZemSchemas();
  }
  ~tfreshrun() {
    ResetMapShared();
    ResetNomenclature();
    ResetZemSchemas();
  }
};

class tzemrun {
 public:
  // With tables, the project tables are opened beside the map in the folder.
  explicit tzemrun(const std::string& name, bool tables = false) : folder(name) {
    map.file_name = folder.Path() + "map.A";
    if (tables) opener_ = ProjectTablesOpener(host);
  }
  tunittables* Tables() { return dynamic_cast<tunittables*>(map.forestry.tables.get()); }

  // Reads the file (bytes as given); the reader stays for inspection.
  void ReadBytes(const std::string& bytes) {
    WriteBytes(folder.Path() + "test.zem", bytes);
    reader = std::make_unique<tzemreader>(
        map, host, [this](const terrrec& f) { findings.push_back(f); }, opener_);
    if (nom_tables) reader->SetNomenclatureTables(nom_tables);
    ASSERT_TRUE(reader->Open(folder.Path() + "test.zem", &progress));
    reader->ReadAll();
  }
  void Read(const std::string& utf8) { ReadBytes(ZemText(utf8)); }

  std::vector<int> Codes() const {
    std::vector<int> c;
    for (const terrrec& f : findings) c.push_back(f.code);
    return c;
  }
  const terrrec* Finding(int code) const {
    for (const terrrec& f : findings)
      if (f.code == code) return &f;
    return nullptr;
  }
  int Count(int code) const {
    int n = 0;
    for (const terrrec& f : findings) n += f.code == code;
    return n;
  }
  size_t SignCount() const {
    size_t n = 0;
    for (int t = 0; t < kSignTypes; ++t) n += map.Signs(t).size();
    return n;
  }
  size_t LineCount() const {
    size_t n = 0;
    for (int t = 0; t < kLineTypes; ++t) n += map.Lines(t).size();
    return n;
  }

  tfreshrun fresh;
  tscratch folder;
  tzemhost host;
  tsilentprogress progress;
  tafile map;
  T_dmNom* nom_tables = nullptr;
  std::vector<terrrec> findings;
  std::unique_ptr<tzemreader> reader;  // declared after the map: it goes first

 private:
  tprojecttablesopener opener_;
};

}  // namespace dornavik::testing
