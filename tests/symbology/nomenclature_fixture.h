// Shared helpers of the nomenclature tests.
#pragma once

#include <string>
#include <vector>

#include "base/files.h"
#include "base/host.h"
#include "symbology/styles.h"

namespace dornavik {

// Keeps the messages shown.
class trecordinghost : public thost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress_; }
  std::vector<std::string> messages;

 private:
  tsilentprogress progress_;
};

inline std::string FixturePath(const std::string& name) {
  return std::string(DORNAVIK_TEST_DATA) + "/symbology/" + name;
}

inline std::string ReadFixture(const std::string& name) {
  std::string data;
  ReadWholeFile(FixturePath(name), data);
  return data;
}

// Defaults, then every entry made one that the writer leaves out, so that a
// small table set gives a small file.
inline void ResetToEmptyTables() {
  ResetNomenclature();
  tnomenclature& n = Nomenclature();
  for (auto& e : n.lines) e.name.clear();
  for (auto& e : n.texts) e.name.clear();
  for (auto& e : n.signs) e.symbol = ' ';
  for (auto& e : n.drobs) e.name.clear();
  for (auto& e : n.fills) e.name.clear();
}

// A file in a fresh temporary folder.
class ttempfile {
 public:
  // The file holds data; without data there is only the folder.
  ttempfile();
  explicit ttempfile(const std::string& data, const std::string& name = "test.nom");
  ~ttempfile();
  const std::string& Path() const { return path_; }
  std::string Folder() const { return folder_; }

 private:
  std::string folder_, path_;
};

}  // namespace dornavik
