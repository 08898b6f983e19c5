// The points of a word.
#pragma once

#include <string_view>

namespace vocari {

// Words of this many letters or more score double.
inline constexpr std::size_t kBonusLength = 5;

// The sum of the letters' points (characters outside the table count nothing), doubled for a
// word of kBonusLength letters or more.
int wordPoints(std::string_view word);

}  // namespace vocari
