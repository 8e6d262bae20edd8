// Prints a dBASE table: the field names, then one line per row that is not
// deleted, values tab-separated with their blank padding, in UTF-8.
#pragma once

#include <ostream>
#include <string>

namespace dornavik {

// Throws terror when the file is missing, unreadable or not a table.
void DumpTable(const std::string& path, std::ostream& out);

}  // namespace dornavik
