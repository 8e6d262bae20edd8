#include "tables/dbfheader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/codepage.h"

namespace dornavik {

namespace {

constexpr int kFileHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr uint8_t kDescriptorEnd = 0x0D;

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
int Le16(const uint8_t* p) { return p[0] | p[1] << 8; }

tdbfstate Damaged(std::string& problem, const char* utf8) {
  problem = Utf8ToWindows(utf8);
  return tdbfstate::damaged;
}

}  // namespace

tdbfstate ReadDbfHeader(const std::string& path, tdbfheader& header, std::string& problem) {
  header = {};
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    problem = Utf8ToWindows("файлът не може да бъде отворен: ") + std::strerror(errno);
    return tdbfstate::unreadable;
  }
  std::vector<uint8_t> bytes(kFileHeaderSize);
  size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  long long file_size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) file_size = std::ftell(f);
  if (got == bytes.size() && file_size >= kFileHeaderSize) {
    header.header_length = Le16(&bytes[8]);
    if (header.header_length > kFileHeaderSize && header.header_length <= file_size) {
      bytes.resize(header.header_length);
      std::fseek(f, kFileHeaderSize, SEEK_SET);
      got += std::fread(bytes.data() + kFileHeaderSize, 1, bytes.size() - kFileHeaderSize, f);
    }
  }
  bool read_error = std::ferror(f) != 0;
  std::fclose(f);
  if (read_error || file_size < 0) {
    problem = Utf8ToWindows("файлът не може да бъде прочетен");
    return tdbfstate::unreadable;
  }
  if (file_size < kFileHeaderSize) return Damaged(problem, "файлът е по-къс от заглавния блок");
  header.version = bytes[0];
  header.record_count = Le32(&bytes[4]);
  header.record_length = Le16(&bytes[10]);
  header.index_flag = bytes[kDbfIndexFlagByte];
  header.language = bytes[kDbfLanguageByte];
  if (header.header_length < kFileHeaderSize + kDescriptorSize + 1 ||
      header.header_length > file_size || got != size_t(header.header_length))
    return Damaged(problem, "грешна дължина на заглавния блок");

  int pos = kFileHeaderSize;
  int record_length = 1;  // the deletion flag
  while (pos < header.header_length && bytes[pos] != kDescriptorEnd) {
    if (pos + kDescriptorSize > header.header_length)
      return Damaged(problem, "описанията на полетата не завършват");
    const uint8_t* d = &bytes[pos];
    tdbffield field;
    field.name.assign(reinterpret_cast<const char*>(d), strnlen(reinterpret_cast<const char*>(d), 11));
    field.type = char(d[11]);
    field.width = d[16];
    field.decimals = d[17];
    if (field.name.empty()) return Damaged(problem, "поле без име");
    if (!std::strchr("CNFLDM", field.type) || field.type == 0)
      return Damaged(problem, "непознат тип на поле");
    if (field.width == 0) return Damaged(problem, "поле с дължина 0");
    record_length += field.width;
    header.fields.push_back(std::move(field));
    pos += kDescriptorSize;
  }
  if (pos >= header.header_length) return Damaged(problem, "описанията на полетата не завършват");
  if (header.fields.empty()) return Damaged(problem, "таблицата няма полета");
  if (record_length != header.record_length)
    return Damaged(problem, "дължината на записа не отговаря на полетата");
  if (header.header_length + (long long)header.record_count * header.record_length > file_size)
    return Damaged(problem, "файлът е прекъснат: липсват записи");
  return tdbfstate::good;
}

bool PatchDbfByte(const std::string& path, int offset, uint8_t value) {
  FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) return false;
  bool ok = std::fseek(f, offset, SEEK_SET) == 0 && std::fputc(value, f) != EOF;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

}  // namespace dornavik
