#include "core/game_state.h"

namespace vocari {

Board emptyBoard() {
  Board b{};
  for (int16_t p : dicePos) b[p] = kUndealt;
  return b;
}

}  // namespace vocari
