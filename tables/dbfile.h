// tdbfile: one dBASE table of the program (error table, project tables,
// nomenclature tables). Files are read and written through shapelib; their
// indexes are kept in memory, built from the key expressions when the table is
// opened, so no index file is written and the production-index flag stays 0.
// Texts are cp1251 bytes and are stored as they are (language driver 0x8E).
#pragma once

#include <shapefil.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/host.h"
#include "tables/dbfheader.h"

namespace dornavik {

// The definition of one column of a new table: 'C' text of width characters,
// or 'N' number of width characters with decimals.
struct tdefrec {
  const char* name;
  char type;
  int width;
  int decimals;
};

enum class tdbfmode { readwrite, readonly };

class tdbfile {
 public:
  // file_name: the full path without extension (a trailing ".dbf" is dropped);
  // the file is "<file_name>.DBF", found whatever the case of its name.
  // index_keys: key expressions (field names joined by "+"), the first is the
  // default. definitions: the columns of a new table; without them the table
  // cannot be created. Deletes the old index files of the table (see .cpp).
  tdbfile(thost& host, std::string file_name, std::vector<std::string> index_keys,
          std::vector<tdefrec> definitions = {}, tdbfmode mode = tdbfmode::readwrite);
  virtual ~tdbfile();
  tdbfile(const tdbfile&) = delete;
  tdbfile& operator=(const tdbfile&) = delete;

  // Opens the table with its repairs, creating it when missing. Throws terror
  // when the file cannot be read or written, or is damaged and cannot be
  // replaced; IsOpen() is false then.
  void Open();
  bool IsOpen() const { return handle_ != nullptr; }
  void Close();
  // Removes every row (close, empty, open).
  void Empty();
  // Creates the file from the definitions (answers false without them).
  bool Create();
  // Rebuilds the file with the definitions, keeping the values of the columns
  // the old and the new structure share by name.
  void Restructure();

  const std::string& FileName() const { return file_name_; }
  // The .DBF file as found on disk (or as it will be created).
  const std::string& Path() const { return path_; }

  // Structure of the open table.
  int FieldCount() const { return int(fields_.size()); }
  const tdbffield& Field(int i) const { return fields_[i]; }
  // -1 when there is no such field; names compare without regard to case.
  int FieldIndex(std::string_view name) const;

  // Rows. The cursor walks the current index in key order, or the file in
  // record order when the table has no index; deleted rows are skipped.
  int RecordCount() const;  // rows not deleted
  bool First();
  bool Next();
  bool HasRow() const { return IsOpen() && recno_ >= 0; }
  int Recno() const { return recno_; }
  bool Go(int recno);
  void SetIndex(int index);
  int IndexCount() const { return int(indexes_.size()); }

  // Puts the cursor on the first row of the current index whose key begins with
  // values (one text per key field given: texts as they are, numbers as digits).
  bool FindKey(const std::vector<std::string>& values);
  // Every row of index whose key begins with values, in key order.
  std::vector<int> FindAll(int index, const std::vector<std::string>& values) const;

  // Values of the current row. Text() drops trailing blanks; RawText() is the
  // field as stored. Out-of-range fields and missing rows read as empty / 0.
  std::string RawText(int field) const;
  std::string Text(int field) const;
  double Number(int field) const;
  int Integer(int field) const;
  std::string Text(std::string_view name) const { return Text(FieldIndex(name)); }
  double Number(std::string_view name) const { return Number(FieldIndex(name)); }
  int Integer(std::string_view name) const { return Integer(FieldIndex(name)); }

  // Writes into the current row. A text longer than its field is cut. A number
  // that does not fit is stored as asterisks, reported to the host, and
  // answered false. Throws terror when the file cannot be written.
  bool SetText(int field, std::string_view text);
  bool SetNumber(int field, double value);
  bool SetText(std::string_view name, std::string_view text) { return SetText(FieldIndex(name), text); }
  bool SetNumber(std::string_view name, double value) { return SetNumber(FieldIndex(name), value); }
  // A new blank row at the end, made current.
  void Append();
  // Deletes the current row; the cursor moves to the next one.
  bool Delete();
  // Writes the pending row and the header to the file.
  void Flush();
  // Open() restructures the table when its column count differs from the
  // definitions' (the sub-compartment table).
  void RestructureWhenColumnCountDiffers() { restructure_on_count_ = true; }

 protected:
  thost& host_;

 private:
  struct tindex {
    std::string expression;
    std::vector<int> fields;  // empty when the expression names a missing field
    std::set<std::pair<std::string, int>> entries;
  };

  void OpenFile();
  void KeepDamagedFile(const std::string& problem);
  void BuildIndexes();
  std::string KeyOf(const tindex& index, int recno) const;
  std::string KeyPrefix(const tindex& index, const std::vector<std::string>& values) const;
  void WriteField(int field, const std::string& text);
  const char* Row(int recno) const;
  bool Deleted(int recno) const;
  void Fail(const std::string& what) const;

  std::string file_name_;
  std::string path_;
  std::vector<std::string> index_keys_;
  std::vector<tdefrec> definitions_;
  tdbfmode mode_;
  bool restructure_on_count_ = false;

  DBFHandle handle_ = nullptr;
  std::vector<tdbffield> fields_;
  std::vector<int> offsets_;
  std::vector<tindex> indexes_;
  int current_index_ = -1;
  int recno_ = -1;
};

// The table's fields as definitions of a new file.
std::vector<tdbffield> DbfFields(const std::vector<tdefrec>& definitions);

}  // namespace dornavik
