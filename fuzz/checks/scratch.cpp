#include "fuzz/checks/scratch.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace vocari::fuzz {
namespace {

std::filesystem::path makeScratchDir() {
  std::error_code ec;
  std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / "vocari-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

void removeScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(scratchDir(), ec);
}

}  // namespace

const std::filesystem::path& scratchDir() {
  static const std::filesystem::path dir = makeScratchDir();
  // Registered after dir is made, so it runs before dir is destroyed.
  static const int registered = std::atexit(removeScratchDir);
  (void)registered;
  return dir;
}

std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes) {
  const std::filesystem::path path = scratchDir() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}

}  // namespace vocari::fuzz
