#include "tables/query.h"

#include <sqlite3.h>


#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/host.h"
#include "base/text.h"
#include "tables/dbfile.h"
#include "tables/dbfvalue.h"

namespace dornavik {

namespace {

std::string Quoted(const std::string& name) {
  std::string q = "\"";
  for (char c : name) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

struct tstatement {
  sqlite3_stmt* s = nullptr;
  ~tstatement() { sqlite3_finalize(s); }
};

}  // namespace

std::string StatementTables(const std::string& sql, std::vector<std::string>& names,
                            std::string (*rename)(const std::string&, const std::string&),
                            const std::string& context) {
  std::string out;
  size_t pos = 0;
  while (pos < sql.size()) {
    size_t open = sql.find('\'', pos);
    size_t close = open == std::string::npos ? open : sql.find('\'', open + 1);
    if (close == std::string::npos) break;
    std::string literal = sql.substr(open + 1, close - open - 1);
    bool table = literal.size() > 4 && CompareTextWin(literal.substr(literal.size() - 4), ".dbf") == 0;
    if (table) {
      if (rename) literal = rename(literal, context);
      names.push_back(literal);
    }
    out += sql.substr(pos, open + 1 - pos) + literal + "'";
    pos = close + 1;
  }
  return out + sql.substr(pos < sql.size() ? pos : sql.size());
}

int tresultset::Column(const std::string& name) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (CompareTextWin(columns[i], name) == 0) return int(i);
  return -1;
}

std::string tresultset::Text(size_t row, const std::string& column) const {
  int c = Column(column);
  return c < 0 || row >= rows.size() ? std::string() : rows[row][c];
}

double tresultset::Number(size_t row, const std::string& column) const {
  return ParseDbfNumber(Text(row, column));
}

tquery::tquery(std::string folder) : folder_(std::move(folder)) {
  if (sqlite3_open(":memory:", &db_) != SQLITE_OK) throw terror("sqlite: " + std::string(sqlite3_errmsg(db_)));
}

tquery::~tquery() { sqlite3_close(db_); }

void tquery::Load(const std::string& file_name) {
  std::string table_name = LowerWin(file_name);
  tconsolehost host;
  tdbfile table(host, FindFileNoCase(folder_, file_name), {}, {}, tdbfmode::readonly);
  table.Open();
  if (!table.IsOpen()) throw terror(Utf8ToWindows("Липсва таблица ") + folder_ + file_name);
  std::string create = "DROP TABLE IF EXISTS " + Quoted(table_name) + "; CREATE TABLE " + Quoted(table_name) + "(";
  std::string insert = "INSERT INTO " + Quoted(table_name) + " VALUES(";
  for (int i = 0; i < table.FieldCount(); ++i) {
    const tdbffield& f = table.Field(i);
    bool number = f.type == 'N' || f.type == 'F';
    create += (i ? ", " : "") + Quoted(f.name) + (number ? (f.decimals ? " REAL" : " INTEGER") : " TEXT");
    insert += i ? ", ?" : "?";
  }
  create += ");";
  insert += ")";
  char* error = nullptr;
  if (sqlite3_exec(db_, create.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string text = error ? error : "";
    sqlite3_free(error);
    throw terror("sqlite: " + text);
  }
  tstatement st;
  sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
  if (sqlite3_prepare_v2(db_, insert.c_str(), -1, &st.s, nullptr) != SQLITE_OK)
    throw terror("sqlite: " + std::string(sqlite3_errmsg(db_)));
  for (bool row = table.First(); row; row = table.Next()) {
    for (int i = 0; i < table.FieldCount(); ++i) {
      const tdbffield& f = table.Field(i);
      std::string value = table.Text(i);
      if (f.type == 'C' || f.type == 'L' || f.type == 'D' || f.type == 'M') {
        sqlite3_bind_text(st.s, i + 1, value.c_str(), int(value.size()), SQLITE_TRANSIENT);
      } else if (value.empty() || value.find('*') != std::string::npos) {
        sqlite3_bind_null(st.s, i + 1);
      } else if (f.decimals == 0) {
        sqlite3_bind_int64(st.s, i + 1, static_cast<sqlite3_int64>(ParseDbfNumber(value)));
      } else {
        sqlite3_bind_double(st.s, i + 1, ParseDbfNumber(value));
      }
    }
    sqlite3_step(st.s);
    sqlite3_reset(st.s);
  }
  sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
}

tresultset tquery::Run(const std::string& sql) {
  // Every table is read afresh, so the result reflects the files as they are now.
  std::vector<std::string> names;
  StatementTables(sql, names);
  for (const std::string& name : names) Load(name);
  tstatement st;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st.s, nullptr) != SQLITE_OK)
    throw terror("sql: " + std::string(sqlite3_errmsg(db_)));
  tresultset result;
  for (int i = 0; i < sqlite3_column_count(st.s); ++i) result.columns.push_back(sqlite3_column_name(st.s, i));
  int rc;
  while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
    std::vector<std::string> row;
    std::vector<bool> nulls;
    for (int i = 0; i < sqlite3_column_count(st.s); ++i) {
      const unsigned char* text = sqlite3_column_text(st.s, i);
      nulls.push_back(text == nullptr);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "", text ? sqlite3_column_bytes(st.s, i) : 0);
    }
    result.rows.push_back(std::move(row));
    result.nulls.push_back(std::move(nulls));
  }
  if (rc != SQLITE_DONE) throw terror("sql: " + std::string(sqlite3_errmsg(db_)));
  return result;
}

}  // namespace dornavik
