// What the stroke-font routines draw on: the drawing primitives of the map canvas,
// in ground coordinates. The map canvas implements it; tests record the calls.
#pragma once

#include <cstdint>

namespace dornavik {

class tstrokesink {
 public:
  virtual ~tstrokesink() = default;
  // Pen colour, a Windows colour value (0x00BBGGRR).
  virtual void SetColor(uint32_t colour) = 0;
  // Sets the position without drawing.
  virtual void MoveTo(float x, float y) = 0;
  // A line from (x1, y1) to (x2, y2), clipped by the canvas.
  virtual void Line(float x1, float y1, float x2, float y2) = 0;
  // Outline of the circle around (x, y).
  virtual void Circle(float x, float y, float radius) = 0;
  // The arc around (x, y) from angle b counter-clockwise to angle a, in degrees
  // (the canvas reduces b by whole turns until it is not greater than a).
  virtual void Arc(float x, float y, float radius, float a, float b) = 0;
};

}  // namespace dornavik
