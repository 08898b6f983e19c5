// Finding where a word lies on the grid.
#pragma once

#include <string_view>
#include <vector>

#include "core/game_state.h"

namespace vocari {

// The board positions of the first chain of touching dice, each used once, that spells `word`:
// start dice in reading order, at every die its neighbours in neighbour order. Empty when the
// word does not lie on the board, and for words of fewer than two letters (a path is only laid
// by stepping from one die to another).
std::vector<int> wordPath(const Board& board, std::string_view word);

}  // namespace vocari
