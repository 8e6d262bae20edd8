#include "checks/checkbattery.h"

#include "checks/graphicchecks.h"
#include "checks/podchecks.h"
#include "model/geometry.h"

namespace dornavik {

void ComputeContourBoxes(tafile& map) {
  for (const auto& o : map.Compartments())
    for (const auto& c : o->Contours()) ComputeInnerPoint(*c);
}

void RunMapChecks(tafile& map, Terrdbfile& errors, thost& host) {
  ComputeContourBoxes(map);
  CheckInnerContours(map, errors, host);
  CheckContours(map, errors, host);
  CheckDatabase(map, errors, host);
  CheckRemoteParts(map, errors, host);
  CheckIntersections(map, errors, host);
}

void RunImportChecks(tafile& map, Terrdbfile& errors, thost& host) {
  CheckDeclaredAreas(map, errors, host);
  RunMapChecks(map, errors, host);
}

}  // namespace dornavik
