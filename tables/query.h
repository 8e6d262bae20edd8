// The statements the windows and reports run over a project's tables. The
// .DBF files a statement names (in single quotes, as 'rmdv.dbf') are loaded
// from the folder into an in-memory SQLite database under those names, text
// columns as TEXT without their trailing blanks, number columns with numeric
// affinity (blank numbers are NULL), deleted rows left out; then the statement
// runs. Values are cp1251 texts.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace dornavik {

// The statement with every table name in it ('name.dbf', in single quotes)
// replaced by rename(name); names is filled with the new names.
std::string StatementTables(const std::string& sql, std::vector<std::string>& names,
                            std::string (*rename)(const std::string& name, const std::string& context) = nullptr,
                            const std::string& context = {});

class tresultset {
 public:
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;  // SQL NULL reads as ""
  bool null_at(size_t row, size_t column) const { return nulls[row][column]; }

  // -1 when there is no such column (names compare without regard to case).
  int Column(const std::string& name) const;
  std::string Text(size_t row, const std::string& column) const;
  double Number(size_t row, const std::string& column) const;

  std::vector<std::vector<bool>> nulls;
};

class tquery {
 public:
  explicit tquery(std::string folder);
  ~tquery();
  tquery(const tquery&) = delete;
  tquery& operator=(const tquery&) = delete;

  const std::string& Folder() const { return folder_; }
  void SetFolder(std::string folder) { folder_ = std::move(folder); }
  // Runs one statement; throws terror with SQLite's or the table layer's text.
  tresultset Run(const std::string& sql);

 private:
  void Load(const std::string& file_name);
  std::string folder_;
  sqlite3* db_ = nullptr;
};

}  // namespace dornavik
