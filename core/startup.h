// Start-up of the main window: the program folder, the dictionary and the default settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/dictionary.h"
#include "core/game_state.h"

namespace vocari {

inline constexpr const char* kDictionaryName = "Base3.txt";
// A dictionary larger than this is refused rather than read.
inline constexpr std::uintmax_t kMaxDictionaryBytes = 256u * 1024 * 1024;

// `dir` with exactly one trailing "/".
std::string withTrailingSeparator(std::string dir);

// Reads a whole file as bytes, refusing files larger than maxBytes. nullopt when the file is
// missing, not a regular file, too large or cannot be read.
std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes);

// Sets the program folder from `currentDir`, reads Base3.txt from it whole and sets the
// defaults. On failure returns a short Italian message that names the file and the folder,
// and leaves the dictionary empty.
std::optional<std::string> startUp(const std::string& currentDir, Settings& settings,
                                   GameState& state, Dictionary& dict);

}  // namespace vocari
