// The built-in schemas of the ZEM attribute tables: the fields the reader
// expects in each TABLE block, and the descriptions by which the error table's
// messages name them.
#pragma once

#include <string>
#include <vector>

namespace dornavik {

// Table numbers, as stored in the error table's "table" column.
enum tzemtablenumber : int {
  kZemImoti = 1,
  kZemSections = 2,
  kZemPodotdeli = 3,
  kZemPodotdeli1 = 4,
  kZemWoodtype = 5,
  kZemComposite = 6,
  kZemControl = 7,
};

struct tmyfield {
  std::string name;         // upper case
  char type = 'S';          // type letter as the ZEM file writes it
  int length = 0;
  int decimals = 0;
  std::string description;  // cp1251; empty when the field has none
};

// The schema of table 1..6 in field order (field number nom = index + 1); an
// empty list for any other number.
const std::vector<tmyfield>& ZemSchema(int table);

// Files of version 210 widen PODOTDELI's OTDEL to 4, PODOTDEL to 5 and VIDPOD
// to 3; once set this holds for the rest of the run.
void UseVersion210Widths();
// Back to the built-in widths (tests).
void ResetZemSchemas();

// The name of field nom of a table in messages: its description, else its
// name; empty when there is no such field.
std::string ZemFieldTitle(int table, int nom);

}  // namespace dornavik
