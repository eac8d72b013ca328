#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/result_labels.h"
#include "values/fault.h"

namespace calc {
namespace {

using values::FaultKind;
using Labels = std::array<std::string, kResultLabelCount>;

const InputTexts kStart{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
const Labels kStartLabels{"18",   "1.7",  "4.7",  "0.19", "10",   "38.47", "570", "Подходит",
                          "0.93", "0.10", "0.02", "0.32", "0.16", "0.64",  "562", "50"};
const Labels kNotFitLabels{"18", "", "", "", "", "", "", "Неподходит",
                           "",   "", "", "", "", "", "", ""};

// The labels as the window holds them, and every write in order.
class RecordingLabels final : public LabelDisplay {
 public:
  Labels labels;
  std::vector<int> writes;

 private:
  void SetLabel(int number, std::string_view text) override {
    labels[static_cast<std::size_t>(number - kFirstResultLabel)] = text;
    writes.push_back(number);
  }
};

struct Outcome {
  Labels labels;
  std::optional<FaultKind> fault;
};

// One window session: consecutive Calculate clicks on one record.
class Session {
 public:
  Outcome Click(const InputTexts& texts) {
    std::optional<FaultKind> fault;
    try {
      CalculateDesign(state, texts, display);
    } catch (const values::Fault& f) {
      fault = f.kind();
    }
    return {display.labels, fault};
  }

  CalculatorState state;
  RecordingLabels display;
};

InputTexts With(InputTexts texts, std::size_t field, std::string_view text) {
  texts[field] = text;
  return texts;
}

struct RunCase {
  const char* name;
  std::vector<InputTexts> before;  // earlier clicks in the same session
  InputTexts inputs;
  Labels expected;
  std::optional<FaultKind> fault;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class DesignRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(DesignRunTest, FillsTheLabels) {
  const RunCase& c = GetParam();
  Session session;
  for (const InputTexts& texts : c.before) session.Click(texts);
  const Outcome outcome = session.Click(c.inputs);
  EXPECT_EQ(outcome.labels, c.expected);
  EXPECT_EQ(outcome.fault, c.fault);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DesignRunTest,
    ::testing::Values(
        RunCase{"start", {}, kStart, kStartLabels, std::nullopt},
        RunCase{"start_twice", {kStart}, kStart, kStartLabels, std::nullopt},
        RunCase{"core_form_1",
                {},
                With(kStart, 0, "1"),
                {"18", "1.3", "2.6", "0.27", "10", "84.00", "740", "Подходит", "0.93", "0.11",
                 "0.04", "0.58", "0.23", "0.86", "683", "54"},
                std::nullopt},
        RunCase{"small_core_does_not_fit",
                {},
                {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"},
                kNotFitLabels,
                std::nullopt},
        RunCase{"a_zero_does_not_fit", {}, With(kStart, 4, "0"), kNotFitLabels, std::nullopt},
        RunCase{"not_fit_after_fit",
                {kStart},
                {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"},
                kNotFitLabels,
                std::nullopt},
        RunCase{
            "comma_ends_the_thickness", {}, With(kStart, 8, "0,2"), kNotFitLabels, std::nullopt},
        RunCase{"letter_ends_the_current", {}, With(kStart, 3, "1.5A"), kStartLabels, std::nullopt},
        RunCase{"core_form_7_after_a_run",
                {kStart},
                With(kStart, 0, "7"),
                {"18", "1.7", "4.7", "0.19", "10", "38.47", "570", "Подходит", "0.93", "0.10",
                 "0.02", "0.32", "0.16", "0.64", "527", "46"},
                std::nullopt},
        RunCase{"low_power_with_earlier_coefficients",
                {kStart},
                With(kStart, 3, "0.1"),
                {"1.2", "1.7", "4.7", "0.19", "10", "38.47", "570", "Подходит", "0.93", "0.01",
                 "0.00", "0.02", "0.00", "0.16", "602", "52"},
                std::nullopt},
        RunCase{"negative_primary_current_shown_signed",
                {{"1", "220", "3", "1", "2", "5", "7", "12", "0.2"}},
                {"1", "220", "-12", "1.5", "2", "5", "7", "12", "0.2"},
                {"-18", "", "", "", "10", "84.00", "0", "Подходит", "0.9", "-0.15", "", "", "", "",
                 "", ""},
                FaultKind::DivisionByZero}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Faults, DesignRunTest,
    ::testing::Values(RunCase{"text1_overflow_touches_no_label",
                              {kStart},
                              With(kStart, 0, "40000"),
                              kStartLabels,
                              FaultKind::Overflow},
                      RunCase{"first_low_power_run_divides_by_zero",
                              {},
                              With(kStart, 3, "0.1"),
                              {"1.2", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                              FaultKind::DivisionByZero},
                      RunCase{"zero_primary_voltage",
                              {kStart},
                              With(kStart, 1, "0"),
                              {"18", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                              FaultKind::DivisionByZero},
                      RunCase{"all_empty_first",
                              {},
                              {"", "", "", "", "", "", "", "", ""},
                              {"0", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                              FaultKind::DivisionByZero},
                      RunCase{"negative_section_at_the_diameter",
                              {kStart},
                              With(kStart, 3, "-1.5"),
                              {"-18", "1.7", "4.7", "0.19", "10", "38.47", "570", "Подходит",
                               "0.93", "-0.10", "", "", "", "", "", ""},
                              FaultKind::InvalidArgument},
                      RunCase{"overflow_before_the_load_power_keeps_its_old_text",
                              {kStart},
                              {"3", "220", "1e200", "1e200", "2", "5", "7", "12", "0.2"},
                              {"18", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                              FaultKind::Overflow},
                      RunCase{"infinite_times_zero",
                              {},
                              {"3", "220", "1e400", "0", "2", "5", "7", "12", "0.2"},
                              {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                              FaultKind::Overflow},
                      RunCase{"zero_cross_section_with_negative_load",
                              {kStart},
                              {"3", "-220", "-12", "1.5", "0", "5", "7", "12", "0.2"},
                              {"-18", "1.7", "4.7", "0.19", "0", "38.47", "0", "Подходит", "0.93",
                               "0.10", "", "", "", "", "", ""},
                              FaultKind::DivisionByZero}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculateDesign, AWindowAreaTextBeyondTheRangeFaultsWhereIsIsReadBack) {
  // h × c is the largest double; its text rounds above the range and cannot be read back.
  const InputTexts huge{"1", "220", "12", "1.5", "2", "5", "1", "1.7976931348623157e308", "0.2"};
  Session session;
  const Outcome faulted = session.Click(huge);
  EXPECT_EQ(faulted.fault, FaultKind::Overflow);
  EXPECT_EQ(faulted.labels,
            (Labels{"18", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  // The steps before Ps ran: the tables set their members and I1 was computed.
  EXPECT_EQ(session.state.kpd.ToDouble(), 0.8);
  EXPECT_EQ(session.state.Ks.ToDouble(), 0.87);
  EXPECT_EQ(*session.state.I1.text(), "0.11");
  // So the next low-power run computes with them instead of dividing by zero.
  EXPECT_EQ(session.Click(With(With(kStart, 0, "1"), 3, "0.1")).fault, std::nullopt);
}

TEST(CalculateDesign, StartInputsHoldTheShownTexts) {
  Session session;
  session.Click(kStart);
  const CalculatorState& s = session.state;
  EXPECT_EQ(s.N, 3);
  EXPECT_EQ(s.Pi.ToDouble(), 18 * 1.3);
  EXPECT_EQ(*s.So.text(), "38.47");
  EXPECT_EQ(*s.Ps.text(), "570");
  EXPECT_EQ(*s.I1.text(), "0.10");
  EXPECT_EQ(*s.S1.text(), "0.02");
  EXPECT_EQ(*s.W1.text(), "562");
  EXPECT_EQ(s.kpd.ToDouble(), 0.88);
  EXPECT_EQ(s.Ks.ToDouble(), 0.88);
}

TEST(CalculateDesign, WritesLabelsInTheWindowsOrder) {
  Session fit;
  fit.Click(kStart);
  const std::vector<int> fit_order{27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 26,
                                   32, 27, 28, 29, 30, 31, 33, 34, 35, 36, 37, 38, 39, 40, 41};
  EXPECT_EQ(fit.display.writes, fit_order);

  Session not_fit;
  not_fit.Click(With(kStart, 4, "0"));
  const std::vector<int> not_fit_order{27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39,
                                       40, 41, 26, 32, 27, 28, 29, 30, 31, 27, 28, 29, 30,
                                       31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41};
  EXPECT_EQ(not_fit.display.writes, not_fit_order);
}

TEST(CalculateDesign, CoefficientsCarryOverWhenNoRowMatches) {
  Session session;
  session.Click({"1", "220", "10", "10", "4", "5", "3", "6", "0.2"});
  const CalculatorState first = session.state;
  EXPECT_EQ(first.Pn.ToDouble(), 100);
  session.Click({"7", "220", "10", "10", "4", "5", "3", "6", "0.2"});
  const CalculatorState& s = session.state;
  for (const auto member : {&CalculatorState::kpd, &CalculatorState::Bmax, &CalculatorState::J,
                            &CalculatorState::Ko, &CalculatorState::Ks}) {
    EXPECT_EQ((s.*member).ToDouble(), (first.*member).ToDouble());
  }
  // Not fitting, the winding members stay as the first run left them.
  EXPECT_EQ(session.display.labels[7], "Неподходит");
  EXPECT_EQ(*s.W1.text(), *first.W1.text());
  EXPECT_EQ(*s.D2.text(), *first.D2.text());
}

TEST(CalculateDesign, VoltageDropsStartEmptyInEveryRun) {
  Session session;
  session.Click(kStart);  // dU1 = dU2 = 7
  const Outcome low = session.Click({"3", "220", "5", "1", "2", "5", "7", "12", "0.2"});
  EXPECT_EQ(low.labels[14], "602");  // 220 / 17 × 45 + 20 with no drop
  EXPECT_EQ(low.labels[15], "33");
}

TEST(CalculateDesign, FeedsRoundedTextsForward) {
  // Unrounded, these window areas would give 9227, 9230 and 9222 W.
  for (const char* h : {"10.4712", "10.4749", "10.4651"}) {
    Session session;
    const Outcome outcome = session.Click({"1", "220", "12", "1.5", "10", "100", "1", h, "0.2"});
    EXPECT_EQ(outcome.labels[5], "10.47") << h;
    EXPECT_EQ(outcome.labels[6], "9226") << h;
  }
}

}  // namespace
}  // namespace calc
