// The program's own map file (".A"): SaveMap writes version V5.59, LoadMap
// reads every version from V1.00 on. Map texts and values are held in the DOS
// code page and written byte for byte.
#pragma once

#include <string>
#include <vector>

#include "base/host.h"
#include "model/document.h"
#include "model/forestry.h"

namespace dornavik {

struct tsavereport {
  bool saved = false;
  // "Липсва страна в " and the contour's number (cp1251) for every side
  // left out because its line is not in the map; the caller shows them.
  std::vector<std::string> missing_sides;
};

// Saves the map under file_name. The previous file becomes the ".BAK" copy,
// and the new file replaces it only when it was written whole: a failed save
// leaves both the map file and its backup as they were. Failures are shown
// through host ("wrlines ", "save ", and " ioerror " on standard output).
// On success the map's file name becomes file_name.
tsavereport SaveMap(tafile& map, const std::string& file_name, thost& host);

// Loads the file into the map (meant for a fresh document; lines already in
// it are numbered -1 so that the file's sides cannot name them). A missing
// file loads nothing and gives false. A file that is truncated or garbled
// loads up to the place where it breaks. open_tables opens the project tables
// of the forestry unit the file names (none: only the code is set).
bool LoadMap(tafile& map, const std::string& file_name, tprogress& progress, thost& host,
             const tprojecttablesopener& open_tables = {});

}  // namespace dornavik
