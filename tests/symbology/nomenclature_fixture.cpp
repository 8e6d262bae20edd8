#include "nomenclature_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace dornavik {

ttempfile::ttempfile() {
  char pattern[] = "/tmp/dornavik-nom-XXXXXX";
  folder_ = std::string(mkdtemp(pattern)) + "/";
}

ttempfile::ttempfile(const std::string& data, const std::string& name) : ttempfile() {
  path_ = folder_ + name;
  std::ofstream(path_, std::ios::binary) << data;
}

ttempfile::~ttempfile() { std::filesystem::remove_all(folder_); }

}  // namespace dornavik
