// A host that keeps the messages shown to it, and a scratch folder per test.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/host.h"

namespace dornavik::testing {

class trecordinghost : public thost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(WindowsToUtf8(text)); }
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress_; }
  bool Said(const std::string& utf8_part) const {
    for (const std::string& m : messages)
      if (m.find(utf8_part) != std::string::npos) return true;
    return false;
  }
  std::vector<std::string> messages;  // UTF-8

 private:
  tsilentprogress progress_;
};

// A fresh empty folder, removed afterwards; Path() ends with "/".
class tscratchfolder {
 public:
  explicit tscratchfolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("dornavik-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~tscratchfolder() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

}  // namespace dornavik::testing
