// The nomenclature file "kora.nom": read in versions V1.00, V2.xx and V3.00,
// written in V3.00.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/host.h"
#include "symbology/styles.h"

namespace dornavik {

// The rows of the table "names", which old files take their class names from;
// throws terror when the table cannot be read.
using tthemnamesource = std::function<std::vector<tthemname>()>;

// Reads the named file (looked up in the program folder when it is not found as
// given) into the nomenclature of the run. Falls back to "kora.nom" in the
// program folder when the file cannot be opened; with neither the tables stay
// as they are. A malformed value ends the reading with a message through host:
// what was read before it stays, the rest keeps its values. Ends with
// SetNomenclatureScale(CurrentScale()). True when the named file itself was read.
bool LoadNomenclature(const std::string& file_name, thost& host, const tthemnamesource& names);
// As above with the table "names" of the program folder.
bool LoadNomenclature(const std::string& file_name, thost& host);

// The rows of the dBASE table "names" in folder (with its trailing "/").
std::vector<tthemname> ReadThematicNames(thost& host, const std::string& folder);

// The whole nomenclature in version V3.00 (cp1251, CR LF). Throws terror when
// the file cannot be written; any previous file is then left as it was.
void SaveNomenclature(const std::string& file_name);
// The text SaveNomenclature writes.
std::string NomenclatureText();

// "kora.nom" in the program folder.
std::string DefaultNomenclatureFile();

}  // namespace dornavik
