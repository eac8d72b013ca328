#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "plan_fields.h"
#include "values/fault.h"

namespace plan {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPlanField = 17;  // the first plan field of a batch output line

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream stream(line);
  while (std::getline(stream, field, separator)) fields.push_back(field);
  if (!line.empty() && line.back() == separator) fields.emplace_back();
  return fields;
}

std::vector<std::string> Lines(const fs::path& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// Applies "# options: --grade 1 --bobbin 0.5 …" as the batch tool would.
Settings OptionsOf(const std::vector<std::string>& in_lines) {
  static const std::map<std::string, Setting> kOptions{{"--grade", Setting::Grade},
                                                       {"--bobbin", Setting::Bobbin},
                                                       {"--interlayer", Setting::Interlayer},
                                                       {"--between", Setting::Between},
                                                       {"--wrap", Setting::Wrap}};
  Settings settings;
  for (const std::string& line : in_lines) {
    if (line.rfind("# options:", 0) != 0) continue;
    std::istringstream words(line.substr(10));
    for (std::string option, value; words >> option >> value;) {
      const auto reason = SetFromText(settings, kOptions.at(option), value);
      EXPECT_FALSE(reason) << *reason;
    }
  }
  return settings;
}

class FitWatch final : public calc::ResultDisplay {
 public:
  bool fit = false;

  void ClearResults() override { fit = false; }
  void ShowLoadPower(const calc::DynamicValue&) override {}
  void ShowCoreFigures(const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const calc::DynamicValue&, const calc::DynamicValue&) override { fit = true; }
  void ShowWindings(const calc::DynamicValue&, const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&) override {}
};

// The plan fields of one run; all empty when the run faulted or its core does not fit.
std::vector<std::string> RunAndPlan(calc::CalculatorState& record, const std::string& line,
                                    const Settings& settings) {
  const std::vector<std::string> texts = Split(line, '\t');
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

TEST_P(BatchExampleTest, GivesTheExpectedPlanFields) {
  const fs::path base = fs::path(TS_PLAN_EXAMPLES_DIR) / GetParam();
  const std::vector<std::string> in_lines = Lines(base.string() + ".in");
  const std::vector<std::string> out_lines = Lines(base.string() + ".out");
  const Settings settings = OptionsOf(in_lines);
  calc::CalculatorState record;  // one session: the runs of a file share the record
  std::size_t out = 0;
  for (const std::string& line : in_lines) {
    if (line.empty() || line[0] == '#') continue;
    ASSERT_LT(out, out_lines.size());
    const std::vector<std::string> expected_line = Split(out_lines[out++], '\t');
    ASSERT_EQ(expected_line.size(), kPlanField + 26) << line;
    const std::vector<std::string> expected(expected_line.begin() + kPlanField,
                                            expected_line.end());
    EXPECT_EQ(RunAndPlan(record, line, settings), expected) << line;
  }
  EXPECT_EQ(out, out_lines.size());
}

INSTANTIATE_TEST_SUITE_P(Examples, BatchExampleTest,
                         ::testing::Values("plan_start", "plan_fill", "plan_opts_grade1"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace plan
