#include "base/host.h"

#include <cstdio>

#include "base/codepage.h"

namespace dornavik {

void tconsolehost::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "%s\n", WindowsToUtf8(text).c_str());
}

bool tconsolehost::AskForestryCode(std::string& code) {
  if (forestry_code_.empty()) return false;
  code = forestry_code_;
  return true;
}

}  // namespace dornavik
