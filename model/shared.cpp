#include "model/shared.h"

namespace dornavik {

namespace {
tmapshared shared;
}

tmapshared& MapShared() { return shared; }

void ResetMapShared() { shared = tmapshared{}; }

std::string SheetName(int sheet) {
  static const char* const names[kSheetCount] = {"K-0 ", "K-3 ", "K-5 ", "K-7 ", "K-9 "};
  return sheet >= 0 && sheet < kSheetCount ? names[sheet] : "";
}

}  // namespace dornavik
