// The parts of the map file's reader that work on more than one section.
#pragma once

#include <string>

#include "mapfile/mapscanner.h"
#include "model/document.h"

namespace dornavik {

// One load in progress: the file's version ("V5.59") and the shift that
// moves its coordinates into the shared frame.
struct tmapload {
  tafile& map;
  tmapscanner& in;
  std::string version;
  double dx = 0, dy = 0;

  bool AtLeast(const char* v) const { return version >= v; }
};

// The fields of a text after its position: angle, spacing, justification
// and, for type 0, its own style.
bool ReadTextFields(tmapload& load, texttype& text, int type);
// The text type's style for the types that have one in the nomenclature.
const ttextstyle* TypeStyle(int type);

// "0 BeginDefs" .. "0 EndDefs", binding the inserts by name at the end.
void ReadDefinitions(tmapload& load);
// "0 BeginBlocks" .. "0 EndBlocks" into block.
void ReadBlock(tmapload& load, tblock& block);

// Files up to V5.57 anchored labels, texts and fractions at their left end;
// moves them to the anchors the program uses now.
void ConvertOldPositions(tafile& map);

}  // namespace dornavik
