// The objects of a map: boundary lines over the shared point store, texts,
// signs, fraction labels, compartments with their sub-compartment contours,
// and the free blocks and definitions. Map texts are in the DOS code page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "model/box.h"
#include "model/collection.h"

namespace dornavik {

class tafile;
class tpointstore;
class tpodotdel;

// Type-index ranges: each kind has one list per type index in the document.
constexpr int kLineTypes = 200;
constexpr int kTextTypes = 251;
constexpr int kSignTypes = 1511;
constexpr int kDrobTypes = 11;

// Base of the objects the map window points at and the editor moves.
class telement {
 public:
  virtual ~telement() = default;
  virtual void SetPos(float x, float y) = 0;
  virtual void GetPos(float& x, float& y) const = 0;
  // Only signs have an angle; the others ignore it and leave `angle` alone.
  virtual void SetAngle(float) {}
  virtual void GetAngle(float&) const {}
  // Brings `box` up to date where the object keeps one.
  virtual void CalcBounds() {}
  virtual bool Selectable() const { return true; }
  virtual bool Rotatable() const { return false; }
  virtual bool CanMove() const { return true; }

  tbox box;
};

// A contour that uses a line as one of its sides.
struct towner {
  tpodotdel* contour = nullptr;
};

// A strip line (a road inside a sub-compartment, say) that takes
// length x width off that sub-compartment's net area.
struct tlineref {
  std::string otdel;     // compartment number, up to 10 characters
  std::string pod;       // sub-compartment number, up to 10 characters
  float marker_x = -1;   // -1: not placed yet (the first drawing places it)
  float marker_y = 0;
  uint8_t shown = 0;     // 1: "+otdel/pod" is drawn at the marker
};

// A polyline of the boundary network: the consecutive point-store records
// first..last. A new line has no points (last < first); whoever appends its
// points sets first and last to the first record and then last to each later
// one, and calls Finish.
class tline {
 public:
  explicit tline(tpointstore* store) : points(store) {}

  int32_t PointCount() const { return last >= first ? last - first + 1 : 0; }
  // The point of record n (first <= n <= last).
  void ReadPoint(int32_t n, float& x, float& y) const;
  // Gives a line without points two points (0, 0), one with a single point a
  // second copy of it, and sets the box from the points.
  void Finish();
  // The contour becomes the first owner.
  void AddOwner(tpodotdel* contour);
  bool OwnedBy(const tpodotdel* contour) const;

  int32_t first = 0;
  int32_t last = -1;
  float pattern_offset = 0;  // phase of the pattern along the line, metres
  int32_t attribute = 1;     // carried and saved
  int32_t number = 0;
  uint8_t variant = 0;       // ZEM codes 535 and 536
  uint8_t type = 0;          // 0..199
  float width = 0;           // strip width, metres
  uint8_t hidden = 0;        // ZEM code 175
  tbox box;
  std::vector<towner> owners;
  std::unique_ptr<tlineref> strip;
  tpointstore* points;
};

// The style of a type-0 text, and of every text type in the nomenclature.
struct ttextstyle {
  float slant = 0;       // radians
  float rotation = 0;    // radians, added to the text's own angle
  float width_mm = 0;
  float width_m = 0;     // width_mm x scale / 1000
  float height_mm = 0;
  float height_m = 0;    // height_mm x scale / 1000
  int32_t color = 0;     // 0x00BBGGRR
  uint8_t flag = 1;      // carried and saved
  uint8_t font = 1;      // stroke-font number

  // Ground sizes from the paper sizes at the scale denominator.
  void SetScale(float scale);
};

class texttype {
 public:
  // The text's own style (type 0): owned, and `style` points to it.
  void SetOwnStyle(const ttextstyle& s);

  float x = 0, y = 0;
  uint8_t justification = 7;  // 0..8
  float angle = 0;            // radians
  float spacing = 0;          // advance = (spacing + 1) x character width
  uint8_t type = 0;           // 0..250
  std::string text;
  const ttextstyle* style = nullptr;  // own style for type 0, else the text type's
  std::unique_ptr<ttextstyle> own_style;
};

class tsign : public telement {
 public:
  void SetPos(float px, float py) override { x = px, y = py; }
  void GetPos(float& px, float& py) const override { px = x, py = y; }
  void SetAngle(float a) override { angle = a; }
  void GetAngle(float& a) const override { a = angle; }
  bool Rotatable() const override { return true; }

  uint16_t type = 0;  // 0..1510
  float x = 0, y = 0;
  float angle = 0;    // radians
  float scale_x = 1, scale_y = 1;
};

// A fraction label: numerator over denominator.
struct tdrob {
  uint8_t type = 0;  // 0..10
  float x = 0, y = 0;
  std::string numerator, denominator;
};

// One side of a contour's ring: 1 walks the line first..last, 0 last..first.
struct tside {
  tline* line = nullptr;
  uint8_t direction = 1;
};

// The sub-compartment an island contour lies in.
struct tpodref {
  std::string otdel, pod;  // up to 10 characters each
};

class totdel;

// One contour of a sub-compartment: a ring of sides over shared lines.
class tpodotdel : public telement {
 public:
  void SetPos(float x, float y) override { label_x = x, label_y = y; }
  void GetPos(float& x, float& y) const override { x = label_x, y = label_y; }
  // When bounds_dirty: the box and the inner point are recomputed.
  void CalcBounds() override;

  float label_x = 0, label_y = 0;
  std::string otdel;              // compartment number
  std::string number;             // sub-compartment number
  uint8_t linear = 0;             // area = sum of side length x width
  float area = 0;                 // m2
  float net_area = 0;             // area less islands and strips
  float table_area = 0;           // m2 from the project table; 0 = not fetched
  uint8_t orientation = 0;        // 1: counter-clockwise
  tpodotdel* next = nullptr;      // next contour in the compartment's chain
  std::vector<tside> sides;
  std::unique_ptr<tpodref> parent;  // set for an island
  uint8_t show_area = 1;
  uint8_t closed = 0;             // last area computation found the ring closed
  int32_t polygon_id = 0;         // ZEM contour number
  double declared_area = 0;
  totdel* compartment = nullptr;
  float inner_x = 0, inner_y = 0;
  uint8_t bounds_dirty = 1;
};

// A compartment: its label and the chain of its contours, sorted by number
// right-aligned to 10 characters; equal numbers keep the order of adding.
class totdel : public telement {
 public:
  totdel(tafile* doc, std::string num);
  totdel(const totdel&) = delete;
  totdel& operator=(const totdel&) = delete;

  void SetPos(float x, float y) override { label_x = x, label_y = y; }
  void GetPos(float& x, float& y) const override { x = label_x, y = label_y; }
  // box := union of the contours' boxes (each brought up to date first);
  // unchanged without contours.
  void CalcBounds() override;

  // Takes the contour into the chain and sets its compartment reference.
  tpodotdel* AddContour(std::unique_ptr<tpodotdel> contour);
  // The first contour whose trimmed number is the trimmed `num`.
  tpodotdel* FindContour(const std::string& num) const;
  tpodotdel* First() const { return chain_.empty() ? nullptr : chain_.front().get(); }
  // The contours in chain order.
  const std::vector<std::unique_ptr<tpodotdel>>& Contours() const { return chain_; }

  float label_x = 0, label_y = 0;
  std::string number;      // as written in the ZEM file, up to 10 characters
  int32_t count = 0;       // contours read from a map file
  float total_area = 0;    // m2; 0 = not computed yet
  tafile* document;

 private:
  std::vector<std::unique_ptr<tpodotdel>> chain_;
};

// Free drawings outside the typed layers.
class tdefinition;

// A definition placed as count_x x count_y copies; copy (i, j) stands at
// (x + i x spacing_x, y + j x spacing_y).
class tinsert {
 public:
  float x = 0, y = 0;
  float scale_x = 1, scale_y = 1;
  float angle = 0;  // carried and saved, not applied
  int32_t count_x = 1, count_y = 1;
  float spacing_x = 1, spacing_y = 1;
  std::string name;  // of the definition, up to 8 characters
  const tdefinition* definition = nullptr;  // bound by name after loading
};

struct tblockitem {
  // 1 line, 2 text, 3 sign, 4 insert.
  int Kind() const { return static_cast<int>(element.index()) + 1; }
  std::variant<std::unique_ptr<tline>, std::unique_ptr<texttype>, std::unique_ptr<tsign>,
               std::unique_ptr<tinsert>>
      element;
};

using tblock = tcollection<tblockitem>;

class tdefinition {
 public:
  std::string name;  // up to 8 characters
  float x1 = 0, y1 = 0, x2 = 100, y2 = 100;
  tblock block;
};

// Definitions by name, byte by byte; a name that is a prefix of another
// comes first.
struct tdefinitionorder {
  static const std::string& Key(const tdefinition& d) { return d.name; }
  static int Compare(const std::string& a, const std::string& b) {
    int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
  }
};
using tdefinitions = tsortedcollection<tdefinition, tdefinitionorder>;

}  // namespace dornavik
