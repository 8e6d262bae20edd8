// Field texts of dBASE numbers. A number is stored right-aligned with its
// decimals; one that does not fit its field is stored as the field's overflow
// form (all asterisks), never cut into a different number.
#pragma once

#include <string>

namespace dornavik {

// The field text of value in a number field of width and decimals; false, with
// text := width asterisks, when it does not fit (or is not a finite number).
bool FormatDbfNumber(double value, int width, int decimals, std::string& text);

// The value of a number field's text; blanks and the overflow form read as 0.
double ParseDbfNumber(const std::string& text);

}  // namespace dornavik
