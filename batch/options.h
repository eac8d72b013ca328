#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "plan/settings.h"

namespace batch {

/// What each output line holds beyond the sixteen results and the status.
struct Columns {
  bool notes = false;                  ///< the run's notes, one field
  std::optional<plan::Settings> plan;  ///< the winding plan with these settings, 26 fields
};

/// A command line of the tool.
struct Options {
  bool help = false;
  bool version = false;
  bool header = false;  ///< a first line naming the columns
  Columns columns;
  std::vector<const char*> paths;  ///< files in turn; none or "-" is standard input
};

/// The options and files of `args`, or why they are refused, in Russian.
std::variant<Options, std::string> ParseOptions(std::span<const char* const> args);

}  // namespace batch
