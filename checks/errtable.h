// The error table: one row per finding of the ZEM reader and the checks, in a
// dBASE file "<ZEM name>er.DBF" beside the ZEM file.
#pragma once

#include <string>

#include "base/host.h"
#include "tables/dbfile.h"

namespace dornavik {

// One finding. Producers set only the fields their code uses; texts are cp1251
// and are cut to the column widths (5 and 8) when stored.
struct terrrec {
  int code = 0;
  std::string otdel;   // OtdelKey, or empty
  std::string pod;     // PodKey, or empty
  int line = 0;        // line of the ZEM file
  int table = 0;       // tzemtablenumber of a table finding
  int ipara = 0;
  double rpara = 0;
  int nom = 0;         // field number in the table's schema, from 1
  std::string otdel1;  // second compartment key, or a text parameter
  std::string pod1;    // second sub-compartment key, or a text parameter
};

// The error table's file name without extension: the ZEM file's folder and
// name followed by "er" ("/p/Gora.zem" gives "/p/Goraer").
std::string ErrorTableName(const std::string& zem_file_name);

class Terrdbfile : public tdbfile {
 public:
  // The table of name (see ErrorTableName), made when missing; call Open().
  Terrdbfile(thost& host, const std::string& name);

  // Appends the finding when the table is open; a failure to write is shown
  // as "error  " and its text, and the work goes on.
  void AppendFinding(const terrrec& finding);
  // Deletes every row of this code; the other rows keep their order.
  void DeleteFindings(int code);
  // The finding of the current row (all zero without one).
  terrrec ReadFinding() const;
};

}  // namespace dornavik
