// Property and differential checks run by the fuzz targets and, on every kept input, by the
// regression tests. Each takes the raw input bytes and returns a description of the first fault
// found, or nothing when the input is handled correctly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vocari::fuzz {

using Failure = std::optional<std::string>;

// Game file bytes: readGameFile against a character-by-character reading, gridToBoard, a
// write/read round trip of the board and loadGameFile on the same bytes written to a file.
Failure checkGameFile(std::string_view input);

// The first 16 bytes are a board (any byte maps onto a die character); the rest is a dictionary
// text, then, after its last NUL byte, probe words. The index must answer every probe, and every
// prefix of the lines of the text, exactly as the literal probes do, and the fast search must
// find exactly what the reference walk with literal probes finds on the board.
Failure checkDictionary(std::string_view input);

// A viewer document: its lines, its advice entries against markers found line by line, and the
// viewer window loading it from a file in both modes and paging through it.
Failure checkViewer(std::string_view input);

// The text of the game-time field: leadingNumber against a plain conversion of the same text,
// formatNumber round trips, and the options window accepting or ignoring it on Enter.
Failure checkOptions(std::string_view input);

}  // namespace vocari::fuzz
