// Numbers as the game reads them from and writes them to captions and fields.
#pragma once

#include <string>
#include <string_view>

namespace vocari {

// The leading number of a text: spaces are skipped, the decimal separator is the point whatever
// the locale, an exponent (E or e) is accepted, reading stops at the first character that cannot
// continue the number, and a text without a leading number reads as 0.
double leadingNumber(std::string_view text);

// Shortest decimal text: no sign for positive values, no leading zeros, no exponent for values a
// caption can show ("119", "149.5").
std::string formatNumber(double value);

}  // namespace vocari
