// Starting a game: clearing the previous one, dealing (or keeping a grid loaded from a file),
// starting the clock and searching every solution while the player already plays.
#include <cmath>

#include "board/daily_deal.h"
#include "board/deal.h"
#include "core/search.h"
#include "game/form1.h"

namespace vocari {

void Form1::mGen_Click() {
  // A second deal must not start inside a running one: it would take over the deal's state.
  // During the solution search the new game supersedes the running one, as "Nuovo" does.
  if (dealing()) return;
  cmdNew_Click();
}

// The grid of today's date, by the standard method whatever the options say, played at the
// default game time; the running random source is not touched, so a later "Nuovo" is random.
void Form1::mSfida_Click() {
  if (dealing()) return;
  settings.competitionPending = false;
  startGame(platform_.today());
}

void Form1::cmdNew_Click() { startGame(std::nullopt); }

void Form1::startGame(std::optional<CalendarDate> daily) {
  const Shown shown{*this};
  // A flow started while another runs (through "Nuovo" enabled again by "Fine") supersedes it:
  // the older flow stops at its next yield and touches nothing after it.
  const int flow = ++flowId_;
  round.daily = daily;
  clearLastGame();
  if (!settings.competitionPending && !dealBoard(flow)) return;
  startPlay();
  auto found = findSolutions(state.board, dict, [this, flow] { return flowYield(flow); });
  if (!found) return;
  endSearch(std::move(*found));
}

// The controls of the game before go back to rest; the clock shows the game time. The clock of
// the game before, if it still runs, goes on ticking until play starts.
void Form1::clearLastGame() {
  round.phase = settings.competitionPending ? Phase::Searching : Phase::Dealing;
  round.newReleased = false;
  round.quotas.clear();
  round.stars = 0;
  round.messageColour = kRed;
  round.inPlay = false;
  round.searched = false;
  round.showSolutions = false;
  round.words.clear();
  LisMie.selected = -1;
  round.countShown = false;
  round.score = 0;
  round.message.clear();
  round.summary.clear();
  round.word.clear();
  round.path.clear();
  round.accepted = false;
  round.gameTime = playTime();
  round.ticks = 0;
  if (!settings.competitionPending) {
    round.opponentLine.reset();
    round.opponent.reset();
  }
}

// Deals a new board, its quotas first. False when the deal was superseded.
bool Form1::dealBoard(int flow) {
  clearBoard();
  const auto showQuotas = [this] {
    round.quotas = std::to_string(state.vowelQuota) + "/" + std::to_string(state.consonantQuota) + "/" +
                   std::to_string(state.rareQuota);
  };
  const DealHooks hooks{[this, flow] { return flowYield(flow); },
                        [this](int p, int i) { setDieLetter(p, i); }, showQuotas};
  bool dealt = false;
  if (const auto& d = round.daily) {
    dealt = dealDaily(state, d->year, d->month, d->day, hooks);
  } else {
    drawQuotas(state, random_);
    showQuotas();
    dealt = deal(settings.methodIndex, state, random_, hooks);
  }
  if (!dealt) return false;
  round.phase = Phase::Searching;
  return true;
}

// "*" with the search notice shown while the window is repainted, then "**" as the clock starts.
void Form1::startPlay() {
  round.stars = 1;
  settings.competitionPending = false;
  platform().repaint();
  round.searchStart = platform_.clock();
  round.stars = 3;
  round.inPlay = true;
  round.clockRunning = true;
  ++round.clockStarts;  // the tick phase starts again with the new game's clock
  round.gameTime = playTime();
  round.ticks = 0;
  round.solutions.clear();
  round.marksShown = false;
  ListS.selected = -1;
}

void Form1::endSearch(std::vector<std::string> solutions) {
  round.solutions = std::move(solutions);
  round.countShown = false;
  round.searched = true;
  if (round.phase == Phase::Searching) round.phase = Phase::Playing;
  round.lastSearch = Round::LastSearch{int(round.solutions.size()), std::floor(platform_.clock() - round.searchStart)};
  // The clock ran out while the search was still going.
  if (!round.clockRunning) showSummary();
}

}  // namespace vocari
