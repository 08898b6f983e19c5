// The search for every dictionary word that can be formed on a board.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary.h"
#include "core/game_state.h"

namespace vocari {

// Called at every start die and after every few thousand steps; lets pending window events
// run. Returning false abandons the search.
using SearchYield = std::function<bool()>;

// How the walk counts the set bits that give a child's place in the index: `automatic` with the
// processor's popcount instruction when it has one (checked at run time, since the package is
// built for baseline x86-64) and by table lookups otherwise; `table` always by the lookups. The
// words found are the same either way.
enum class BitCounting { automatic, table };

// Every word of two or more dice along a chain of touching dice, each die used once, that is a
// whole word of the dictionary; each word once, in ascending byte order. nullopt when a yield
// abandoned the search. A yield may start another search.
std::optional<std::vector<std::string>> findSolutions(const Board& board, const Dictionary& dict,
                                                      const SearchYield& yield = {},
                                                      BitCounting counting = BitCounting::automatic);

using Probe = std::function<bool(std::string_view)>;

// The walk step by step as the game describes it, with the two probes given as functions
// (prefix: CR LF + w occurs; whole: CR LF + w + CR LF occurs), filling a list kept sorted on
// insertion and removing adjacent duplicates from the last entry to the first. Slow with
// literal probes; it is the reference the fast search is checked against.
std::vector<std::string> referenceSolutions(const Board& board, const Probe& isPrefix,
                                            const Probe& isWord);

}  // namespace vocari
