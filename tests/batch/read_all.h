#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

/// The whole contents of a file.
inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// The whole contents of a stream written so far, read from its start; the stream stays open.
inline std::string ReadAll(std::FILE* stream) {
  std::rewind(stream);
  std::string text;
  char block[4096];
  while (const std::size_t got = std::fread(block, 1, sizeof block, stream))
    text.append(block, got);
  return text;
}
