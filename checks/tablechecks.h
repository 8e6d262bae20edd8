// The checks of the rows of the ZEM attribute tables: missing codes of the
// forestry unit, compartment and sub-compartment, sub-compartment numbers not
// written in Cyrillic, and the field-by-field checks of values against their
// ranges. A value a check rejects is replaced by 0 and stored as 0.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "checks/errtable.h"

namespace dornavik {

using tfindingsink = std::function<void(const terrrec&)>;

// What every finding of one row carries: the table number, the line of the
// ZEM file and, except for the sections, the row's compartment and
// sub-compartment keys.
struct trowcontext {
  tfindingsink findings;
  int table = 0;
  int line = 0;
  std::string otdel;    // OtdelKey
  std::string pod;      // PodKey
  bool starred = false;  // the sub-compartment number contains "*"

  void Add(int code, int nom = 0, int ipara = 0, double rpara = 0) const;
};

enum class tcheckkind {
  none,       // only "required", when set
  range,      // integer range min..max: 210, the value becomes 0
  ownership,  // the set 0..11 and 99: 210, the value becomes 0
  realrange,  // real range min..max: 213, the value becomes 0
};

struct tfieldrule {
  int nom;            // field number in the table's schema, from 1
  bool required;      // 221 when the value is 0 (unless the number has "*")
  tcheckkind kind;
  double min, max;
  bool read_real;     // the value is read as a real (else as an integer)
};

// The field rules of table 3 (PODOTDELI), 4, 5 and 6, in the order they are
// checked; empty for any other table.
std::span<const tfieldrule> FieldRules(int table);

// Checks one value by its rule and answers the value to store. max overrides
// the rule's upper bound when given (the documented area for COMPOSITE AREA).
double CheckField(const trowcontext& row, const tfieldrule& rule, double value);
double CheckField(const trowcontext& row, const tfieldrule& rule, double value, double max);

// 223 (nom 3) when the cp1251 number holds a character other than a blank,
// "*", a digit or a Cyrillic letter.
bool CheckCyrillicNumber(const trowcontext& row, const std::string& number);
// 207 for an empty trimmed DL, then 208 for a blank compartment key and 209
// for a blank sub-compartment key. True when 208 or 209 was found.
bool CheckRowKeys(const trowcontext& row, const std::string& dl);

// SECTIONS: 224 for COD 0, 225 for a negative COD, 214 for an empty DL.
void CheckSectionRow(const trowcontext& row, int cod, const std::string& dl);

}  // namespace dornavik
