#include "board/deal.h"

namespace vocari {

void drawQuotas(GameState& s, RandomSource& rnd) {
  rnd.reseed();
  s.rareQuota = rnd.draw(2, 1);
  rnd.reseed();
  s.vowelQuota = rnd.draw(6, 4);
  s.consonantQuota = static_cast<int16_t>(kDice - s.vowelQuota - s.rareQuota);
}

bool deal(DealMethod method, GameState& s, RandomSource& rnd, const DealHooks& hooks) {
  switch (method) {
    case DealMethod::Standard:
      return dealStandard(s, rnd, hooks);
    case DealMethod::ByRows:
      return dealByRows(s, rnd, hooks);
    case DealMethod::ByColumns:
      return dealByColumns(s, rnd, hooks);
    default:
      return true;
  }
}

}  // namespace vocari
