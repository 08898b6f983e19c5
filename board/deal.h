// The three ways of dealing the 16 letters of a new grid.
#pragma once

#include <functional>

#include "board/random_source.h"
#include "core/game_state.h"

namespace vocari {

struct DealHooks {
  // Lets pending window events run. Returns false when the deal has been superseded:
  // the generator then returns at once and touches nothing more.
  std::function<bool()> yield = [] { return true; };
  // Die `pos` now shows the picture of letter `letterIndex`.
  std::function<void(int pos, int letterIndex)> showDie = [](int, int) {};
  // The quotas are drawn and the letters not dealt yet (a deal that draws its own quotas).
  std::function<void()> quotasDrawn = [] {};
};

// The quota draws of a new game: rareQuota, then vowelQuota, consonantQuota the rest.
void drawQuotas(GameState& s, RandomSource& rnd);

// Each returns false when a yield reported the deal superseded.
bool dealStandard(GameState& s, RandomSource& rnd, const DealHooks& hooks);  // "Metodo Std"
bool dealByRows(GameState& s, RandomSource& rnd, const DealHooks& hooks);    // "Metodo R"
bool dealByColumns(GameState& s, RandomSource& rnd, const DealHooks& hooks); // "Metodo C"

// Dispatch on the method; any other value deals nothing and returns true.
bool deal(DealMethod method, GameState& s, RandomSource& rnd, const DealHooks& hooks);

}  // namespace vocari
