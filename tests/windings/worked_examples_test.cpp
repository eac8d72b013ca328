#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "windings/design_check.h"

namespace windings {
namespace {

// Each worked example is the first line of a session, with the default settings.
struct Example {
  const char* name;
  calc::InputTexts texts;
  Request request;
};

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples{
      {"E1",
       {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"},
       {Kind::Ac, {{6.3, 1, Kind::Ac}}}},
      {"E2", {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, {Kind::BridgeC, {}}},
      {"E3",
       {"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"},
       {Kind::CtC, {{6.3, 2, Kind::Ac}, {5, 2, Kind::Ac}}}},
      {"E4", {"3", "220", "24", "0.5", "2", "5", "7", "12", "0.2"}, {Kind::Ct, {}}},
      {"E5",
       {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"},
       {Kind::Ac, {{100, 5, Kind::Ac}}}},
      {"E6",
       {"3", "220", "12", "0.1", "2", "5", "7", "12", "0.2"},
       {Kind::Ac, {{0.5, 0.1, Kind::Ac}}}},
  };
  return examples;
}

const Outcome& OutcomeOf(const std::string& name) {
  static std::map<std::string, Outcome> outcomes;
  auto [it, inserted] = outcomes.try_emplace(name);
  if (inserted) {
    for (const Example& example : Examples()) {
      if (name != example.name) continue;
      calc::CalculatorState record;
      Evaluate(record, example.texts, example.request, {}, it->second);
    }
  }
  return it->second;
}

using Getter = std::function<std::optional<double>(const Outcome&)>;

// One figure of a worked example, as the contract shows it with its decimals.
struct Figure {
  const char* example;
  const char* what;
  Getter value;
  int decimals;
  double expected;
};

const DesignCheck& Calculated(const Outcome& o) { return *o.check; }
const DesignCheck& RefinedCheck(const Outcome& o) { return *o.refined.check; }
double R(const Outcome& o, std::size_t j) { return o.plan.plan.windings[j].resistance; }
double D(const Outcome& o, std::size_t j) { return o.plan.plan.windings[j].bare; }
std::optional<double> Udc(const DesignCheck& c, std::size_t k) {
  if (!c.secondaries[k].rectified) return std::nullopt;
  return c.secondaries[k].rectified->dc_voltage;
}
std::optional<double> Iw(const DesignCheck& c, std::size_t k) {
  if (!c.secondaries[k].rectified) return std::nullopt;
  return c.secondaries[k].rectified->winding_current;
}
std::optional<double> Ipk(const DesignCheck& c, std::size_t k) {
  if (!c.secondaries[k].rectified) return std::nullopt;
  return c.secondaries[k].rectified->peak_current;
}
double UL(const DesignCheck& c, std::size_t k) { return c.core.outputs[k].full_load; }
double Deviation(const DesignCheck& c, std::size_t k) { return c.core.outputs[k].deviation; }
double Turns(const Outcome& o, std::size_t k) {
  return static_cast<double>(*o.design.windings[k].turns);
}

// clang-format off
const std::vector<Figure> kFigures{
    {"E1", "Pt", [](const Outcome& o) { return o.design.power; }, 1, 24.3},
    {"E1", "S of secondary 2", [](const Outcome& o) { return std::stod(o.design.windings[1].section); }, 2, 0.21},
    {"E1", "D of secondary 2", [](const Outcome& o) { return std::stod(o.design.windings[1].diameter); }, 2, 0.52},
    {"E1", "W of secondary 2", [](const Outcome& o) { return Turns(o, 1); }, 0, 36},
    {"E1", "primary wire", [](const Outcome& o) { return D(o, 0); }, 3, 0.200},
    {"E1", "secondary 1 wire", [](const Outcome& o) { return D(o, 1); }, 3, 0.710},
    {"E1", "secondary 2 wire", [](const Outcome& o) { return D(o, 2); }, 3, 0.560},
    {"E1", "fill", [](const Outcome& o) { return o.plan.plan.fill * 100; }, 1, 10.2},
    {"E1", "T", [](const Outcome& o) { return o.plan.plan.depth; }, 2, 3.56},
    {"E1", "hole", [](const Outcome& o) { return o.plan.plan.hole_left; }, 1, 62.9},
    {"E1", "R1", [](const Outcome& o) { return R(o, 0); }, 3, 45.350},
    {"E1", "R of secondary 1", [](const Outcome& o) { return R(o, 1); }, 3, 0.331},
    {"E1", "R of secondary 2", [](const Outcome& o) { return R(o, 2); }, 3, 0.399},
    {"E1", "B0", [](const Outcome& o) { return Calculated(o).core.flux_density; }, 3, 2.002},
    {"E1", "P_fe", [](const Outcome& o) { return Calculated(o).core.core_loss_w; }, 2, 5.09},
    {"E1", "P_cu", [](const Outcome& o) { return Calculated(o).core.copper_loss_w; }, 2, 2.24},
    {"E1", "Tw", [](const Outcome& o) { return Calculated(o).core.temperature; }, 1, 54.3},
    {"E1", "U0 of secondary 1", [](const Outcome& o) { return Calculated(o).core.outputs[0].no_load; }, 2, 19.57},
    {"E1", "UL of secondary 1", [](const Outcome& o) { return UL(Calculated(o), 0); }, 2, 18.39},
    {"E1", "deviation of secondary 1", [](const Outcome& o) { return Deviation(Calculated(o), 0); }, 1, 53.3},
    {"E1", "U0 of secondary 2", [](const Outcome& o) { return Calculated(o).core.outputs[1].no_load; }, 2, 14.09},
    {"E1", "UL of secondary 2", [](const Outcome& o) { return UL(Calculated(o), 1); }, 2, 13.19},
    {"E1", "deviation of secondary 2", [](const Outcome& o) { return Deviation(Calculated(o), 1); }, 1, 109.4},
    {"E1", "efficiency", [](const Outcome& o) { return Calculated(o).core.efficiency; }, 1, 84.8},
    {"E1", "W1r", [](const Outcome& o) { return static_cast<double>(*o.refined.primary); }, 0, 662},
    {"E1", "W1 of secondary 1 refined", [](const Outcome& o) { return static_cast<double>(o.refined.turns[0]); }, 0, 40},
    {"E1", "W of secondary 2 refined", [](const Outcome& o) { return static_cast<double>(o.refined.turns[1]); }, 0, 21},
    {"E1", "refined fill", [](const Outcome& o) { return o.refined.plan.plan.fill * 100; }, 1, 10.2},
    {"E1", "refined B0", [](const Outcome& o) { return RefinedCheck(o).core.flux_density; }, 3, 1.700},
    {"E1", "refined UL 1", [](const Outcome& o) { return UL(RefinedCheck(o), 0); }, 2, 12.36},
    {"E1", "refined deviation 1", [](const Outcome& o) { return Deviation(RefinedCheck(o), 0); }, 1, 3.0},
    {"E1", "refined UL 2", [](const Outcome& o) { return UL(RefinedCheck(o), 1); }, 2, 6.46},
    {"E1", "refined deviation 2", [](const Outcome& o) { return Deviation(RefinedCheck(o), 1); }, 1, 2.5},
    {"E1", "refined Tw", [](const Outcome& o) { return RefinedCheck(o).core.temperature; }, 1, 51.6},

    {"E2", "Pt", [](const Outcome& o) { return o.design.power; }, 15, 32.400000000000006},
    {"E2", "sizing current", [](const Outcome& o) { return o.design.windings[0].rms; }, 1, 2.7},
    {"E2", "primary wire", [](const Outcome& o) { return D(o, 0); }, 3, 0.224},
    {"E2", "secondary wire", [](const Outcome& o) { return D(o, 1); }, 3, 0.900},
    {"E2", "fill", [](const Outcome& o) { return o.plan.plan.fill * 100; }, 1, 8.2},
    {"E2", "R1", [](const Outcome& o) { return R(o, 0); }, 3, 36.495},
    {"E2", "R2", [](const Outcome& o) { return R(o, 1); }, 3, 0.207},
    {"E2", "Iw", [](const Outcome& o) { return Iw(Calculated(o), 0); }, 3, 2.898},
    {"E2", "Ipk", [](const Outcome& o) { return Ipk(Calculated(o), 0); }, 2, 7.01},
    {"E2", "Tw", [](const Outcome& o) { return Calculated(o).core.temperature; }, 1, 56.4},
    {"E2", "Udc", [](const Outcome& o) { return Udc(Calculated(o), 0); }, 2, 21.67},
    {"E2", "UL", [](const Outcome& o) { return UL(Calculated(o), 0); }, 2, 18.10},
    {"E2", "deviation", [](const Outcome& o) { return Deviation(Calculated(o), 0); }, 1, 50.8},
    {"E2", "efficiency", [](const Outcome& o) { return Calculated(o).core.efficiency; }, 1, 79.6},
    {"E2", "P_cu", [](const Outcome& o) { return Calculated(o).core.copper_loss_w; }, 2, 3.34},
    {"E2", "W1r", [](const Outcome& o) { return static_cast<double>(*o.refined.primary); }, 0, 662},
    {"E2", "refined W", [](const Outcome& o) { return static_cast<double>(o.refined.turns[0]); }, 0, 40},
    {"E2", "Iref", [](const Outcome& o) { return o.refined.wire_currents[0]; }, 3, 2.898},
    {"E2", "refined wire", [](const Outcome& o) { return o.refined.plan.plan.windings[1].bare; }, 3, 0.900},
    {"E2", "refined fill", [](const Outcome& o) { return o.refined.plan.plan.fill * 100; }, 1, 8.2},
    {"E2", "refined UL", [](const Outcome& o) { return UL(RefinedCheck(o), 0); }, 2, 12.26},
    {"E2", "refined deviation", [](const Outcome& o) { return Deviation(RefinedCheck(o), 0); }, 1, 2.2},
    {"E2", "refined Udc", [](const Outcome& o) { return Udc(RefinedCheck(o), 0); }, 2, 14.31},
    {"E2", "refined Iw", [](const Outcome& o) { return Iw(RefinedCheck(o), 0); }, 3, 2.920},
    {"E2", "refined Ipk", [](const Outcome& o) { return Ipk(RefinedCheck(o), 0); }, 2, 7.12},
    {"E2", "refined Tw", [](const Outcome& o) { return RefinedCheck(o).core.temperature; }, 1, 53.9},
    {"E2", "refined P_cu", [](const Outcome& o) { return RefinedCheck(o).core.copper_loss_w; }, 2, 3.17},
    {"E2", "refined R1", [](const Outcome& o) { return o.refined.plan.plan.windings[0].resistance; }, 3, 42.610},
    {"E2", "refined loss of the secondary", [](const Outcome& o) { return o.refined.plan.plan.windings[1].loss_w; }, 3, 1.392},

    {"E3", "Pt", [](const Outcome& o) { return o.design.power; }, 1, 82.6},
    {"E3", "W of the HT winding", [](const Outcome& o) { return Turns(o, 0); }, 0, 1192},
    {"E3", "tap", [](const Outcome& o) { return static_cast<double>(*o.design.windings[0].tap); }, 0, 596},
    {"E3", "W of heater 1", [](const Outcome& o) { return Turns(o, 1); }, 0, 35},
    {"E3", "W of heater 2", [](const Outcome& o) { return Turns(o, 2); }, 0, 32},
    {"E3", "D of heater 1", [](const Outcome& o) { return std::stod(o.design.windings[1].diameter); }, 2, 1.08},
    {"E3", "fill", [](const Outcome& o) { return o.plan.plan.fill * 100; }, 1, 66.9},
    {"E3", "T", [](const Outcome& o) { return o.plan.plan.depth; }, 2, 13.39},
    {"E3", "primary wire", [](const Outcome& o) { return D(o, 0); }, 3, 0.560},
    {"E3", "HT wire", [](const Outcome& o) { return D(o, 1); }, 3, 0.280},
    {"E3", "heater wire", [](const Outcome& o) { return D(o, 3); }, 3, 1.120},
    {"E3", "HT R", [](const Outcome& o) { return R(o, 1); }, 3, 65.315},
    {"E3", "HT Ra", [](const Outcome& o) { return o.plan.halves[0]->inner; }, 3, 31.841},
    {"E3", "HT Rb", [](const Outcome& o) { return o.plan.halves[0]->outer; }, 3, 33.474},
    {"E3", "HT layers", [](const Outcome& o) { return static_cast<double>(o.plan.plan.windings[1].layers); }, 0, 9},
    {"E3", "B0", [](const Outcome& o) { return Calculated(o).core.flux_density; }, 3, 1.488},
    {"E3", "Tw", [](const Outcome& o) { return Calculated(o).core.temperature; }, 1, 55.6},
    {"E3", "HT U0", [](const Outcome& o) { return Calculated(o).core.outputs[0].no_load; }, 2, 469.12},
    {"E3", "HT UL", [](const Outcome& o) { return UL(Calculated(o), 0); }, 2, 453.26},
    {"E3", "HT deviation", [](const Outcome& o) { return Deviation(Calculated(o), 0); }, 1, -9.3},
    {"E3", "HT imbalance", [](const Outcome& o) { return Calculated(o).secondaries[0].imbalance; }, 2, 0.22},
    {"E3", "HT Udc", [](const Outcome& o) { return Udc(Calculated(o), 0); }, 2, 304.03},
    {"E3", "HT Iw", [](const Outcome& o) { return Iw(Calculated(o), 0); }, 3, 0.156},
    {"E3", "HT Ipk", [](const Outcome& o) { return Ipk(Calculated(o), 0); }, 2, 0.61},
    {"E3", "heater 1 UL", [](const Outcome& o) { return UL(Calculated(o), 1); }, 2, 13.27},
    {"E3", "heater 2 UL", [](const Outcome& o) { return UL(Calculated(o), 2); }, 2, 12.12},
    {"E3", "heater 1 deviation", [](const Outcome& o) { return Deviation(Calculated(o), 1); }, 1, 110.7},
    {"E3", "heater 2 deviation", [](const Outcome& o) { return Deviation(Calculated(o), 2); }, 1, 142.5},
    {"E3", "efficiency", [](const Outcome& o) { return Calculated(o).core.efficiency; }, 1, 91.9},
    {"E3", "W1r", [](const Outcome& o) { return static_cast<double>(*o.refined.primary); }, 0, 617},
    {"E3", "refined HT W", [](const Outcome& o) { return static_cast<double>(o.refined.turns[0]); }, 0, 1462},
    {"E3", "refined heater 1 W", [](const Outcome& o) { return static_cast<double>(o.refined.turns[1]); }, 0, 19},
    {"E3", "refined heater 2 W", [](const Outcome& o) { return static_cast<double>(o.refined.turns[2]); }, 0, 15},
    {"E3", "Iref", [](const Outcome& o) { return o.refined.wire_currents[0]; }, 3, 0.156},
    {"E3", "refined HT wire", [](const Outcome& o) { return o.refined.plan.plan.windings[1].bare; }, 3, 0.315},
    {"E3", "refined HT layers", [](const Outcome& o) { return static_cast<double>(o.refined.plan.plan.windings[1].layers); }, 0, 12},
    {"E3", "refined fill", [](const Outcome& o) { return o.refined.plan.plan.fill * 100; }, 1, 78.3},
    {"E3", "refined B0", [](const Outcome& o) { return RefinedCheck(o).core.flux_density; }, 3, 1.348},
    {"E3", "refined HT UL", [](const Outcome& o) { return UL(RefinedCheck(o), 0); }, 2, 503.77},
    {"E3", "refined HT deviation", [](const Outcome& o) { return Deviation(RefinedCheck(o), 0); }, 1, 0.8},
    {"E3", "refined HT Udc", [](const Outcome& o) { return Udc(RefinedCheck(o), 0); }, 2, 338.62},
    {"E3", "refined HT Iw", [](const Outcome& o) { return Iw(RefinedCheck(o), 0); }, 3, 0.157},
    {"E3", "refined HT imbalance", [](const Outcome& o) { return RefinedCheck(o).secondaries[0].imbalance; }, 2, 0.32},
    {"E3", "refined heater 1 UL", [](const Outcome& o) { return UL(RefinedCheck(o), 1); }, 2, 6.49},
    {"E3", "refined heater 2 UL", [](const Outcome& o) { return UL(RefinedCheck(o), 2); }, 2, 5.12},
    {"E3", "refined Tw", [](const Outcome& o) { return RefinedCheck(o).core.temperature; }, 1, 53.6},

    {"E4", "Pt", [](const Outcome& o) { return o.design.power; }, 0, 12},
    {"E4", "W", [](const Outcome& o) { return Turns(o, 0); }, 0, 80},
    {"E4", "tap", [](const Outcome& o) { return static_cast<double>(*o.design.windings[0].tap); }, 0, 40},
    {"E4", "fill", [](const Outcome& o) { return o.plan.plan.fill * 100; }, 1, 6.4},
    {"E4", "R", [](const Outcome& o) { return R(o, 1); }, 3, 1.654},
    {"E4", "Ra", [](const Outcome& o) { return o.plan.halves[0]->inner; }, 3, 0.827},
    {"E4", "Rb", [](const Outcome& o) { return o.plan.halves[0]->outer; }, 3, 0.827},
    {"E4", "U0", [](const Outcome& o) { return Calculated(o).core.outputs[0].no_load; }, 2, 31.32},
    {"E4", "UL", [](const Outcome& o) { return UL(Calculated(o), 0); }, 2, 29.36},
    {"E4", "deviation", [](const Outcome& o) { return Deviation(Calculated(o), 0); }, 1, 22.3},
    {"E4", "imbalance", [](const Outcome& o) { return Calculated(o).secondaries[0].imbalance; }, 2, 0.00},
    {"E4", "W1r", [](const Outcome& o) { return static_cast<double>(*o.refined.primary); }, 0, 662},
    {"E4", "refined W", [](const Outcome& o) { return static_cast<double>(o.refined.turns[0]); }, 0, 80},
    {"E4", "refined UL", [](const Outcome& o) { return UL(RefinedCheck(o), 0); }, 2, 24.65},
    {"E4", "refined deviation", [](const Outcome& o) { return Deviation(RefinedCheck(o), 0); }, 1, 2.7},

    {"E5", "Pt", [](const Outcome& o) { return o.design.power; }, 0, 518},
    {"E6", "Pt", [](const Outcome& o) { return o.design.power; }, 2, 1.25},
};
// clang-format on

class WorkedFigure : public ::testing::TestWithParam<Figure> {};

// Figures agree within one unit of their last shown place.
TEST_P(WorkedFigure, AgreesToItsShownDecimals) {
  const Figure& figure = GetParam();
  const std::optional<double> value = figure.value(OutcomeOf(figure.example));
  ASSERT_TRUE(value.has_value()) << figure.example << " " << figure.what;
  EXPECT_NEAR(*value, figure.expected, std::pow(10.0, -figure.decimals) * 1.0000001)
      << figure.example << " " << figure.what;
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedFigure, ::testing::ValuesIn(kFigures));

// Words, verdicts and labels are compared exactly.
struct Words {
  const char* example;
  const char* what;
  std::function<std::string(const Outcome&)> value;
  std::string expected;
};

std::string Verdict(const DesignCheck& check) {
  std::string text;
  AppendVerdict(check.flags, text);
  return text;
}

std::string Labels(const Outcome& o) {
  std::string text;
  for (const std::string& label : o.design.labels)
    text.append(text.empty() ? "" : " ").append(label.empty() ? "_" : label);
  return text;
}

std::string SecondaryFlags(const DesignCheck& check, std::size_t k) {
  std::string text;
  AppendVerdict(check.secondaries[k].flags, text);
  return text;
}

// clang-format off
const std::vector<Words> kWords{
    {"E1", "labels", Labels, "24.3 1.7 4.7 0.19 10 38.47 570 Подходит 0.93 0.13 0.03 0.32 0.20 0.64 562 50"},
    {"E1", "plan", [](const Outcome& o) { return std::string(plan::VerdictCode(o.plan.plan.verdict)); }, "fits"},
    {"E1", "check", [](const Outcome& o) { return Verdict(*o.check); }, "flux-high volts"},
    {"E1", "refined check", [](const Outcome& o) { return Verdict(*o.refined.check); }, "ok"},
    {"E2", "labels", Labels, "32.4 1.7 4.7 0.19 10 38.47 570 Подходит 0.93 0.18 0.04 0.57 0.23 0.85 567 50"},
    {"E2", "check", [](const Outcome& o) { return Verdict(*o.check); }, "flux-high volts"},
    {"E2", "secondary flags", [](const Outcome& o) { return SecondaryFlags(*o.check, 0); }, "volts"},
    {"E2", "refined check", [](const Outcome& o) { return Verdict(*o.refined.check); }, "ok"},
    {"E3", "labels", Labels, "82.6 1.35 2.2 0.29 12.8 10.00 114 Подходит 0.95 0.44 0.20 0.05 0.51 0.25 559 1192"},
    {"E3", "HT section", [](const Outcome& o) { return o.design.windings[0].section; }, "0.05"},
    {"E3", "heater 2 section", [](const Outcome& o) { return o.design.windings[2].section; }, "0.91"},
    {"E3", "check", [](const Outcome& o) { return Verdict(*o.check); }, "flux-high volts rms-high"},
    {"E3", "refined check", [](const Outcome& o) { return Verdict(*o.refined.check); }, "ok"},
    {"E3", "refined plan", [](const Outcome& o) { return std::string(plan::VerdictCode(o.refined.plan.plan.verdict)); }, "fits"},
    {"E4", "labels", Labels, "12 1.7 4.7 0.19 10 38.47 570 Подходит 0.9 0.07 0.01 0.11 0.11 0.37 562 79"},
    {"E4", "check", [](const Outcome& o) { return Verdict(*o.check); }, "flux-high volts"},
    {"E4", "refined check", [](const Outcome& o) { return Verdict(*o.refined.check); }, "ok"},
    {"E5", "labels", Labels, "518 _ _ _ _ _ _ Неподходит _ _ _ _ _ _ _ _"},
    {"E5", "windings without turns", [](const Outcome& o) { return std::to_string(o.design.windings.size()) + (o.design.windings[1].turns ? " W" : " no W"); }, "2 no W"},
    {"E6", "labels", Labels, "1.25 _ _ _ _ _ _ _ _ _ _ _ _ _ _ _"},
    {"E6", "fault", [](const Outcome& o) { return std::string(o.design.fault == values::FaultKind::DivisionByZero ? "division-by-zero" : "other"); }, "division-by-zero"},
};
// clang-format on

class WorkedWords : public ::testing::TestWithParam<Words> {};

TEST_P(WorkedWords, AreExact) {
  const Words& words = GetParam();
  EXPECT_EQ(words.value(OutcomeOf(words.example)), words.expected)
      << words.example << " " << words.what;
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedWords, ::testing::ValuesIn(kWords));

// The described run's labels, written by a display of its own.
class DescribedLabels final : public calc::LabelDisplay {
 public:
  std::array<std::string, calc::kResultLabelCount> texts;

 private:
  void SetLabel(int number, std::string_view text) override {
    texts[static_cast<std::size_t>(number - calc::kFirstResultLabel)].assign(text);
  }
};

// One plain secondary sizes for I2 × U2 exactly: the run of all windings is the described run,
// line after line of one session, faults included.
TEST(PlainSecondary, SizesAsTheDescribedRun) {
  const std::vector<calc::InputTexts> lines{
      {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"},
      {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"},
      {"2", "220", "2.4", "20.833333333333336", "2", "3.2", "0.74", "12.5", "0.2"},
      {"1", "127", "36", "0.49", "2", "1.7", "0.31", "26.1", "0.2"},
      {"3", "220", "24", "0.5", "2", "5", "7", "12", "0.2"},
      {"2", "0", "12", "1", "2", "2", "2", "2", "0.2"},
      {"3", "220", "100", "5", "2", "5", "7", "12", "0.2"},
  };
  calc::CalculatorState record;
  DescribedLabels described;
  for (const calc::InputTexts& line : lines) {
    calc::CalculatorState copy = record;
    Design design;
    MakeDesign(copy, line, {}, design);
    std::optional<values::FaultKind> fault;
    try {
      calc::CalculateDesign(record, line, described);
    } catch (const values::Fault& f) {
      fault = f.kind();
    }
    EXPECT_EQ(design.fault, fault) << line[3];
    if (!fault) {
      EXPECT_EQ(design.labels, described.texts) << line[3];
    }
  }
}

}  // namespace
}  // namespace windings
