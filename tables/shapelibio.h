// Opening and creating dBASE files through shapelib at exactly the path given.
// shapelib builds its own file names (it lowers the extension of a new file and
// tries ".dbf" before ".DBF"); the hooks here make it use our path, and collect
// the messages it would print, so that failures reach the caller.
#pragma once

#include <shapefil.h>

#include <string>
#include <vector>

#include "tables/dbfheader.h"

namespace dornavik {

// Null on failure, with error set to shapelib's message.
DBFHandle OpenShapelibDbf(const std::string& path, bool writable, std::string& error);
// A new empty table with these fields and the language driver byte 0x8E.
DBFHandle CreateShapelibDbf(const std::string& path, const std::vector<tdbffield>& fields,
                            std::string& error);
// The messages shapelib reported since the last call, cleared.
std::string TakeShapelibError();

}  // namespace dornavik
