#include "core/startup.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace vocari {

std::string withTrailingSeparator(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  return dir;
}

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || ec) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > maxBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(size, '\0');
  in.read(bytes.data(), std::streamsize(size));
  if (std::size_t(in.gcount()) != size) return std::nullopt;
  return bytes;
}

namespace {

class DiskFiles : public FileReader {
 public:
  bool exists(const std::string& path) override {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
  }
  std::optional<std::string> readFile(const std::string& path, std::uintmax_t maxBytes) override {
    return readWholeFile(path, maxBytes);
  }
};

}  // namespace

FileReader& diskFiles() {
  static DiskFiles files;
  return files;
}

bool isWordList(std::string_view text) {
  std::string_view previous;
  bool word = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) return false;
    const std::string_view line = text.substr(start, end - start);
    if (line.empty() ? start != 0 : line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string_view::npos)
      return false;
    if (start != 0 && line < previous) return false;
    word = word || !line.empty();
    previous = line;
    start = end + 2;
  }
  return word;
}

std::optional<StartUpError> startUp(const std::string& currentDir, Settings& settings, Dictionary& dict,
                                    FileReader& files) {
  settings.programDir = withTrailingSeparator(currentDir);
  settings.dictPath = settings.programDir + kDictionaryName;

  const bool exists = files.exists(settings.dictPath);
  std::optional<std::string> text;
  if (exists) text = files.readFile(settings.dictPath, kMaxDictionaryBytes);
  if (!text) {
    dict = Dictionary();
    return exists ? StartUpError::DictionaryUnreadable : StartUpError::DictionaryMissing;
  }
  if (!isWordList(*text)) {
    dict = Dictionary();
    return StartUpError::DictionaryMalformed;
  }
  dict = Dictionary(std::move(*text));
  settings.gameTime = kDefaultGameTime;
  return std::nullopt;
}

}  // namespace vocari
