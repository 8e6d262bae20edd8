// The map document: typed object lists (one per type index, newest first),
// the compartment registry, the header texts, the forestry unit with its
// project tables, and the point store.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "model/box.h"
#include "model/collection.h"
#include "model/forestry.h"
#include "model/objects.h"
#include "model/pointstore.h"

namespace dornavik {

class thost;

// The map window that shows a document (none when headless).
class tmapview {
 public:
  virtual ~tmapview() = default;
  virtual bool BoxInView(const tbox&) const = 0;
  virtual void ShowBox(const tbox&) = 0;
};

// Compartments in case-insensitive text order of their numbers ("10" before "2").
struct tcompartmentorder {
  static const std::string& Key(const totdel& o) { return o.number; }
  static int Compare(const std::string& a, const std::string& b);
};
using tcompartments = tsortedcollection<totdel, tcompartmentorder>;

template <class T>
using ttypelist = std::list<std::unique_ptr<T>>;

class tafile {
 public:
  explicit tafile(tmapview* view = nullptr);
  ~tafile();
  tafile(const tafile&) = delete;
  tafile& operator=(const tafile&) = delete;

  // Frees every object, the unit's tables and the point store, and gives every
  // field its value of a new document.
  void Clear();

  // A new line over this document's point store.
  std::unique_ptr<tline> NewLine();

  // Insertion at the head of the list of the given type; the object's type is
  // set from it. On refusal the result is false and the caller keeps the object;
  // on success the document owns it and the pointer is left empty.
  bool AddLine(std::unique_ptr<tline>& line, int type);
  // For a type other than 0 the text takes type_style (the text type's style
  // in the nomenclature) and drops a style of its own.
  bool AddText(std::unique_ptr<texttype>& text, int type, const ttextstyle* type_style = nullptr);
  // Refused when a sign of the same type lies within 0.5 in both x and y.
  bool AddSign(std::unique_ptr<tsign>& sign, int type);
  // Refused when a fraction of the same type, numerator and denominator lies
  // within 0.5 in both x and y.
  bool AddDrob(std::unique_ptr<tdrob>& drob, int type);
  // Unlinks the sign from the list of its type; empty when it is not there.
  std::unique_ptr<tsign> RemoveSign(const tsign* sign);

  // The lists of one type index; an index out of range raises tcollectionerror.
  const ttypelist<tline>& Lines(int type) const;
  const ttypelist<texttype>& Texts(int type) const;
  const ttypelist<tsign>& Signs(int type) const;
  const ttypelist<tdrob>& Drobs(int type) const;

  // Compartments. A number already registered (case-insensitively) yields the
  // compartment registered under it; nothing new is made.
  totdel* NewCompartment(const std::string& number);
  const tcompartments& Compartments() const { return compartments_; }
  int CompartmentCount() const { return compartments_.Count(); }
  totdel* CompartmentAt(int i) const { return compartments_.At(i); }
  // The compartment whose number is exactly `number` (cut to 10 characters);
  // it becomes the current compartment.
  totdel* FindCompartment(const std::string& number);
  // The first compartment whose trimmed number is `number`.
  totdel* FindCompartmentTrimmed(const std::string& number) const;
  // Trims both numbers: the first contour of sub-compartment pod in compartment
  // otdel (exact lookup of the compartment, which becomes current).
  tpodotdel* FindSubCompartment(const std::string& otdel, const std::string& pod);

  // The contour's area in the project table, m2 (fetched once and cached).
  float TableArea(tpodotdel& contour);
  // Sum of the table areas of the compartment's sub-compartments: numbers with
  // "*" are left out, consecutive contours of one number count once.
  float TotalArea(totdel& otdel);

  // Nearest objects to (x, y); null when there is none.
  // By |dx| + |dy| over every sign.
  tsign* NearestSign(float x, float y) const;
  // By distance of the label point over every contour; `otdel` (when given)
  // receives its compartment. With no contours the current compartment and
  // sub-compartment are cleared.
  tpodotdel* NearestPodLabel(float x, float y, totdel** otdel = nullptr);
  totdel* NearestOtdelLabel(float x, float y) const;
  // The nearest of the three winners above by |dx| + |dy|; ties keep the
  // earlier of sign, sub-compartment, compartment.
  telement* NearestObject(float x, float y);
  // The nearest sub-compartment label becomes the current compartment and
  // sub-compartment; its numbers are returned (empty and false when none).
  bool SubCompartmentAt(float x, float y, std::string& otdel, std::string& pod);
  // Finds the sub-compartment (keeping the current one when the numbers match)
  // and asks the view to show its box widened by a third, unless the box is in
  // view already and force is off. False when not found.
  bool ShowSubCompartment(const std::string& otdel, const std::string& pod, bool force);
  // Width and height of the compartment's box, each widened by margin times
  // itself on both sides, in centimetres on paper at the map scale.
  bool CompartmentExtent(const std::string& number, float margin, float& width_cm,
                         float& height_cm);

  // bounds := (1e30, 1e30, -1e30, -1e30) widened by every text anchor, sign
  // position and line point.
  void RecomputeBounds();
  // Areas of every contour, then the islands and strips.
  void ComputeAreas();
  // Sets the unit's code, closes its tables and opens those of the new code
  // with `open`. A failure is shown through the host; the unit stays partly set.
  bool SetForestry(const std::string& code, const std::string& map_file_name,
                   const tprojecttablesopener& open, thost& host);
  // Ground sizes of the type-0 texts at the scale denominator.
  void RescaleTexts(float scale);

  tpointstore& Points() { return *points_; }
  const tpointstore& Points() const { return *points_; }

  tmapview* view;
  std::string file_name = "noname";
  tbox bounds{0, 0, 5000, 5000};
  std::array<float, 4> corner_x{0, 0, 5000, 5000};
  std::array<float, 4> corner_y{0, 5000, 5000, 0};
  std::array<std::string, 4> header;  // up to 80 characters each
  std::string zem_file, zem_firm, zem_date, zem_program;
  tdefinitions definitions;
  tblock blocks;
  tforestry forestry;
  totdel* current_otdel = nullptr;
  tpodotdel* current_pod = nullptr;
  uint8_t sheet = 0;  // 0..4
  uint8_t alive = 1;  // 0 while being destroyed or loaded
  std::vector<telement*> highlight;

 private:
  std::unique_ptr<tpointstore> points_;
  std::array<ttypelist<tline>, kLineTypes> lines_;
  std::array<ttypelist<texttype>, kTextTypes> texts_;
  std::array<ttypelist<tsign>, kSignTypes> signs_;
  std::array<ttypelist<tdrob>, kDrobTypes> drobs_;
  tcompartments compartments_;
};

}  // namespace dornavik
