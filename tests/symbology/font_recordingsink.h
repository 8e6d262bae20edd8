// A stroke sink that records every call as text, and a tiny font builder.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "symbology/fontwriter.h"
#include "symbology/strokesink.h"

namespace dornavik::testing {

class trecordingsink : public tstrokesink {
 public:
  std::vector<std::string> calls;
  float xmin = 1e30f, ymin = 1e30f, xmax = -1e30f, ymax = -1e30f;  // of line ends

  void SetColor(uint32_t colour) override { Add("color %u", colour); }
  void MoveTo(float x, float y) override { Add("move %g %g", x, y); }
  void Line(float x1, float y1, float x2, float y2) override {
    Add("line %g %g %g %g", x1, y1, x2, y2);
    Extend(x1, y1);
    Extend(x2, y2);
  }
  void Circle(float x, float y, float r) override { Add("circle %g %g %g", x, y, r); }
  void Arc(float x, float y, float r, float a, float b) override {
    Add("arc %g %g %g %g %g", x, y, r, a, b);
  }

  // The calls without the colour settings.
  std::vector<std::string> Strokes() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
      if (c.rfind("color", 0) != 0) out.push_back(c);
    return out;
  }

 private:
  template <typename... T>
  void Add(const char* format, T... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    calls.emplace_back(text);
  }
  void Extend(float x, float y) {
    xmin = std::min(xmin, x), xmax = std::max(xmax, x);
    ymin = std::min(ymin, y), ymax = std::max(ymax, y);
  }
};

}  // namespace dornavik::testing
