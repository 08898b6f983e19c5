// Boards written as 16 characters in reading order, for tests.
#pragma once

#include <string_view>

#include "core/game_state.h"

namespace vocari::testing {

inline Board boardOf(std::string_view dice) {
  Board b = emptyBoard();
  for (int i = 0; i < kDice && i < int(dice.size()); ++i) b[dicePos[i]] = dice[i];
  return b;
}

}  // namespace vocari::testing
