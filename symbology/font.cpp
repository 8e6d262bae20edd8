#include "symbology/font.h"

#include <cstring>
#include <fstream>

#include "base/errors.h"
#include "base/files.h"

namespace dornavik {
namespace {

constexpr uint8_t kEndOfText = 26;  // ends the descriptive text of the header
constexpr int kDataStart = 128;     // where the binary part of the header begins

// Messages are cp1251.
const char kMessageFile[] = "\xD4\xE0\xE9\xEB\xE0 ";                              // "Файла "
const char kMessageNotFound[] = " \xED\xE5 \xE5 \xED\xE0\xEC\xE5\xF0\xE5\xED.";  // " не е намерен."
// " не е годен шрифт: "
const char kMessageUnusable[] = " \xED\xE5 \xE5 \xE3\xEE\xE4\xE5\xED \xF8\xF0\xE8\xF4\xF2: ";

uint16_t Word(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               static_cast<uint8_t>(bytes[at + 1]) << 8);
}

[[noreturn]] void Unusable(const std::string& path, const char* reason) {
  throw terror(kMessageFile + path + kMessageUnusable + reason);
}

// Every glyph the font holds must end within the stroke stream, arcs included,
// so that drawing never reads past it.
void CheckGlyphs(const tstrokefont& font, const std::string& path) {
  const size_t count = font.strokes.size();
  for (int code = 0; code < 256; ++code) {
    if (!font.HasGlyph(static_cast<uint8_t>(code))) continue;
    size_t at = font.offsets[code];
    if (at >= count) Unusable(path, "\xEE\xF2\xEC\xE5\xF1\xF2\xE2\xE0\xED\xE5 \xE8\xE7\xE2\xFA\xED "
                                    "\xF9\xF0\xE8\xF5\xE8\xF2\xE5");  // "отместване извън щрихите"
    while (at < count && font.strokes[at] != 0) {
      const uint16_t word = font.strokes[at];
      at += !IsPointWord(word) && IsArcWord(font.kind, word) ? 2 : 1;
    }
    if (at >= count) Unusable(path, "\xE7\xED\xE0\xEA \xE1\xE5\xE7 \xEA\xF0\xE0\xE9 \xED\xE0 "
                                    "\xF9\xF0\xE8\xF5\xE8\xF2\xE5");  // "знак без край на щрихите"
  }
}

}  // namespace

tstrokefont ParseStrokeFont(std::string_view bytes, tfontkind kind, const std::string& path) {
  // "файлът е по-къс от заглавието си"
  const char* const too_short = "\xF4\xE0\xE9\xEB\xFA\xF2 \xE5 \xEF\xEE-\xEA\xFA\xF1 \xEE\xF2 "
                                "\xE7\xE0\xE3\xEB\xE0\xE2\xE8\xE5\xF2\xEE \xF1\xE8";
  if (bytes.size() < kFontHeaderSize) Unusable(path, too_short);

  tstrokefont font;
  font.kind = kind;
  std::memcpy(font.header.data(), bytes.data(), kFontHeaderSize);

  const void* mark = std::memchr(bytes.data(), kEndOfText, kDataStart);
  if (mark == nullptr)
    // "липсва знак за край на текста в заглавието"
    Unusable(path, "\xEB\xE8\xEF\xF1\xE2\xE0 \xE7\xED\xE0\xEA \xE7\xE0 \xEA\xF0\xE0\xE9 \xED\xE0 "
                   "\xF2\xE5\xEA\xF1\xF2\xE0 \xE2 \xE7\xE0\xE3\xEB\xE0\xE2\xE8\xE5\xF2\xEE");
  const size_t mark_at = static_cast<const char*>(mark) - bytes.data();
  const long file_size = Word(bytes, mark_at + 7);
  const int n = Word(bytes, 129);
  const int first = static_cast<uint8_t>(bytes[132]);
  if (first + n > 256)
    Unusable(path, "\xEF\xEE\xE2\xE5\xF7\xE5 \xE7\xED\xE0\xF6\xE8 \xEE\xF2 256 "
                   "\xEA\xEE\xE4\xE0");  // "повече знаци от 256 кода"
  const long stroke_size = file_size - 3L * n - 16;
  if (stroke_size < 0)
    // "размерът на щрихите е отрицателен"
    Unusable(path, "\xF0\xE0\xE7\xEC\xE5\xF0\xFA\xF2 \xED\xE0 \xF9\xF0\xE8\xF5\xE8\xF2\xE5 \xE5 "
                   "\xEE\xF2\xF0\xE8\xF6\xE0\xF2\xE5\xEB\xE5\xED");
  const size_t strokes_at = kFontHeaderSize + 3 * static_cast<size_t>(n);
  if (bytes.size() < strokes_at + stroke_size) Unusable(path, too_short);

  for (int i = 0; i < n; ++i) {
    // Offsets count bytes; drawing counts words.
    font.offsets[first + i] = Word(bytes, kFontHeaderSize + 2 * i) / 2;
    font.widths[first + i] = static_cast<uint8_t>(bytes[kFontHeaderSize + 2 * n + i]);
  }
  font.stroke_size = static_cast<size_t>(stroke_size);
  font.strokes.resize(font.stroke_size / 2);
  for (size_t i = 0; i < font.strokes.size(); ++i) font.strokes[i] = Word(bytes, strokes_at + 2 * i);

  if (kind == tfontkind::sign) {
    font.unit = kSignFontUnit;
  } else {
    const int capital = static_cast<int8_t>(font.header[136]);
    if (capital <= 0)
      // "височината на главните букви не е положителна"
      Unusable(path, "\xE2\xE8\xF1\xEE\xF7\xE8\xED\xE0\xF2\xE0 \xED\xE0 \xE3\xEB\xE0\xE2\xED\xE8\xF2\xE5 "
                     "\xE1\xF3\xEA\xE2\xE8 \xED\xE5 \xE5 \xEF\xEE\xEB\xEE\xE6\xE8\xF2\xE5\xEB\xED\xE0");
    font.unit = static_cast<float>(capital);
  }
  CheckGlyphs(font, path);
  return font;
}

tstrokefont LoadStrokeFont(const std::string& path, tfontkind kind) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw terror(kMessageFile + path + kMessageNotFound);
  // The 16-bit size field bounds a usable font; a longer file is read only that far.
  constexpr size_t kLargestFont = kFontHeaderSize + 3 * 256 + 0x10000;
  std::string bytes(kLargestFont, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad())
    // "файлът не може да бъде прочетен"
    Unusable(path, "\xF4\xE0\xE9\xEB\xFA\xF2 \xED\xE5 \xEC\xEE\xE6\xE5 \xE4\xE0 \xE1\xFA\xE4\xE5 "
                   "\xEF\xF0\xEE\xF7\xE5\xF2\xE5\xED");
  bytes.resize(static_cast<size_t>(file.gcount()));
  return ParseStrokeFont(bytes, kind, path);
}

}  // namespace dornavik
