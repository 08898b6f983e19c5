// Finding where a word lies on the grid.
#pragma once

#include <string_view>

#include "core/game_state.h"

namespace vocari {

// Walks the grid for `word` on the walk fields of `s` (searchWord, pathPos, pathDir, depth,
// startPos, curPos, nextPos, nextLetter, dirIndex): start dice in ascending order, at every die
// the directions in neighbour order, stopping at the first complete path. On success
// s.pathPos[0 .. word.size() - 1] holds the path. A one-letter word is never laid: the walk
// only ends after extending the path by a die.
bool walkWordPath(GameState& s, std::string_view word);

}  // namespace vocari
