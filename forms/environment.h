// What the game needs from the machine beyond the window system: whole files read, game files
// loaded and saved atomically, and the current and home folders. Beside the Platform seam, so
// the game's tests run on a fake (tests/support/fake_environment.h) and never touch the disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/startup.h"
#include "savegame/game_file.h"

namespace vocari {

class Environment : public FileReader {
 public:
  // As loadGameFile and saveGameFileAtomically.
  virtual LoadedGameFile loadGameFile(const std::string& path) = 0;
  virtual std::optional<SaveError> saveGameFile(const std::string& path, std::string_view bytes) = 0;
  // The process's current folder ("" when it cannot be told), the home folder ("" when unset),
  // and whether the player may write in a folder.
  virtual std::string currentFolder() = 0;
  virtual std::string homeFolder() = 0;
  virtual bool writable(const std::string& folder) = 0;
  // Whether two paths name the same file, however spelt: "./", "..", symbolic links, another
  // name of the same file. A path that does not exist yet is compared through its folder.
  virtual bool sameFile(const std::string& a, const std::string& b) = 0;
};

// The machine's own environment.
Environment& systemEnvironment();

}  // namespace vocari
