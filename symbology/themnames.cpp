// The table "names" in the program folder: class names for old nomenclature files.
#include "base/errors.h"
#include "symbology/nomenclature.h"

namespace dornavik {

bool LoadNomenclature(const std::string& file_name, thost& host) {
  return LoadNomenclature(file_name, host, []() -> std::vector<tthemname> {
    throw terror("names");
  });
}

}  // namespace dornavik
