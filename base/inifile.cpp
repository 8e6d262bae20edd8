#include "base/inifile.h"

#include <charconv>
#include <iterator>

#include "base/files.h"
#include "base/text.h"
#include "base/textfile.h"

namespace dornavik {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool SameName(std::string_view a, std::string_view b) { return CompareTextWin(a, b) == 0; }

}  // namespace

bool tinifile::Load(const std::string& path) {
  sections_.clear();
  std::string data;
  if (!ReadWholeFile(path, data)) return false;
  Parse(data);
  return true;
}

bool tinifile::Save(const std::string& path) const {
  ttextwriter writer;
  writer.Write(Text());
  return writer.Commit(path);
}

void tinifile::Parse(std::string_view text) {
  sections_.clear();
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const std::string_view trimmed = Trimmed(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      // A header without its "]" names the section up to the end of the line.
      const std::string_view name = trimmed.substr(1, trimmed.find(']') - 1);
      sections_.push_back({std::string(Trimmed(name)), true, {}});
      continue;
    }
    if (sections_.empty()) sections_.push_back({"", false, {}});
    const size_t equals = trimmed.find('=');
    const bool value = equals != std::string_view::npos && trimmed.front() != ';' &&
                       !Trimmed(trimmed.substr(0, equals)).empty();
    if (value)
      sections_.back().lines.push_back({std::string(Trimmed(trimmed.substr(0, equals))),
                                        std::string(Trimmed(trimmed.substr(equals + 1)))});
    else
      sections_.back().lines.push_back({"", std::string(line)});
  }
}

std::string tinifile::Text() const {
  std::string text;
  for (const tsection& s : sections_) {
    if (s.header) text += "[" + s.name + "]\r\n";
    for (const tline& l : s.lines) text += (l.key.empty() ? l.value : l.key + "=" + l.value) + "\r\n";
  }
  return text;
}

const tinifile::tsection* tinifile::Find(std::string_view section) const {
  for (const tsection& s : sections_)
    if (s.header && SameName(s.name, section)) return &s;
  return nullptr;
}

const tinifile::tline* tinifile::Find(std::string_view section, std::string_view key) const {
  const tsection* s = Find(section);
  if (s == nullptr) return nullptr;
  for (const tline& l : s->lines)
    if (!l.key.empty() && SameName(l.key, key)) return &l;
  return nullptr;
}

bool tinifile::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

bool tinifile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> tinifile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const tsection* s = Find(section))
    for (const tline& l : s->lines)
      if (!l.key.empty()) keys.push_back(l.key);
  return keys;
}

std::string tinifile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  const tline* l = Find(section, key);
  return std::string(l != nullptr ? std::string_view(l->value) : fallback);
}

int tinifile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const tline* l = Find(section, key);
  if (l == nullptr || l->value.empty()) return fallback;
  std::string_view text = l->value;
  int base = 10;
  if (text.front() == '$') {
    text.remove_prefix(1);
    base = 16;
  } else if (text.front() == '+') {
    text.remove_prefix(1);
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return fallback;
  return value;
}

double tinifile::ReadReal(std::string_view section, std::string_view key, double fallback) const {
  const tline* l = Find(section, key);
  if (l == nullptr) return fallback;
  std::string text = l->value;
  if (text.find('.') == std::string::npos)
    if (const size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return fallback;
  return value;
}

bool tinifile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void tinifile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A value is one line: line ends inside it would make new lines of the file.
  std::string line(Trimmed(value));
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  if (const tline* found = Find(section, key)) {
    const_cast<tline*>(found)->value = line;
    return;
  }
  tsection* s = const_cast<tsection*>(Find(section));
  if (s == nullptr) s = &sections_.emplace_back(tsection{std::string(section), true, {}});
  // New keys go after the last value, before trailing blank lines and comments.
  auto at = s->lines.end();
  while (at != s->lines.begin() && std::prev(at)->key.empty()) --at;
  s->lines.insert(at, {std::string(key), line});
}

void tinifile::WriteInteger(std::string_view section, std::string_view key, long long value) {
  WriteString(section, key, std::to_string(value));
}

void tinifile::WriteReal(std::string_view section, std::string_view key, double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  WriteString(section, key, std::string_view(text, result.ptr - text));
}

void tinifile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void tinifile::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const tsection& s) { return s.header && SameName(s.name, section); });
}

}  // namespace dornavik
