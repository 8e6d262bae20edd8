// Files and folders: lookups that ignore the case of file names, the program
// folder, and writes that never leave a half-written file in place of a good one.
#pragma once

#include <string>
#include <string_view>

namespace dornavik {

// True when the path names any entry (file of any kind, or folder).
bool FileFound(const std::string& path);
// Deletes the file when it is found; a failure is not reported.
void DeleteIfFound(const std::string& path);

// The path of the entry in folder whose name equals name ignoring case (ASCII and
// cp1251 letters); folder + name when there is none, so a new file gets the
// spelling asked for.
std::string FindFileNoCase(const std::string& folder, std::string_view name);
// As FindFileNoCase for a whole path.
std::string ResolveNoCase(const std::string& path);

// $DORNAVIK_HOME when set, else the folder of the executable; with a trailing "/".
std::string ProgramFolder();
// Where the settings and the error log are written: the program folder when it
// is writable, else $XDG_CONFIG_HOME/dornavik/ (~/.config/dornavik/).
std::string WritableFolder();
// Forgets the cached folders (tests change DORNAVIK_HOME).
void ResetFolders();

// Writes data to a temporary file beside path and renames it over path. Returns
// false, leaving any previous file untouched, when any step fails; errno tells why.
bool WriteFileAtomically(const std::string& path, std::string_view data);

// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& data);

}  // namespace dornavik
