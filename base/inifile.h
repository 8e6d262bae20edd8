// An initialisation file in memory: "[section]" headers and "key=value" lines.
// Section and key names compare ignoring case (cp1251 letters included); values
// are byte strings. Comments and other lines are kept in place, so a file read
// and written again loses nothing. Written with CR LF, atomically.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dornavik {

class tinifile {
 public:
  // Replaces the contents with the file's; false (contents empty) when it cannot
  // be read. Lines may end with CR LF or LF.
  bool Load(const std::string& path);
  // False (and the io result set, for CheckIo) when the file cannot be written;
  // a previous file is then left as it was.
  bool Save(const std::string& path) const;
  void Parse(std::string_view text);
  std::string Text() const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The keys of the section in file order.
  std::vector<std::string> Keys(std::string_view section) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Decimal, or "$" and hexadecimal digits; anything else gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // A point as decimal sign; a comma is read too, as files from Windows
  // installations with a Bulgarian locale write it.
  double ReadReal(std::string_view section, std::string_view key, double fallback) const;
  // An integer: 0 is false, anything else true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, long long value);
  // The shortest text that reads back as the same number, with a point.
  void WriteReal(std::string_view section, std::string_view key, double value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);

 private:
  struct tline {
    std::string key;    // empty for a line that is not a value
    std::string value;  // the value, or the whole line as read
  };
  struct tsection {
    std::string name;
    bool header = true;  // false for the lines before the first section
    std::vector<tline> lines;
  };
  const tsection* Find(std::string_view section) const;
  const tline* Find(std::string_view section, std::string_view key) const;

  std::vector<tsection> sections_;
};

}  // namespace dornavik
