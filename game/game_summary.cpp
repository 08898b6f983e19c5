#include "game/game_summary.h"

#include <cctype>

#include "core/number_text.h"
#include "core/scoring.h"
#include "game/form1.h"

namespace vocari {

std::optional<StoredResult> parseStoredResult(std::string_view text) {
  const auto mark = text.find("'-");
  if (mark == std::string_view::npos || mark == 0 || !std::isdigit(static_cast<unsigned char>(text[0])))
    return std::nullopt;
  const std::string_view score = text.substr(mark + 2);
  if (score.empty() || !std::isdigit(static_cast<unsigned char>(score[0]))) return std::nullopt;
  return StoredResult{leadingNumber(text.substr(0, mark)), leadingNumber(score)};
}

std::string gameSummary(int score, int wordsFound, const std::vector<std::string>& solutions,
                        const std::optional<StoredResult>& stored, double gameTime) {
  long long possible = 0;
  for (const std::string& word : solutions) possible += wordPoints(word);
  // Appended piece by piece: GCC 12 warns falsely about literal + string chains.
  std::string text = "Tempo scaduto: ";
  for (const std::string& piece : {std::to_string(score), std::string(" punti su "), std::to_string(possible),
                                   std::string(" possibili, "), std::to_string(wordsFound),
                                   std::string(wordsFound == 1 ? " parola su " : " parole su "),
                                   std::to_string(solutions.size())})
    text += piece;
  if (!stored) return text;
  const double theirs = stored->score;
  text += "\nGara: ";
  text += score > theirs ? "hai vinto, " : score < theirs ? "hai perso, " : "pari, ";
  for (const std::string& piece : {std::to_string(score), std::string(" a "), formatNumber(theirs)}) text += piece;
  if (stored->time != gameTime) {
    for (const std::string& piece : {std::string(" (tempo diverso: "), formatNumber(gameTime), std::string(" s contro "),
                                     formatNumber(stored->time), std::string(" s)")})
      text += piece;
  }
  return text;
}

void Form1::showSummary() {
  round.summary = gameSummary(round.score, int(round.words.size()), round.solutions, round.opponent, settings.gameTime);
  round.marksShown = true;
}

}  // namespace vocari
