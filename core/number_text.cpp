#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace vocari {

double leadingNumber(std::string_view text) {
  std::string clean;
  std::size_t i = 0;
  auto skipSpaces = [&] {
    while (i < text.size() && text[i] == ' ') ++i;
  };
  auto digits = [&] {
    std::size_t n = 0;
    for (skipSpaces(); i < text.size() && text[i] >= '0' && text[i] <= '9'; skipSpaces(), ++n)
      clean.push_back(text[i++]);
    return n;
  };
  skipSpaces();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') clean.push_back('-');  // from_chars takes no plus sign
    ++i;
  }
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    clean.push_back(text[i++]);
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const std::size_t mark = i, keep = clean.size();
    clean.push_back('e');
    ++i;
    skipSpaces();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean.push_back(text[i++]);
    if (digits() == 0) {
      i = mark;
      clean.resize(keep);
    }
  }
  // from_chars reads the point whatever the C locale (which Qt sets from the environment); a
  // value out of range leaves v as it was.
  double v = 0;
  std::from_chars(clean.data(), clean.data() + clean.size(), v, std::chars_format::general);
  return std::isfinite(v) ? v : 0;
}

std::string formatNumber(double value) {
  if (!std::isfinite(value)) return "0";
  value += 0.0;  // turns -0 into 0, which would otherwise be written "-0"
  // Shortest text that reads back as the same value, never in exponent form: up to 309 digits
  // before the point for the largest values and some 325 characters for the smallest.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (r.ec != std::errc{}) return "0";
  return std::string(buf, r.ptr);
}

}  // namespace vocari
