#include "batch/decimal_comma.h"

#include <algorithm>

namespace batch {

bool IsEmptySheetRow(std::string_view line) {
  return line.find_first_not_of(" \t;") == std::string_view::npos;
}

char ToDecimalPoint(std::string_view line, std::string& out) {
  const char separator = line.find('\t') == std::string_view::npos ? ';' : '\t';
  out.assign(line);
  for (char& c : out) {
    if (c == ',') {
      c = '.';
    } else if (c == separator) {
      c = '\t';
    }
  }
  return separator;
}

void ToDecimalComma(std::string& out, std::size_t from, char separator) {
  std::for_each(out.begin() + static_cast<long>(from), out.end(), [separator](char& c) {
    if (c == '.') {
      c = ',';
    } else if (c == '\t') {
      c = separator;
    }
  });
}

}  // namespace batch
