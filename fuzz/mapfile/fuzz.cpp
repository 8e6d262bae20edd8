// libFuzzer target: any bytes as a map file. Loading must end without a crash,
// a leak or undefined behaviour, and what it loads must save again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/host.h"
#include "mapfile/mapfile.h"
#include "model/document.h"
#include "model/shared.h"

namespace {

class tquiethost : public dornavik::thost {
 public:
  void ShowMessage(const std::string&) override {}
  bool AskForestryCode(std::string&) override { return false; }
  dornavik::tprogress& Progress() override { return progress_; }

 private:
  dornavik::tsilentprogress progress_;
};

// On tmpfs where there is one, since every save syncs its file.
const std::string& Folder() {
  static const std::string folder = [] {
    for (const char* base : {"/dev/shm", "/tmp"}) {
      std::string pattern = std::string(base) + "/fuzz_mapfile.XXXXXX";
      if (mkdtemp(pattern.data())) return pattern + "/";
    }
    return std::string("./");
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Folder() + "GO.A";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  dornavik::ResetMapShared();
  tquiethost host;
  dornavik::tafile map;
  dornavik::LoadMap(map, path, host.Progress(), host);
  dornavik::SaveMap(map, Folder() + "OUT.A", host);
  return 0;
}
