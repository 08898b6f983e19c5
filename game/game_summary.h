// The end of a game in words: the player's points and words out of every solution of the grid,
// and, for a game opened from a file with a result, the verdict against that result.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "forms/platform.h"

namespace vocari {

inline constexpr Colour kSummaryColour = rgb(0, 0, 128);
inline constexpr const char* kCompetitionPrefix = "Gara con: ";

// A result as a game file stores it after its "'" marker: time "'-" score "#".
struct StoredResult {
  double time = 0;
  double score = 0;
};

// The result in a text such as "120'-8#"; nothing when the text does not start with a time
// followed by "'-" and a score.
std::optional<StoredResult> parseStoredResult(std::string_view text);

// "Tempo scaduto: 68 punti su 412 possibili, 5 parole su 73", each solution scored as the word
// check scores it ("Sfida del 07/12/2026: ..." for the grid of the day); with a stored result a
// second line "Gara: hai vinto, 93 a 73" ("hai perso", "pari"), which also says so when the
// stored time differs from this game's.
std::string gameSummary(int score, int wordsFound, const std::vector<std::string>& solutions,
                        const std::optional<StoredResult>& stored, double gameTime,
                        const std::optional<CalendarDate>& daily = std::nullopt);

// The result as one line to paste in a chat: "Vocari · Sfida del 07/12/2026 · 84 punti su 312
// (27 %) · 12 parole · la più lunga: SCALATO"; without the date part for an ordinary game,
// without the longest word when none was found.
std::string sharedResult(int score, const std::vector<std::string>& words, const std::vector<std::string>& solutions,
                         const std::optional<CalendarDate>& daily);

}  // namespace vocari
