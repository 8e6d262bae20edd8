// The TABLE blocks of a ZEM file: the declared fields (F lines), their
// matching against the built-in schema, and the data rows (D lines), each
// handed to the row processing of its table (zemrows.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tables/zemschemas.h"

namespace dornavik {

class tzemreader;
class tcontourregister;

// One F line.
struct tzemfield {
  std::string name;  // upper case
  char type = ' ';
  int length = 0;
  int decimals = 0;
  std::string value;  // of the current row, cp1251
  long line = 0;      // of the F line
};

class tzemtable {
 public:
  tzemtable(tzemreader& reader, int number, long table_line);

  // Reads the table's lines up to its END_TABLE (or the end of the file).
  void Read();

  int Number() const { return number_; }
  long TableLine() const { return table_line_; }
  tzemreader& Reader() { return reader_; }

  // Values of the current row through the matched field of schema field nom
  // (from 1): a "C" field is a quoted text, any other as it stands; a field
  // missing from the table reads as one blank.
  std::string Text(int nom) const;
  // Text trimmed of blanks.
  std::string Trimmed(int nom) const;
  int32_t Int(int nom) const;
  double Real(int nom) const;

 private:
  void DefineField();
  void MatchFields();
  void ReadRow();
  const tzemfield& Matched(int nom) const;

  tzemreader& reader_;
  int number_;
  long table_line_;
  const std::vector<tmyfield>& schema_;
  std::vector<tzemfield> declared_;
  std::vector<int> matched_;  // declared field of each schema field, -1 = DUMMY
  bool rows_started_ = false;
};

// Reads the table block whose TABLE line names `name` (the line is current).
void ReadZemTable(tzemreader& reader, const std::string& name);

// Row processing of each table (zemrows.cpp); the IMOTI table also asks for
// its forestry code before its first row (false: the table is not read).
bool StartImoti(tzemtable& table);
void ProcessRow(tzemtable& table);

}  // namespace dornavik
