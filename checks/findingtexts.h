// The texts of findings: the short text of a code, the full message of a
// finding, and the section of the ZEM file it belongs to. All cp1251.
#pragma once

#include <string>

#include "checks/errtable.h"

namespace dornavik {

std::string FindingShortText(int code);
std::string FindingText(const terrrec& finding);
// 10 characters ("CONTROL " has 8).
std::string FindingSection(const terrrec& finding);

}  // namespace dornavik
