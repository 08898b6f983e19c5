#include "core/scoring.h"

#include "core/tables.h"

namespace vocari {

int wordPoints(std::string_view word) {
  int points = 0;
  for (char c : word)
    if (const int j = letterIndex(c); j >= 0) points += letterPoints[j];
  return word.size() >= kBonusLength ? 2 * points : points;
}

}  // namespace vocari
