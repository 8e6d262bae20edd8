// The checks of sub-compartment contours. Each walks the compartments in
// registry order and their chains of contours (contours never attached to a
// compartment are not checked), deletes its own findings first, and appends
// new ones; the progress window shows the check and the compartment.
#pragma once

#include "base/host.h"
#include "checks/errtable.h"
#include "model/document.h"

namespace dornavik {

// 110: a contour's net area differs from the area the control block declared
// for it by 1.1 m² or more. Computes all areas first. Run by the import only.
void CheckDeclaredAreas(tafile& map, Terrdbfile& errors, thost& host);

// 112: a ring that does not close within "Допуск". 222: a sub-compartment's
// graphic area (its contours' net areas, to 0.1 ha) differs from LAREA by more
// than 0.11 ha. 116: a forest sub-compartment (number beginning with a letter)
// documented larger than "Максимална площ". Numbers with "*" get neither 222
// nor 116. Every sub-compartment's AREA (m²) and XA (ha) are written to the
// sub-compartment table, its row appended when missing.
void CheckContours(tafile& map, Terrdbfile& errors, thost& host);

// 117: an island contour that lies inside no contour of the sub-compartment
// its parent reference names. 118: that sub-compartment does not exist.
void CheckInnerContours(tafile& map, Terrdbfile& errors, thost& host);

}  // namespace dornavik
