#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string_view>

namespace app {

/// Answers --help (-h) and --version on `out` and gives the exit status; nothing for any other
/// arguments. Needs no display: call it before Qt starts.
std::optional<int> AnswerInformationOption(std::span<const char* const> args, std::FILE* out);

/// The design file to open: the first argument that is no option, or the first after "--".
/// Call it once Qt has taken its own options, whose values are no files.
std::optional<std::string_view> DesignArgument(std::span<const char* const> args);

}  // namespace app
