#include "batch/options.h"

#include <string_view>

namespace batch {

std::variant<Options, std::string> ParseOptions(std::span<const char* const> args) {
  Options options;
  bool options_end = false;
  for (const char* arg : args) {
    const std::string_view a(arg);
    if (options_end || a == "-" || !a.starts_with('-')) {
      options.paths.push_back(arg);
    } else if (a == "--") {
      options_end = true;
    } else if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "--version") {
      options.version = true;
    } else if (a == "--header") {
      options.header = true;
    } else if (a == "--notes") {
      options.columns.notes = true;
    } else {
      return "неизвестный параметр «" + std::string(a) + "»; см. --help";
    }
  }
  return options;
}

}  // namespace batch
