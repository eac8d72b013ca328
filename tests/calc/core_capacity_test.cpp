#include "calc/core_capacity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/fault.h"

namespace calc {
namespace {

class NoDisplay final : public ResultDisplay {
  void ClearResults() override {}
  void ShowLoadPower(const DynamicValue&) override {}
  void ShowCoreFigures(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                       const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const DynamicValue&, const DynamicValue&) override {}
  void ShowWindings(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                    const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
};

// Runs `texts` on `record`; whether the run accepted the core without a fault.
bool Accepts(CalculatorState& record, const InputTexts& texts) {
  NoDisplay display;
  RunTrace trace;
  try {
    CalculateDesign(record, texts, display, trace);
  } catch (const values::Fault&) {
    return false;
  }
  return trace.fits;
}

// Consecutive runs on one record, as a user presses Calculate; the last one is asked about.
struct Session {
  const char* name;
  std::vector<InputTexts> runs;
  const char* words;  // none: no capacity is given
};

// Past the largest accepted current of every session.
constexpr std::int64_t kScanned = 2000;

// Every current up to kScanned tried one by one: the accepted ones as spans.
std::vector<CurrentRange> ScannedOneByOne(const CalculatorState& record, InputTexts texts) {
  std::vector<CurrentRange> spans;
  for (std::int64_t k = 1; k <= kScanned; ++k) {
    CalculatorState copy = record;
    const std::string current = CurrentText(k);
    texts[3] = current;
    if (!Accepts(copy, texts)) continue;
    if (!spans.empty() && spans.back().high + 1 == k) {
      spans.back().high = k;
    } else {
      spans.push_back({k, k});
    }
  }
  return spans;
}

// The search gives exactly what a scan of every current gives, bands where Ps rises with the
// load (tape shell past 15 W; coefficients carried below 5 W) included, and never more runs
// than its bound: 2 + 27 · 11 + 28 · 12 for the ring's eleven thresholds.
TEST(CoreCapacity, EqualsAScanOfEveryCurrent) {
  const Session sessions[] = {
      {"small shell refused on a first run",
       {{"1", "220", "12", "2", "2", "2.5", "1.2", "3", "0.35"}},
       "Сердечник отдаст до 18 Вт: при U2 = 12 В ток нагрузки до 1.15 А"},
      {"tape shell whose Ps rises past 15 W",
       {{"2", "220", "12", "1.2", "2", "2", "1.3", "3", "0.35"}},
       "Сердечник отдаст до 22 Вт: при U2 = 12 В ток нагрузки до 1.15 А или от 1.26 до 1.41 А"},
      {"below 5 W the coefficients of a 96 W run carry",
       {{"1", "220", "12", "8", "3", "3", "2", "4", "0.35"},
        {"1", "220", "12", "0.4", "1", "2", "1", "3.5", "0.35"}},
       "Сердечник отдаст до 7 Вт: при U2 = 12 В ток нагрузки до 0.38 А или от 0.42 до 0.44 А"},
      {"U2 typed with a comma reads as 12",
       {{"1", "220", "12,5", "2", "2", "2.5", "1.2", "3", "0.35"}},
       "Сердечник отдаст до 18 Вт: при U2 = 12 В ток нагрузки до 1.15 А"},
      {"ring refused at 20 A",
       {{"3", "220", "24", "20", "2", "5", "7", "12", "0.2"}},
       "Сердечник отдаст до 487 Вт: при U2 = 24 В ток нагрузки до 15.6 А"},
      {"core too small for any current",
       {{"1", "220", "12", "5", "1", "1", "0.5", "1", "0.35"}},
       "Сердечник отдаст до 0 Вт: при U2 = 12 В не подходит ни один ток нагрузки от 0.01 А"},
  };
  for (const Session& s : sessions) {
    CalculatorState record;
    for (const InputTexts& texts : s.runs) Accepts(record, texts);
    const std::optional<CoreCapacity> capacity = FindCoreCapacity(record, s.runs.back());
    ASSERT_TRUE(capacity) << s.name;
    EXPECT_EQ(CapacityWords(*capacity), s.words) << s.name;
    EXPECT_EQ(capacity->accepted, ScannedOneByOne(record, s.runs.back())) << s.name;
    EXPECT_LE(capacity->runs, 2 + 27 * 11 + 28 * 12) << s.name;
  }
}

// Only a run that ends with «Неподходит» at a U2 above 0 is answered.
TEST(CoreCapacity, NoneForARunThatIsNotARefusal) {
  const Session sessions[] = {
      {"fits", {{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}}, nullptr},
      {"faults: no coefficient below 2 W on a fresh record",
       {{"1", "220", "12", "0.1", "2", "2.5", "1.2", "3", "0.35"}},
       nullptr},
      {"refused at U2 = 0 by a core of no section",
       {{"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"},
        {"1", "220", "0", "1", "0", "2.5", "1.2", "3", "0.35"}},
       nullptr},
  };
  for (const Session& s : sessions) {
    CalculatorState record;
    for (const InputTexts& texts : s.runs) Accepts(record, texts);
    EXPECT_FALSE(FindCoreCapacity(record, s.runs.back())) << s.name;
  }
}

TEST(CoreCapacity, CurrentIsWrittenAsTypedWithAPoint) {
  const std::pair<std::int64_t, const char*> cases[] = {{1, "0.01"},
                                                        {5, "0.05"},
                                                        {45, "0.45"},
                                                        {50, "0.5"},
                                                        {300, "3"},
                                                        {1205, "12.05"},
                                                        {kMostHundredths, "1000000"}};
  for (const auto& [hundredths, text] : cases) EXPECT_EQ(CurrentText(hundredths), text);
}

}  // namespace
}  // namespace calc
