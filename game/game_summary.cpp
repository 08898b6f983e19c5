#include "game/game_summary.h"

#include <cctype>
#include <cstdio>

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

namespace {

long long possiblePoints(const std::vector<std::string>& solutions) {
  long long possible = 0;
  for (const std::string& word : solutions) possible += wordPoints(word);
  return possible;
}

// "Sfida del 07/12/2026".
std::string dailyTitle(const CalendarDate& d) {
  char text[32];
  std::snprintf(text, sizeof text, "Sfida del %02d/%02d/%04d", d.day, d.month, d.year);
  return text;
}

}  // namespace

std::string gameSummary(int score, int wordsFound, const std::vector<std::string>& solutions,
                        const std::optional<StoredResult>& stored, double gameTime,
                        const std::optional<CalendarDate>& daily) {
  const long long possible = possiblePoints(solutions);
  // Appended piece by piece: GCC 12 warns falsely about literal + string chains.
  std::string text = daily ? dailyTitle(*daily) : std::string("Tempo scaduto");
  text += ": ";
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

std::string sharedResult(int score, const std::vector<std::string>& words, const std::vector<std::string>& solutions,
                         const std::optional<CalendarDate>& daily) {
  const long long possible = possiblePoints(solutions);
  const long long percent = possible > 0 ? (200LL * score + possible) / (2 * possible) : 0;
  std::string text = "Vocari · ";
  if (daily) text += dailyTitle(*daily) + " · ";
  for (const std::string& piece : {std::to_string(score), std::string(" punti su "), std::to_string(possible),
                                   std::string(" ("), std::to_string(percent), std::string(" %) · "),
                                   std::to_string(words.size()), std::string(words.size() == 1 ? " parola" : " parole")})
    text += piece;
  // The first found of the longest.
  const std::string* longest = nullptr;
  for (const std::string& word : words)
    if (!longest || word.size() > longest->size()) longest = &word;
  if (longest) text += " · la più lunga: " + *longest;
  return text;
}

void Form1::showSummary() {
  round.summary = gameSummary(round.score, int(round.words.size()), round.solutions, round.opponent, playTime(), round.daily);
  round.marksShown = true;
}

void Form1::mCopia_Click() {
  const Shown shown{*this};
  if (round.summary.empty()) return;
  platform().copyText(sharedResult(round.score, round.words, round.solutions, round.daily));
}

}  // namespace vocari
