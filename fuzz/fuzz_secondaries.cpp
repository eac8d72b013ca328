// Any bytes as the lines of one batch input with --json --secondaries on one record: a line's
// fields are all counted, a line is either refused with a reason or read into at most seven
// further secondaries, and every run writes exactly one line that parses as a JSON object with
// its members in order, the design listing one winding per secondary asked for. Plan, check and
// diode settings are picked by the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/batch_session.h"
#include "batch/secondaries_line.h"

namespace {

using Json = nlohmann::ordered_json;

[[noreturn]] void Fail(const char* what, std::string_view line, std::string_view output) {
  std::fprintf(stderr, "%s\n  line = \"%.*s\"\n  output = \"%.*s\"\n", what,
               static_cast<int>(line.size()), line.data(), static_cast<int>(output.size()),
               output.data());
  std::abort();
}

batch::Columns PickColumns(std::string_view input) {
  constexpr double kThicknesses[] = {0, 0.05, 1, 100};
  constexpr double kDiodes[] = {0, 0.7, 1, 100};
  constexpr double kAmbients[] = {-40, 40};
  const std::size_t h = std::hash<std::string_view>{}(input);
  batch::Columns columns{.notes = (h & 1) != 0, .plan = (h & 2) != 0, .check = (h & 4) != 0};
  columns.json = true;
  columns.secondaries = true;
  columns.plan_settings.grade = 1 + static_cast<int>((h >> 3) & 1);
  columns.plan_settings.bobbin = kThicknesses[(h >> 4) & 3];
  columns.plan_settings.between = kThicknesses[(h >> 6) & 3];
  columns.check_settings.ambient = kAmbients[(h >> 8) & 1];
  columns.rectifier.diode = kDiodes[(h >> 9) & 3];
  return columns;
}

void CheckSplit(std::string_view line, const batch::SecondaryFields& wide) {
  const std::size_t tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
  if (wide.count != tabs + 1) Fail("fields miscounted", line, "");
}

void CheckRequest(std::string_view line, const batch::SecondaryFields& wide,
                  const windings::Request& request) {
  if (request.further.size() >= windings::kMaxSecondaries) Fail("too many secondaries", line, "");
  if (wide.count > 10 && (wide.count - 10) % 3 != 0) Fail("a broken group was taken", line, "");
}

void CheckLine(std::string_view line, const batch::Columns& columns,
               const windings::Request& request, std::string_view out) {
  if (out.empty() || out.back() != '\n' || out.find('\n') != out.size() - 1) {
    Fail("a run must write exactly one line", line, out);
  }
  Json json;
  try {
    json = Json::parse(out.substr(0, out.size() - 1));
  } catch (const Json::exception&) {
    Fail("the line is not JSON", line, out);
  }
  std::vector<std::string> keys;
  for (const auto& [key, member] : json.items()) keys.push_back(key);
  std::vector<std::string> expected{"labels", "status"};
  if (columns.notes) expected.push_back("notes");
  if (columns.plan) expected.push_back("plan");
  if (columns.check) expected.push_back("check");
  expected.push_back("design");
  if (keys != expected) Fail("members missing or out of order", line, out);
  if (json["labels"].size() != calc::kResultLabelCount) Fail("not sixteen labels", line, out);
  const Json& windings = json["design"]["windings"];
  if (!windings.is_null() && windings.size() != request.further.size() + 1) {
    Fail("a winding lost or added", line, out);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const batch::Columns columns = PickColumns(input);
  batch::Session session(columns);
  batch::SecondaryFields wide;
  std::string out;
  while (!input.empty()) {
    const std::size_t newline = input.find('\n');
    std::string_view line = input.substr(0, newline);
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    batch::SplitSecondaryFields(line, wide);
    CheckSplit(line, wide);
    const auto read = batch::ReadSecondaries(wide);
    if (const std::string* refusal = std::get_if<std::string>(&read)) {
      if (refusal->empty()) Fail("a refusal without words", line, "");
      continue;
    }
    const windings::Request& request = std::get<windings::Request>(read);
    CheckRequest(line, wide, request);
    out.clear();
    session.RunJson(batch::RunTexts(wide), &request, out);
    CheckLine(line, columns, request, out);
  }
  return 0;
}
