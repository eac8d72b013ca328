#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "check/settings.h"
#include "plan/settings.h"
#include "windings/settings.h"

namespace batch {

/// What each output line holds beyond the sixteen results and the status.
struct Columns {
  bool notes = false;              ///< the run's notes, one field
  bool plan = false;               ///< the winding plan, 26 fields
  bool check = false;              ///< the design check, 27 fields
  plan::Settings plan_settings;    ///< for the plan, and for the check's plans
  check::Settings check_settings;  ///< for the check
  bool json = false;               ///< a JSON object per run instead of TAB-separated fields
  bool secondaries = false;        ///< further secondaries on each line, designed with the first
  windings::Settings rectifier;    ///< for the rectifier windings of the secondaries
};

/// A command line of the tool.
struct Options {
  bool help = false;
  bool version = false;
  bool header = false;  ///< a first line naming the columns
  /// A sheet saved under a Russian locale: decimal commas in and out, ";" between fields.
  bool decimal_comma = false;
  Columns columns;
  std::vector<const char*> paths;  ///< files in turn; none or "-" is standard input
};

/// The options and files of `args`, or why they are refused, in Russian.
std::variant<Options, std::string> ParseOptions(std::span<const char* const> args);

}  // namespace batch
