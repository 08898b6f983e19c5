// The machine as the game's tests see it: files held in memory under their full paths, a set of
// folders, and the current and home folders as set. Nothing touches the disk.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "forms/environment.h"

namespace vocari::testing {

class FakeEnvironment : public Environment {
 public:
  bool exists(const std::string& path) override { return files.count(path) || folders.count(path); }
  std::optional<std::string> readFile(const std::string& path, std::uintmax_t maxBytes) override {
    const auto it = files.find(path);
    if (it == files.end() || it->second.size() > maxBytes) return std::nullopt;
    return it->second;
  }
  LoadedGameFile loadGameFile(const std::string& path) override {
    if (const auto it = files.find(path); it != files.end()) return gameFileFromBytes(it->second);
    using enum std::errc;
    return {GameFileError::CannotRead, std::make_error_code(folders.count(path) ? is_a_directory : no_such_file_or_directory), {},
            emptyBoard()};
  }
  // A save into a folder that is not there, or onto a folder, fails as on disk.
  std::optional<SaveError> saveGameFile(const std::string& path, std::string_view bytes) override {
    if (folders.count(path)) return SaveError{SaveError::Step::Replace, std::make_error_code(std::errc::is_a_directory)};
    if (!folders.count(std::filesystem::path(path).parent_path().string()))
      return SaveError{SaveError::Step::CreateTemporary, std::make_error_code(std::errc::no_such_file_or_directory)};
    files[path] = std::string(bytes);
    return std::nullopt;
  }
  std::string currentFolder() override { return current; }
  std::string homeFolder() override { return home; }
  bool writable(const std::string& folder) override { return folders.count(folder) && folder != readOnly; }
  // Spellings only: the fake has no links.
  bool sameFile(const std::string& a, const std::string& b) override {
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
  }

  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::string current = "/corrente", home = "/casa", readOnly;
};

}  // namespace vocari::testing
