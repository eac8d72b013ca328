#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "test_support.h"
#include "values/fault.h"
#include "values/std_compat.h"

namespace plan {
namespace {

constexpr std::size_t kPlanField = 17;  // where the plan starts on a batch output line

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back().push_back(c);
    }
  }
  return fields;
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// "# options: --grade 1 --bobbin 0.5 …", applied as the batch tool applies them.
void ApplyOptions(const std::string& line, Settings& settings) {
  std::istringstream words(line.substr(line.find(':') + 1));
  for (std::string option, value; words >> option >> value;) {
    const auto rule = values::compat::Find(kSettingRules, option, &values::SettingRule::option);
    ASSERT_NE(rule, kSettingRules.end()) << option;
    const auto which = kAllSettings[static_cast<std::size_t>(rule - kSettingRules.begin())];
    EXPECT_EQ(SetFromText(settings, which, value), std::nullopt);
  }
}

// The plan fields of one run on the record: all empty when it faulted or its core does not fit.
std::vector<std::string> RunAndPlan(calc::CalculatorState& record, const std::string& line,
                                    const Settings& settings) {
  const std::vector<std::string> texts = Split(line);
  calc::InputTexts inputs;
  for (std::size_t i = 0; i < inputs.size() && i < texts.size(); ++i) inputs[i] = texts[i];
  FitWatch watch;
  try {
    calc::CalculateDesign(record, inputs, watch);
  } catch (const values::Fault&) {
    return std::vector<std::string>(26);
  }
  if (!watch.fit) return std::vector<std::string>(26);
  return PlanFields(MakePlan(ReadRun(record), settings));
}

class BatchExampleTest : public ::testing::TestWithParam<const char*> {};

// Each line of an .in file is one run on the same record; its .out line ends with the plan.
TEST_P(BatchExampleTest, GivesTheExpectedPlanFields) {
  const std::string base = std::string(TS_PLAN_EXAMPLES_DIR) + "/" + GetParam();
  const std::vector<std::string> out_lines = Lines(base + ".out");
  Settings settings;
  calc::CalculatorState record;
  std::size_t out = 0;
  for (const std::string& line : Lines(base + ".in")) {
    if (line.starts_with("# options:")) ApplyOptions(line, settings);
    if (line.empty() || line[0] == '#') continue;
    ASSERT_LT(out, out_lines.size());
    const std::vector<std::string> expected = Split(out_lines[out++]);
    ASSERT_EQ(expected.size(), kPlanField + 26) << line;
    EXPECT_EQ(RunAndPlan(record, line, settings),
              std::vector<std::string>(expected.begin() + kPlanField, expected.end()))
        << line;
  }
  EXPECT_EQ(out, out_lines.size());
}

INSTANTIATE_TEST_SUITE_P(Examples, BatchExampleTest,
                         ::testing::Values("plan_start", "plan_fill", "plan_opts_grade1"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace plan
