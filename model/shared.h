// State shared by every map open in the program: the origin of local
// coordinates, the sheet index, the map scale and the model's settings.
#pragma once

#include <cstdint>
#include <string>

namespace dornavik {

struct tmapshared {
  double x0 = 0, y0 = 0;         // survey coordinates of the local origin
  uint8_t sheet = 0;             // 0..4, see SheetName
  float scale = 10000;           // map scale denominator
  float tolerance = 5.0f;        // "Допуск": closing tolerance of rings, m
  float same_distance = 100.0f;  // "Допуск еднакви": contours of one number, m
  float max_area = 30.0f;        // "Максимална площ"
  int32_t red_color = 16711680;  // "Red color": highlight colour, 0x00BBGGRR
  int32_t max_undo = 1000;       // "MaxUndo"
};

tmapshared& MapShared();
// Back to the values at program start (for tests).
void ResetMapShared();

// "K-0 ", "K-3 ", "K-5 ", "K-7 ", "K-9 " for sheet indices 0..4; empty otherwise.
std::string SheetName(int sheet);
constexpr int kSheetCount = 5;

}  // namespace dornavik
