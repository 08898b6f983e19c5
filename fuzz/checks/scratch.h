// A private folder for the files the checks write, made once per process and removed at exit.
#pragma once

#include <filesystem>
#include <string_view>

namespace vocari::fuzz {

const std::filesystem::path& scratchDir();

// Replaces the file `name` in the scratch folder with `bytes`; returns its path.
std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes);

}  // namespace vocari::fuzz
