#include "windings/design.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/coefficients.h"
#include "plan/winding_plan.h"
#include "values/dynamic_value.h"
#include "values/number_text.h"

namespace windings {

namespace {

using values::DynamicValue;

constexpr double kMinVoltage = 0.001;
constexpr double kMaxVoltage = 1'000'000;
constexpr double kMinCurrent = 0.000001;  // keeps the rectifier model well conditioned
constexpr double kMaxCurrent = 1'000'000;

// The run's constants, of the types the described formulas use.
const DynamicValue kWireFactor{1.13};
const DynamicValue kOne{std::int16_t{1}};
const DynamicValue kHundred{std::int16_t{100}};
const DynamicValue kTurnsFactor{std::int16_t{45}};
const DynamicValue kTurnsAdded{std::int16_t{20}};

// The run's own labels, starting empty.
class Display final : public calc::LabelDisplay {
 public:
  Display(std::array<std::string, calc::kResultLabelCount>& labels, calc::DoubleTexts& texts)
      : LabelDisplay(texts), labels_(labels) {}

 private:
  void SetLabel(int number, std::string_view text) override {
    // The run's texts are never the label's own, so the label's room is simply refilled.
    std::string& label = labels_[static_cast<std::size_t>(number - calc::kFirstResultLabel)];
    label.clear();
    label.append(text);
  }

  std::array<std::string, calc::kResultLabelCount>& labels_;
};

// The second winding's voltage drop of this run; the run keeps it for itself only.
DynamicValue SecondaryDrop(const calc::CalculatorState& record) {
  DynamicValue drop;
  calc::ApplyCoefficientTable(*calc::Facts(calc::Coefficient::DU2).table, record.N,
                              record.Pn.ToDouble(), record.Tl.ToDouble(), drop);
  return drop;
}

std::int64_t WholeTurns(const DynamicValue& turns) {
  return static_cast<std::int64_t>(turns.ToDouble());
}

// The number the run's Fixed(x, decimals) shows; its text goes into `text` when one is asked.
double FixedShown(const DynamicValue& x, int decimals, std::string* text = nullptr) {
  const double number = x.ToDouble();
  if (const std::optional<values::ShortFixed> fixed = values::FormatShortFixed(number, decimals)) {
    if (text != nullptr) text->assign(fixed->text());
    return fixed->shown();
  }
  values::FixedNumber fixed = values::FormatFixedNumber(number, decimals);
  if (text != nullptr) *text = std::move(fixed.text);
  return fixed.shown;
}

// Steps 15, 17 and 20 of the run for a further secondary; a fixed text is its general text.
void SizeFurther(const calc::CalculatorState& record, const DynamicValue& drop,
                 SizedWinding& winding) {
  constexpr int kDecimals = values::kDefaultDecimals;
  const double section =
      FixedShown(DynamicValue(winding.rms) / record.J, kDecimals, &winding.section);
  FixedShown(DynamicValue(values::SquareRoot(section)) * kWireFactor, kDecimals, &winding.diameter);
  const double turns =
      FixedShown(((((DynamicValue(winding.given.voltage) * (kOne - drop / kHundred)) /
                    (record.Ss * record.Bmax)) *
                   kTurnsFactor) +
                  kTurnsAdded),
                 0);
  winding.turns = static_cast<std::int64_t>(turns);
}

void Tap(SizedWinding& winding) {
  if (!FactsOf(winding.given.kind).centre_tapped) return;
  if (*winding.turns % 2 != 0) ++*winding.turns;
  winding.tap = *winding.turns / 2;
}

plan::WindingDemand Demand(const SizedWinding& winding, double current_density) {
  return {winding.given.voltage, winding.rms, static_cast<double>(*winding.turns),
          plan::kWireFactor * std::sqrt(winding.rms / current_density)};
}

void SizeWindings(const calc::CalculatorState& record, Design& out) {
  const DynamicValue drop = SecondaryDrop(record);
  out.current_density = record.J.ToDouble();
  for (std::size_t k = 0; k < out.windings.size(); ++k) {
    SizedWinding& winding = out.windings[k];
    if (k == 0) {
      winding.section = values::FormatGeneral(record.S2);
      winding.diameter = values::FormatGeneral(record.D2);
      winding.turns = WholeTurns(record.W2);
    } else {
      SizeFurther(record, drop, winding);
    }
    Tap(winding);
  }
  check::ReadRun(record, out.input);
  out.input.run.windings.resize(1);
  for (const SizedWinding& winding : out.windings) {
    out.input.run.windings.push_back(Demand(winding, out.current_density));
  }
}

// Empties a design and keeps its storage for the next.
void Clear(Design& out) {
  out.out_of_bounds.reset();
  out.power = 0;
  for (std::string& label : out.labels) label.clear();
  out.fault.reset();
  out.verdict = Verdict::None;
  out.windings.clear();
  out.current_density = 0;
  std::vector<plan::WindingDemand> windings = std::move(out.input.run.windings);
  windings.clear();
  out.input = {};
  out.input.run.windings = std::move(windings);
}

}  // namespace

bool InBounds(const Secondary& s) {
  return s.voltage >= kMinVoltage && s.voltage <= kMaxVoltage && s.current >= kMinCurrent &&
         s.current <= kMaxCurrent;
}

std::vector<Secondary> Secondaries(const calc::InputTexts& texts, const Request& request) {
  std::vector<Secondary> all;
  all.reserve(request.further.size() + 1);
  all.push_back({values::ReadNumber(texts[2]), values::ReadNumber(texts[3]), request.first});
  all.insert(all.end(), request.further.begin(), request.further.end());
  return all;
}

void MakeDesign(calc::CalculatorState& record, const calc::InputTexts& texts,
                const Request& request, Design& out) {
  Clear(out);
  const std::vector<Secondary> all = Secondaries(texts, request);
  for (std::size_t k = 0; k < all.size(); ++k) {
    if (!InBounds(all[k])) {
      out.out_of_bounds = k + 1;
      return;
    }
  }
  for (const Secondary& secondary : all) {
    const double rms = FactsOf(secondary.kind).factor * secondary.current;
    out.power =
        out.windings.empty() ? secondary.voltage * rms : out.power + secondary.voltage * rms;
    SizedWinding& winding = out.windings.emplace_back();
    winding.given = secondary;
    winding.rms = rms;
  }
  Display display(out.labels, out.double_texts);
  calc::RunTrace trace;
  try {
    calc::CalculateDesign(record, texts, display, {out.windings[0].rms, out.power}, trace);
  } catch (const values::Fault& fault) {
    out.fault = fault.kind();
    return;
  }
  out.verdict = trace.fits ? Verdict::Fits : Verdict::NotFit;
  if (trace.fits) SizeWindings(record, out);
}

}  // namespace windings
