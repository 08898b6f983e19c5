#include "forms/environment.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vocari {

namespace {

class SystemEnvironment : public Environment {
 public:
  bool exists(const std::string& path) override { return diskFiles().exists(path); }
  std::optional<std::string> readFile(const std::string& path, std::uintmax_t maxBytes) override {
    return diskFiles().readFile(path, maxBytes);
  }
  LoadedGameFile loadGameFile(const std::string& path) override { return vocari::loadGameFile(path); }
  std::optional<SaveError> saveGameFile(const std::string& path, std::string_view bytes) override {
    return saveGameFileAtomically(path, bytes);
  }
  std::string currentFolder() override {
    std::error_code ec;
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::string() : cwd.string();
  }
  std::string homeFolder() override {
    const char* home = std::getenv("HOME");
    return home ? home : "";
  }
  bool writable(const std::string& folder) override { return ::access(folder.c_str(), W_OK) == 0; }
  bool sameFile(const std::string& a, const std::string& b) override {
    std::error_code ea, eb, ee;
    const auto ca = std::filesystem::weakly_canonical(a, ea), cb = std::filesystem::weakly_canonical(b, eb);
    if (!ea && !eb && ca == cb) return true;
    return std::filesystem::equivalent(a, b, ee) && !ee;
  }
};

}  // namespace

Environment& systemEnvironment() {
  static SystemEnvironment environment;
  return environment;
}

}  // namespace vocari
