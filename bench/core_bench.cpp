#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/calculator.h"
#include "calc/core_capacity.h"
#include "calc/result_labels.h"
#include "calc/run_notes.h"
#include "check/design_check.h"
#include "check/temperature.h"
#include "plan/winding_plan.h"
#include "values/number_text.h"

namespace {

// Keeps the label texts as the window would, so a run's cost includes its texts.
class TextLabels final : public calc::LabelDisplay {
 public:
  std::array<std::string, calc::kResultLabelCount> texts;

 private:
  void SetLabel(int number, std::string_view text) override {
    texts[static_cast<std::size_t>(number - calc::kFirstResultLabel)].assign(text);
  }
};

void RunDesign(benchmark::State& state, const calc::InputTexts& inputs) {
  calc::CalculatorState record;
  TextLabels labels;
  for (auto _ : state) {
    calc::CalculateDesign(record, inputs, labels);
    benchmark::DoNotOptimize(labels.texts.data());
  }
}

void BM_DesignRunFit(benchmark::State& state) {
  RunDesign(state, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"});
}
BENCHMARK(BM_DesignRunFit);

void BM_DesignRunShellCore(benchmark::State& state) {
  RunDesign(state, {"1", "220", "10", "10", "4", "5", "3", "6", "0.35"});
}
BENCHMARK(BM_DesignRunShellCore);

void BM_DesignRunNotFit(benchmark::State& state) {
  RunDesign(state, {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"});
}
BENCHMARK(BM_DesignRunNotFit);

// What the batch tool and the window do when they show notes: the traced run and its notes.
void BM_DesignRunWithNotes(benchmark::State& state) {
  const calc::InputTexts inputs{"1", "220", "12", "1.5", "2", "5", "7", "12", "0,35"};
  calc::CalculatorState record;
  TextLabels labels;
  std::string codes;
  for (auto _ : state) {
    calc::RunTrace trace;
    calc::CalculateDesign(record, inputs, labels, trace);
    codes.clear();
    calc::AppendCodes(calc::NotesOfRun(inputs, record, trace), codes);
    benchmark::DoNotOptimize(codes.data());
  }
}
BENCHMARK(BM_DesignRunWithNotes);

// The plan of a run whose core fits, made again and again into the same storage.
void RunPlan(benchmark::State& state, const calc::InputTexts& inputs) {
  calc::CalculatorState record;
  TextLabels labels;
  calc::CalculateDesign(record, inputs, labels);
  const plan::PlanInput input = plan::ReadRun(record);
  const plan::Settings settings;
  plan::Plan out;
  for (auto _ : state) {
    plan::MakePlan(input, settings, out);
    benchmark::DoNotOptimize(out.windings.data());
    benchmark::ClobberMemory();
  }
}

void BM_MakePlanRing(benchmark::State& state) {
  RunPlan(state, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"});
}
BENCHMARK(BM_MakePlanRing);

void BM_MakePlanShellCore(benchmark::State& state) {
  RunPlan(state, {"1", "220", "10", "10", "4", "5", "3", "6", "0.35"});
}
BENCHMARK(BM_MakePlanShellCore);

// What the batch tool does for a line with a plan: the run, the record read, the plan.
void BM_DesignRunWithPlan(benchmark::State& state) {
  const calc::InputTexts inputs{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
  calc::CalculatorState record;
  TextLabels labels;
  plan::PlanInput input;
  const plan::Settings settings;
  plan::Plan out;
  for (auto _ : state) {
    calc::CalculateDesign(record, inputs, labels);
    plan::ReadRun(record, input);
    plan::MakePlan(input, settings, out);
    benchmark::DoNotOptimize(out.windings.data());
  }
}
BENCHMARK(BM_DesignRunWithPlan);

// The check of a planned run, its refined turns found, planned and checked, into the same storage.
void RunCheck(benchmark::State& state, const calc::InputTexts& inputs) {
  calc::CalculatorState record;
  TextLabels labels;
  calc::CalculateDesign(record, inputs, labels);
  const check::CheckInput input = check::ReadRun(record);
  const plan::Settings plan_settings;
  const check::Settings settings;
  const plan::Plan planned = plan::MakePlan(input.run, plan_settings);
  check::Check out;
  for (auto _ : state) {
    check::MakeCheck(input, planned, plan_settings, settings, out);
    benchmark::DoNotOptimize(out.refined.turns.data());
    benchmark::ClobberMemory();
  }
}

void BM_MakeCheckRing(benchmark::State& state) {
  RunCheck(state, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"});
}
BENCHMARK(BM_MakeCheckRing);

void BM_MakeCheckShellCore(benchmark::State& state) {
  RunCheck(state, {"1", "220", "10", "10", "4", "5", "3", "6", "0.35"});
}
BENCHMARK(BM_MakeCheckShellCore);

// One design's figures without the refined turns: the part of a check done twice per run.
void BM_CheckDesignRing(benchmark::State& state) {
  calc::CalculatorState record;
  TextLabels labels;
  calc::CalculateDesign(record, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, labels);
  const check::CheckInput input = check::ReadRun(record);
  const plan::Plan planned = plan::MakePlan(input.run, plan::Settings{});
  const check::Settings settings;
  for (auto _ : state) {
    benchmark::DoNotOptimize(check::CheckDesign(input, planned, settings).temperature);
  }
}
BENCHMARK(BM_CheckDesignRing);

void BM_WindingTemperature(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(check::detail::WindingTemperature(1.24, 5.09, 454.79, 40));
  }
}
BENCHMARK(BM_WindingTemperature);

// What the batch tool does for a line with a plan and a check: run, record, plan, check.
void BM_DesignRunWithPlanAndCheck(benchmark::State& state) {
  const calc::InputTexts inputs{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
  calc::CalculatorState record;
  TextLabels labels;
  check::CheckInput input;
  const plan::Settings plan_settings;
  const check::Settings settings;
  plan::Plan planned;
  check::Check out;
  for (auto _ : state) {
    calc::CalculateDesign(record, inputs, labels);
    check::ReadRun(record, input);
    plan::MakePlan(input.run, plan_settings, planned);
    check::MakeCheck(input, planned, plan_settings, settings, out);
    benchmark::DoNotOptimize(out.refined.turns.data());
  }
}
BENCHMARK(BM_DesignRunWithPlanAndCheck);

// What a face does for «Неподходит»: the search for the currents the core accepts.
void CoreCapacity(benchmark::State& state, const calc::InputTexts& inputs) {
  calc::CalculatorState record;
  TextLabels labels;
  calc::CalculateDesign(record, inputs, labels);
  for (auto _ : state) {
    const auto capacity = calc::FindCoreCapacity(record, inputs);
    benchmark::DoNotOptimize(capacity);
  }
}

void BM_CoreCapacityShellCore(benchmark::State& state) {
  CoreCapacity(state, {"1", "220", "12", "2", "2", "2.5", "1.2", "3", "0.35"});
}
BENCHMARK(BM_CoreCapacityShellCore);

// The ring's tables have the most power thresholds, so its search makes the most runs.
void BM_CoreCapacityRing(benchmark::State& state) {
  CoreCapacity(state, {"3", "220", "24", "20", "2", "5", "7", "12", "0.2"});
}
BENCHMARK(BM_CoreCapacityRing);

void BM_ReadNumber(benchmark::State& state) {
  const std::array<std::string_view, 4> texts{"220", "1.5", "0.35", "12.75e1"};
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(values::ReadNumber(texts[i++ & 3]));
}
BENCHMARK(BM_ReadNumber);

void BM_FormatFixed(benchmark::State& state) {
  const std::array<double, 4> numbers{38.465, 0.0999701, 570.40123, 561.58823529411768};
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(values::FormatFixedNumber(numbers[i++ & 3]));
}
BENCHMARK(BM_FormatFixed);

void BM_FormatGeneral(benchmark::State& state) {
  const std::array<double, 4> numbers{18, 1.7, 23.400000000000002, 2.0 / 3};
  char buffer[values::kGeneralTextCapacity];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(values::FormatGeneral(numbers[i++ & 3], buffer));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatGeneral);

}  // namespace

BENCHMARK_MAIN();
