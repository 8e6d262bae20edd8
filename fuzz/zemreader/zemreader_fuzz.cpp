// Feeds arbitrary bytes to the ZEM reader as a file: it must never crash,
// hang or read out of bounds, whatever the input.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/host.h"
#include "model/document.h"
#include "model/shared.h"
#include "symbology/styles.h"
#include "tables/dmnom.h"
#include "zem/zemreader.h"

namespace {

using namespace dornavik;

class tquiethost : public thost {
 public:
  void ShowMessage(const std::string&) override {}
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress_; }

 private:
  tsilentprogress progress_;
};

std::string InputFile() { return "/tmp/dornavik-fuzz-" + std::to_string(::getpid()) + ".zem"; }

void GiveCodes() {
  // A few types with ZEM codes, so that valid codes take their own paths.
  Nomenclature().lines[5].zem_code = 10;
  Nomenclature().texts[4].zem_code = 20;
  Nomenclature().signs[30].zem_code = 542;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tquiethost host;
  // Settlement names from a folder without tables: every lookup misses.
  static T_dmNom names(host, "/nonexistent/");
  static const std::string file = InputFile();
  static bool once = (GiveCodes(), true);
  (void)once;

  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  ResetMapShared();
  tafile map;
  map.file_name = "/nonexistent/map.A";
  tsilentprogress progress;
  tzemreader reader(map, host, [](const terrrec&) {});
  reader.SetNomenclatureTables(&names);
  if (reader.Open(file, &progress)) reader.ReadAll();
  reader.ResolveParentReferences();
  return 0;
}
