// The keys by which table rows and findings name a compartment and a
// sub-compartment.
#pragma once

#include <string>
#include <string_view>

namespace dornavik {

// Trimmed, cut back to its last digit, right-aligned in 5 characters (a longer
// text is kept whole): " 12a " gives "   12".
std::string OtdelKey(std::string_view otdel);
// Trimmed; a number that begins with a digit gets two blanks after it; then
// right-aligned in 8 characters: "12" gives "    12  ", "а" gives "       а".
std::string PodKey(std::string_view pod);

}  // namespace dornavik
