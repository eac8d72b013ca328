#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_tool.h"
#include "read_all.h"

namespace batch {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Output {
  int status;
  std::string text;
  std::string errors;
};

Output RunTool(std::vector<std::string> args) {
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunBatchTool(argv, stdin, out, err);
  Output result{status, ReadAll(out), ReadAll(err)};
  std::fclose(out);
  std::fclose(err);
  return result;
}

std::vector<std::string> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string> parts;
  while (true) {
    const std::size_t at = text.find_first_of(separators);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// A member null for an object all of whose fields are empty stands for that many fields.
std::size_t NullWidth(std::string_view key) {
  if (key == "plan") return 26;
  if (key == "check") return 27;
  if (key == "primary" || key == "secondary") return 11;
  return 1;
}

void Expand(const Json& object, std::vector<std::string>& fields) {
  for (const auto& [key, member] : object.items()) {
    if (member.is_null()) {
      fields.insert(fields.end(), NullWidth(key), "");
    } else if (member.is_object()) {
      Expand(member, fields);
    } else if (key == "labels") {
      for (const Json& label : member) fields.push_back(label.get<std::string>());
    } else if (key == "notes") {
      std::string codes;
      for (const Json& code : member)
        codes.append(codes.empty() ? "" : " ").append(code.get<std::string>());
      fields.push_back(codes);
    } else if (member.is_string()) {
      fields.push_back(member.get<std::string>());
    } else {
      // A number, compared by its value; "#" marks it.
      std::string number(1, '#');
      number += member.dump();
      fields.push_back(number);
    }
  }
}

// A sheet's decimal commas are the TSV's only: the JSON writes labels and numbers with ".".
bool SameField(const std::string& json, std::string tsv, bool decimal_comma) {
  if (decimal_comma) std::replace(tsv.begin(), tsv.end(), ',', '.');
  if (!json.starts_with("#")) return json == tsv;
  if (tsv.empty()) return false;
  char* end = nullptr;
  const double value = std::strtod(tsv.c_str(), &end);
  return *end == '\0' && value == std::strtod(json.c_str() + 1, nullptr);
}

std::vector<std::string> OptionsLine(const std::string& input) {
  std::vector<std::string> options;
  constexpr std::string_view kOptionsLine = "# options:";
  if (!input.starts_with(kOptionsLine)) return options;
  std::istringstream line(
      input.substr(kOptionsLine.size(), input.find('\n') - kOptionsLine.size()));
  for (std::string word; line >> word;) options.push_back(word);
  return options;
}

// --json alone writes each TSV field of every existing option set as a JSON member: strings as
// strings, figures as the numbers their texts show, empty fields as null.
TEST(JsonWithoutSecondaries, HoldsTheTsvFieldsMemberForMember) {
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(TS_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".in") continue;
    const std::string name = entry.path().stem().string();
    std::vector<std::string> options = OptionsLine(ReadAll(entry.path()));
    if (std::find(options.begin(), options.end(), "--json") != options.end()) continue;
    if (name.starts_with("notes_")) options.push_back("--notes");
    if (name.starts_with("plan_") || name.find("_plan_") != std::string::npos) {
      options.push_back("--plan");
    }
    if (name.starts_with("check_")) options.push_back("--check");
    const bool decimal_comma =
        std::find(options.begin(), options.end(), "--decimal-comma") != options.end();
    const bool header = std::find(options.begin(), options.end(), "--header") != options.end();
    options.push_back(entry.path().string());
    const Output tsv = RunTool(options);
    options.insert(options.begin(), "--json");
    const Output json = RunTool(options);
    EXPECT_EQ(json.status, tsv.status) << name;
    EXPECT_EQ(json.errors, tsv.errors) << name;
    std::vector<std::string> tsv_lines = Split(tsv.text, "\n");
    if (header && !tsv_lines.empty()) tsv_lines.erase(tsv_lines.begin());
    const std::vector<std::string> json_lines = Split(json.text, "\n");
    ASSERT_EQ(json_lines.size(), tsv_lines.size()) << name;
    for (std::size_t k = 0; k + 1 < json_lines.size(); ++k) {
      std::vector<std::string> fields;
      Expand(Json::parse(json_lines[k]), fields);
      const std::vector<std::string> tsv_fields = Split(tsv_lines[k], decimal_comma ? "\t;" : "\t");
      ASSERT_EQ(fields.size(), tsv_fields.size()) << name << " line " << k + 1;
      for (std::size_t f = 0; f < fields.size(); ++f) {
        EXPECT_TRUE(SameField(fields[f], tsv_fields[f], decimal_comma))
            << name << " line " << k + 1 << " field " << f + 1 << ": " << fields[f] << " vs "
            << tsv_fields[f];
      }
      ++compared;
    }
  }
  EXPECT_GT(compared, 100);
}

// Every line a run writes is one JSON object, its members in the documented order.
TEST(JsonLines, NameTheirMembersInOrder) {
  const fs::path path = fs::path(TS_EXAMPLES_DIR) / "json_e1_heater.in";
  const Output out =
      RunTool({"--json", "--secondaries", "--notes", "--plan", "--check", path.string()});
  const Json line = Json::parse(out.text.substr(0, out.text.find('\n')));
  std::vector<std::string> keys;
  for (const auto& [key, member] : line.items()) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"labels", "status", "notes", "plan", "check", "design"}));
}

struct Refusal {
  std::vector<std::string> options;
  std::string message;
};

// Options that cannot work together stop the tool before any line, with one message.
TEST(SecondaryOptions, AreRefusedWithTheirMessages) {
  const std::string input = (fs::path(TS_EXAMPLES_DIR) / "example_start.in").string();
  const std::string prefix = "transformer-sizer-batch: ";
  const std::vector<Refusal> refusals{
      {{"--secondaries"}, "параметр --secondaries действует только вместе с --json; см. --help"},
      {{"--json", "--secondaries", "--diode", "1"},
       "параметр --diode действует только вместе с --check и --secondaries; см. --help"},
      {{"--json", "--check", "--diode", "1"},
       "параметр --diode действует только вместе с --check и --secondaries; см. --help"},
      {{"--json", "--check", "--secondaries", "--diode", "101"},
       "--diode: падение на диоде должно быть числом от 0 до 100 В, а не «101»"},
      {{"--json", "--check", "--secondaries", "--diode=abc"},
       "--diode: падение на диоде должно быть числом от 0 до 100 В, а не «abc»"},
      {{"--json", "--check", "--secondaries", "--diode="},
       "--diode: падение на диоде должно быть числом от 0 до 100 В, а не «»"},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> args = refusal.options;
    args.push_back(input);
    const Output out = RunTool(args);
    EXPECT_EQ(out.status, kExitInputError) << refusal.message;
    EXPECT_EQ(out.text, "") << refusal.message;
    EXPECT_EQ(out.errors, prefix + refusal.message + "\n");
  }
}

}  // namespace
}  // namespace batch
