// Start-up of the main window: the program folder, the dictionary and the default settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// Whole files as the game reads them (the word list, the viewer's documents). The game passes
// its environment; diskFiles() reads the disk.
class FileReader {
 public:
  virtual ~FileReader() = default;
  virtual bool exists(const std::string& path) = 0;
  // As readWholeFile.
  virtual std::optional<std::string> readFile(const std::string& path, std::uintmax_t maxBytes) = 0;
};
FileReader& diskFiles();

// Why start-up failed: the word list is not in the program folder, or it is but cannot be read
// (a folder, too large, unreadable), or it is not a word list as the game writes it.
enum class StartUpError { DictionaryMissing, DictionaryUnreadable, DictionaryMalformed };

// True for a word list as the game writes it: lines of capitals A-Z, each ended by CR LF, in
// ascending byte order, at least one of them a word; the first line may be empty (it never counts
// as a word). Anything else (a saved game, a text in lower case, LF line ends) is not one.
bool isWordList(std::string_view text);

// Sets the program folder from `currentDir`, reads Base3.txt from it whole and sets the
// defaults. On failure leaves the dictionary empty and says why; the game words the message.
std::optional<StartUpError> startUp(const std::string& currentDir, Settings& settings, Dictionary& dict,
                                    FileReader& files);

}  // namespace vocari
