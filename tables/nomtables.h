// The 43 nomenclature tables beside the program: the names of every code of
// the project tables. Their rows ship with the program, written from the text
// sources under data/nomtables/ at build time.
#pragma once

#include <string>
#include <vector>

#include "base/host.h"

namespace dornavik {

struct ttabdef {
  const char* name;                  // file name without extension, lower case
  std::vector<std::string> keys;     // up to three index keys, the first the default
};

const std::vector<ttabdef>& NomenclatureTables();

// The start-up repair: opens each table in folder once, so that its header
// bytes are put right; failures are shown and the next table is taken.
void RepairNomenclatureTables(thost& host, const std::string& folder);

// Writes "<folder><NAME>.DBF" from a text source: an optional "#" comment
// line, a header line "NAME TYPE WIDTH [DECIMALS]|..." and one row per line,
// values separated by "|" (UTF-8; stored cp1251). Throws terror with the line
// number when the source does not fit its header.
void BuildNomenclatureTable(thost& host, const std::string& source, const std::string& folder);

}  // namespace dornavik
