// The fixed part of a dBASE table file: the 32-byte file header and the field
// descriptors. Read and checked here before the table is handed to shapelib, so
// that a damaged or truncated file gives a clear message and is never written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dornavik {

// Header bytes this layer patches itself.
inline constexpr int kDbfIndexFlagByte = 28;     // production index (.MDX) attached
inline constexpr int kDbfLanguageByte = 29;      // language driver
inline constexpr uint8_t kDbfLanguageBgdb868 = 0x8E;

struct tdbffield {
  std::string name;  // as stored, up to 11 characters
  char type = 'C';
  int width = 0;
  int decimals = 0;
};

struct tdbfheader {
  uint8_t version = 0;
  uint32_t record_count = 0;
  int header_length = 0;
  int record_length = 0;
  uint8_t index_flag = 0;
  uint8_t language = 0;
  std::vector<tdbffield> fields;
};

enum class tdbfstate {
  good,
  unreadable,  // the file cannot be opened or read (a failure of the environment)
  damaged,     // the bytes are there but do not form a table
};

// Reads and checks the header of path. On damage or failure, problem says what
// is wrong (a cp1251 text). The file is only read.
tdbfstate ReadDbfHeader(const std::string& path, tdbfheader& header, std::string& problem);

// Writes one byte of the file header in place; false when the file cannot be written.
bool PatchDbfByte(const std::string& path, int offset, uint8_t value);

}  // namespace dornavik
