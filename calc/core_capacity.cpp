#include "calc/core_capacity.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/coefficients.h"
#include "values/fault.h"

namespace calc {

// Why the search is exact and bounded. Between runs only Text4 changes; the run uses the current
// as Pn = I2 · U2 (the tables, Pi, I1) and as I2 (S2, D2). With U2 above 0, Pn does not fall as
// the current grows, so the tables choose other rows only where Pn passes one of their power
// thresholds for the run's core form. Between two thresholds (a band) every coefficient is
// fixed, so Ps is one number and the run accepts exactly while Pi = Pn · 1.3 stays below it and
// no step overflows; both hold on a first part of the band. Across a threshold Ps may rise or
// fall, so each band is searched on its own:
//   - where each band starts: one bisection of 1 … kMostHundredths + 1 per threshold,
//     at most ceil(log2(10^8 + 1)) = 27 runs each;
//   - in each band: one run at its first current and, when accepted, a bisection for its last
//     accepted one, at most 1 + 27 runs;
//   - one run to confirm the refusal and one for Ps at the largest accepted current.
// With T thresholds that is at most 2 + 27·T + 28·(T + 1) runs; the tables have 11
// (2, 5, 8, 15, 25, 50, 60, 125, 150, 250, 300 W), so at most 635.

namespace {

constexpr int kBisectionRuns = 27;
static_assert((std::int64_t{1} << kBisectionRuns) >= kMostHundredths + 1);

class SilentDisplay final : public ResultDisplay {
 public:
  void ClearResults() override {}
  void ShowLoadPower(const DynamicValue&) override {}
  void ShowCoreFigures(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                       const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const DynamicValue&, const DynamicValue&) override {}
  void ShowWindings(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                    const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
};

struct Outcome {
  double load_power = 0;  // Pn; infinite when the run faulted before it
  bool accepted = false;  // «Подходит» and no fault
  bool refused = false;   // «Неподходит»
};

// Described runs on copies of one record, the current typed into Text4.
class Trials {
 public:
  Trials(const CalculatorState& record, const InputTexts& texts) : record_(record), texts_(texts) {}

  Outcome RunAsTyped() {
    copy_ = record_;
    RunTrace trace;
    try {
      CalculateDesign(copy_, texts_, display_, trace);
    } catch (const values::Fault&) {
      // The trace tells where it stopped.
    }
    ++runs_;
    Outcome outcome;
    outcome.load_power = trace.faulted && trace.at <= Quantity::Pn
                             ? std::numeric_limits<double>::infinity()
                             : copy_.Pn.ToDouble();
    outcome.accepted = trace.fits && !trace.faulted;
    outcome.refused = !trace.fits && !trace.faulted;
    return outcome;
  }

  Outcome Run(std::int64_t hundredths) {
    current_ = CurrentText(hundredths);
    texts_[3] = current_;
    return RunAsTyped();
  }

  /// The record the last run left.
  const CalculatorState& last() const { return copy_; }
  int runs() const { return runs_; }

 private:
  const CalculatorState& record_;
  InputTexts texts_;
  std::string current_;
  CalculatorState copy_;
  SilentDisplay display_;
  int runs_ = 0;
};

// The power thresholds of the tables that a run on core form `form` consults, ascending.
std::vector<double> PowerThresholds(std::int16_t form) {
  std::vector<double> watts;
  for (const CoefficientFacts& facts : kCoefficients) {
    const CoefficientTable& table = *facts.table;
    for (std::size_t g = 0; g < table.size; ++g) {
      const TableGroup& group = table.groups[g];
      if (!group.scope.Covers(form)) continue;
      for (std::size_t r = 0; r < group.size; ++r) {
        if (group.rows[r].test == TableRow::Test::PowerAbove) {
          watts.push_back(group.rows[r].lower.limit);
        }
      }
    }
  }
  std::sort(watts.begin(), watts.end());
  watts.erase(std::unique(watts.begin(), watts.end()), watts.end());
  return watts;
}

// The first current from `from` whose Pn is above `watts`; kMostHundredths + 1 when none is.
std::int64_t FirstAbove(Trials& trials, double watts, std::int64_t from) {
  std::int64_t low = from;
  std::int64_t high = kMostHundredths + 1;
  while (low < high) {
    const std::int64_t middle = low + (high - low) / 2;
    if (trials.Run(middle).load_power > watts) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

// The currents of one band that the run accepts: a first part of it, or none.
std::optional<CurrentRange> AcceptedPart(Trials& trials, std::int64_t first, std::int64_t last) {
  if (!trials.Run(first).accepted) return std::nullopt;
  std::int64_t low = first;
  std::int64_t high = last;
  while (low < high) {
    const std::int64_t middle = low + (high - low + 1) / 2;
    if (trials.Run(middle).accepted) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return CurrentRange{first, low};
}

void Append(std::vector<CurrentRange>& ranges, const CurrentRange& range) {
  if (!ranges.empty() && ranges.back().high + 1 == range.low) {
    ranges.back().high = range.high;
  } else {
    ranges.push_back(range);
  }
}

std::string Number(double x) {
  char text[values::kGeneralTextCapacity];
  return std::string(text, values::FormatGeneral(x, text));
}

void AppendSpan(const CurrentRange& range, std::string& out) {
  if (range.low == 1) {
    out.append("до ").append(CurrentText(range.high));
  } else if (range.low == range.high) {
    out.append(CurrentText(range.low));
  } else {
    out.append("от ").append(CurrentText(range.low)).append(" до ").append(CurrentText(range.high));
  }
  out.append(" А");
}

}  // namespace

std::optional<CoreCapacity> FindCoreCapacity(const CalculatorState& record,
                                             const InputTexts& texts) {
  Trials trials(record, texts);
  if (!trials.RunAsTyped().refused) return std::nullopt;
  CoreCapacity capacity;
  capacity.voltage = trials.last().U2.ToDouble();
  if (!(capacity.voltage > 0 && std::isfinite(capacity.voltage))) return std::nullopt;
  capacity.power = values::FormatGeneral(trials.last().Ps);

  std::vector<std::int64_t> starts{1};
  for (const double watts : PowerThresholds(trials.last().N)) {
    starts.push_back(FirstAbove(trials, watts, starts.back()));
  }
  starts.push_back(kMostHundredths + 1);
  for (std::size_t band = 0; band + 1 < starts.size(); ++band) {
    if (starts[band] == starts[band + 1]) continue;
    if (const auto part = AcceptedPart(trials, starts[band], starts[band + 1] - 1)) {
      Append(capacity.accepted, *part);
    }
  }
  if (!capacity.accepted.empty()) {
    trials.Run(capacity.accepted.back().high);
    capacity.power = values::FormatGeneral(trials.last().Ps);
  }
  capacity.runs = trials.runs();
  return capacity;
}

std::string CurrentText(std::int64_t hundredths) {
  std::string text = std::to_string(hundredths / 100);
  const std::int64_t cents = hundredths % 100;
  if (cents != 0) {
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  return text;
}

std::string CapacityWords(const CoreCapacity& capacity) {
  std::string words =
      "Сердечник отдаст до " + capacity.power + " Вт: при U2 = " + Number(capacity.voltage) + " В ";
  if (capacity.accepted.empty()) {
    return words + "не подходит ни один ток нагрузки от " + CurrentText(1) + " А";
  }
  words += "ток нагрузки ";
  for (std::size_t i = 0; i < capacity.accepted.size(); ++i) {
    if (i > 0) words += i + 1 == capacity.accepted.size() ? " или " : ", ";
    AppendSpan(capacity.accepted[i], words);
  }
  return words;
}

}  // namespace calc
