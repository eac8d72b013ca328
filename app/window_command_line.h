#pragma once

#include <cstdio>
#include <optional>
#include <span>

namespace app {

/// Answers --help (-h) and --version on `out` and gives the exit status; nothing for any other
/// arguments, which the window ignores. Needs no display: call it before Qt starts.
std::optional<int> AnswerInformationOption(std::span<const char* const> args, std::FILE* out);

}  // namespace app
