#include "batch/json_line.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "calc/run_notes.h"
#include "check/figures.h"
#include "plan/figures.h"
#include "values/json_writer.h"

namespace batch {

namespace {

using values::JsonWriter;

// clang-format off
constexpr std::array<std::string_view, 11> kWindingKeys{
    "d", "o", "n", "m", "b", "length", "R", "mass", "loss", "drop", "J"};
constexpr std::array<std::string_view, 15> kFigureKeys{
    "B0", "U0", "UL", "regulation", "deviation", "steel_mass", "P_fe", "P_cu", "efficiency",
    "area", "Tw", "X", "Y", "Z", "mass"};
constexpr std::array<std::string_view, 6> kRefinedKeys{
    "refined_B0", "refined_U0", "refined_UL", "refined_Tw", "refined_P_cu", "refined_P_fe"};
// The figures of the whole design of several windings; the per-winding ones are listed apart.
constexpr std::array kDesignFigures{
    check::Figure::FluxDensity, check::Figure::SteelMass, check::Figure::CoreLoss,
    check::Figure::CopperLoss,  check::Figure::Efficiency, check::Figure::Surface,
    check::Figure::Temperature, check::Figure::OutlineX,  check::Figure::OutlineY,
    check::Figure::OutlineZ,    check::Figure::TotalMass};
// clang-format on
static_assert(kWindingKeys.size() == plan::kWindingFigures.size());
static_assert(kFigureKeys.size() == check::kDesignFigures.size());
static_assert(kRefinedKeys.size() == check::kRefinedFigures.size());

// The decimals of a figure of the design of several windings.
constexpr int kHalfDecimals = 3;
constexpr int kImbalanceDecimals = 2;
constexpr int kDcVoltageDecimals = 2;
constexpr int kWindingCurrentDecimals = 3;
constexpr int kPeakDecimals = 2;
constexpr int kIrefDecimals = 3;

void Fixed(JsonWriter& json, std::optional<double> x, int decimals) {
  if (x) {
    json.Fixed(*x, decimals);
  } else {
    json.Null();
  }
}

void Nulls(JsonWriter& json, std::initializer_list<std::string_view> keys) {
  for (const std::string_view key : keys) json.Key(key).Null();
}

void WriteLabels(const account::Press& press, JsonWriter& json) {
  json.Key("labels").Open('[');
  for (std::size_t k = 0; k < calc::kResultLabelCount; ++k) json.String(press.labels.text(k));
  json.Close(']');
}

void WriteNotes(const account::Press& press, JsonWriter& json) {
  std::string codes;
  calc::AppendCodes(press.notes, codes);
  json.Key("notes").Open('[');
  std::string_view rest = codes;
  while (!rest.empty()) {
    const std::size_t blank = rest.find(' ');
    json.String(rest.substr(0, blank));
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  }
  json.Close(']');
}

void WriteWinding(const plan::WindingPlan& winding, JsonWriter& json) {
  json.Open('{');
  for (std::size_t f = 0; f < kWindingKeys.size(); ++f) {
    const plan::WindingFigure& figure = plan::kWindingFigures[f];
    json.Key(kWindingKeys[f]).Fixed(figure.value(winding), figure.decimals);
  }
  json.Close('}');
}

void WritePlan(const account::Planned& planned, JsonWriter& json) {
  json.Key("plan");
  if (!planned.input) {
    json.Null();
    return;
  }
  const plan::Plan& plan = planned.calculated;
  json.Open('{').Key("verdict").String(plan::VerdictCode(plan.verdict));
  if (plan.windings.empty()) {
    Nulls(json, {"fill", "T", "hole", "primary", "secondary"});
  } else {
    json.Key("fill").Fixed(plan.fill * 100, plan::kFillDecimals);
    json.Key("T").Fixed(plan.depth, plan::kDepthDecimals);
    Fixed(json.Key("hole"), plan.hole_left, plan::kHoleDecimals);
    WriteWinding(plan.windings[0], json.Key("primary"));
    WriteWinding(plan.windings[1], json.Key("secondary"));
  }
  json.Close('}');
}

std::string Verdict(const check::DesignCheck& design) {
  std::string verdict;
  check::AppendVerdict(design, verdict);
  return verdict;
}

std::optional<double> Count(const std::vector<std::int64_t>& turns, std::size_t k) {
  if (k >= turns.size()) return std::nullopt;
  return static_cast<double>(turns[k]);
}

void WriteRefined(const check::Refined& refined, JsonWriter& json) {
  const bool turns = refined.check.has_value();
  Fixed(json.Key("W1r"), Count(refined.turns, 0), check::kTurnsDecimals);
  Fixed(json.Key("W2r"), turns ? Count(refined.turns, 1) : std::nullopt, check::kTurnsDecimals);
  json.Key("refined_plan").String(plan::VerdictCode(refined.plan.verdict));
  if (!turns) {
    json.Key("refined_fill").Null().Key("refined_check").Null();
    for (const std::string_view key : kRefinedKeys) json.Key(key).Null();
    return;
  }
  json.Key("refined_fill").Fixed(refined.plan.fill * 100, check::kRefinedFillDecimals);
  json.Key("refined_check").String(Verdict(*refined.check));
  for (std::size_t f = 0; f < kRefinedKeys.size(); ++f) {
    const check::DesignFigure& figure = check::FigureOf(check::kRefinedFigures[f]);
    Fixed(json.Key(kRefinedKeys[f]), figure.value(*refined.check), figure.decimals);
  }
}

void WriteCheck(const account::Planned& planned, JsonWriter& json) {
  json.Key("check");
  if (!planned.input) {
    json.Null();
    return;
  }
  const std::optional<check::DesignCheck>& calculated = planned.check.calculated;
  json.Open('{').Key("verdict").String(calculated ? Verdict(*calculated) : check::kNoneCode);
  for (std::size_t f = 0; f < kFigureKeys.size(); ++f) {
    const check::DesignFigure& figure = check::kDesignFigures[f];
    json.Key(kFigureKeys[f]);
    Fixed(json, calculated ? figure.value(*calculated) : std::nullopt, figure.decimals);
  }
  if (calculated) {
    WriteRefined(planned.check.refined, json);
  } else {
    Nulls(json, {"W1r", "W2r", "refined_plan", "refined_fill", "refined_check"});
    for (const std::string_view key : kRefinedKeys) json.Key(key).Null();
  }
  json.Close('}');
}

// The design of several windings.

void WriteSizedWindings(const windings::Design& design, JsonWriter& json) {
  json.Key("windings").Open('[');
  for (std::size_t k = 0; k < design.windings.size(); ++k) {
    const windings::SizedWinding& winding = design.windings[k];
    json.Open('{').Key("k").Integer(static_cast<std::int64_t>(k + 1));
    json.Key("kind").String(windings::FactsOf(winding.given.kind).code);
    json.Key("U").General(winding.given.voltage);
    json.Key("I").General(winding.given.current);
    json.Key("Irms").General(winding.rms);
    if (winding.turns) {
      json.Key("S").String(winding.section).Key("D").String(winding.diameter);
      json.Key("W").Integer(*winding.turns);
    } else {
      Nulls(json, {"S", "D", "W"});
    }
    json.Key("tap");
    if (winding.tap) {
      json.Integer(*winding.tap);
    } else {
      json.Null();
    }
    json.Close('}');
  }
  json.Close(']');
}

void WriteDesignPlan(const windings::DesignPlan& planned, JsonWriter& json) {
  const plan::Plan& plan = planned.plan;
  json.Open('{').Key("verdict").String(plan::VerdictCode(plan.verdict));
  if (plan.windings.empty()) {
    Nulls(json, {"fill", "T", "hole", "windings"});
    json.Close('}');
    return;
  }
  json.Key("fill").Fixed(plan.fill * 100, plan::kFillDecimals);
  json.Key("T").Fixed(plan.depth, plan::kDepthDecimals);
  Fixed(json.Key("hole"), plan.hole_left, plan::kHoleDecimals);
  json.Key("windings").Open('[');
  for (std::size_t j = 0; j < plan.windings.size(); ++j) {
    const std::optional<windings::Halves> halves = j == 0 ? std::nullopt : planned.halves[j - 1];
    json.Open('{');
    for (std::size_t f = 0; f < kWindingKeys.size(); ++f) {
      const plan::WindingFigure& figure = plan::kWindingFigures[f];
      json.Key(kWindingKeys[f]).Fixed(figure.value(plan.windings[j]), figure.decimals);
      if (kWindingKeys[f] != "R") continue;
      Fixed(json.Key("Ra"), halves ? std::optional(halves->inner) : std::nullopt, kHalfDecimals);
      Fixed(json.Key("Rb"), halves ? std::optional(halves->outer) : std::nullopt, kHalfDecimals);
    }
    json.Close('}');
  }
  json.Close(']').Close('}');
}

void WriteFlags(const windings::Flags& flags, JsonWriter& json) {
  json.Open('[');
  for (const windings::Flag flag : windings::kAllFlags) {
    if (flags[static_cast<std::size_t>(flag)]) json.String(windings::FlagCode(flag));
  }
  json.Close(']');
}

void WriteSecondaryChecks(const windings::DesignCheck& check, JsonWriter& json) {
  json.Key("windings").Open('[');
  for (std::size_t k = 0; k < check.secondaries.size(); ++k) {
    const check::OutputCheck& output = check.core.outputs[k];
    const windings::SecondaryCheck& secondary = check.secondaries[k];
    const std::optional<windings::Rectified>& dc = secondary.rectified;
    json.Open('{').Key("k").Integer(static_cast<std::int64_t>(k + 1));
    const auto decimals = [](check::Figure which) { return check::FigureOf(which).decimals; };
    json.Key("U0").Fixed(output.no_load, decimals(check::Figure::NoLoadVoltage));
    json.Key("UL").Fixed(output.full_load, decimals(check::Figure::FullLoadVoltage));
    Fixed(json.Key("regulation"), output.regulation, decimals(check::Figure::Regulation));
    json.Key("deviation").Fixed(output.deviation, decimals(check::Figure::Deviation));
    Fixed(json.Key("imbalance"), secondary.imbalance, kImbalanceDecimals);
    Fixed(json.Key("Udc"), dc ? std::optional(dc->dc_voltage) : std::nullopt, kDcVoltageDecimals);
    Fixed(json.Key("Iw"), dc ? std::optional(dc->winding_current) : std::nullopt,
          kWindingCurrentDecimals);
    Fixed(json.Key("Ipk"), dc ? std::optional(dc->peak_current) : std::nullopt, kPeakDecimals);
    WriteFlags(secondary.flags, json.Key("flags"));
    json.Close('}');
  }
  json.Close(']');
}

void WriteDesignCheck(const std::optional<windings::DesignCheck>& check, JsonWriter& json) {
  std::string verdict(check::kNoneCode);
  if (check) {
    verdict.clear();
    windings::AppendVerdict(check->flags, verdict);
  }
  json.Open('{').Key("verdict").String(verdict);
  for (const check::Figure which : kDesignFigures) {
    const check::DesignFigure& figure = check::FigureOf(which);
    json.Key(kFigureKeys[static_cast<std::size_t>(which)]);
    Fixed(json, check ? figure.value(check->core) : std::nullopt, figure.decimals);
  }
  if (check) {
    WriteSecondaryChecks(*check, json);
  } else {
    json.Key("windings").Null();
  }
  json.Close('}');
}

void WriteIntegers(const std::vector<std::int64_t>& values, JsonWriter& json) {
  json.Open('[');
  for (const std::int64_t value : values) json.Integer(value);
  json.Close(']');
}

void WriteDesignRefined(const windings::Outcome& several, JsonWriter& json) {
  const windings::Refined& refined = several.refined;
  json.Open('{').Key("W1");
  if (refined.primary) {
    json.Integer(*refined.primary);
  } else {
    json.Null();
  }
  json.Key("W");
  if (refined.check) {
    WriteIntegers(refined.turns, json);
  } else {
    json.Null();
  }
  json.Key("Iref").Open('[');
  for (const double current : refined.wire_currents) json.Fixed(current, kIrefDecimals);
  json.Close(']');
  json.Key("plan");
  WriteDesignPlan(refined.plan, json);
  json.Key("check");
  if (refined.check) {
    WriteDesignCheck(refined.check, json);
  } else {
    json.Null();
  }
  json.Close('}');
}

void WriteDesign(const windings::Outcome& several, JsonWriter& json) {
  const windings::Design& design = several.design;
  json.Key("design").Open('{');
  if (design.out_of_bounds) {
    json.Key("status").Null().Key("verdict").String("none");
    json.Key("reason").String("secondary:" + std::to_string(*design.out_of_bounds));
    Nulls(json, {"Pt", "labels", "windings", "plan", "check", "refined"});
    json.Close('}');
    return;
  }
  json.Key("status").String(account::StatusCode(design.fault)).Key("verdict");
  if (design.fault) {
    json.Null();
  } else {
    json.String(design.verdict == windings::Verdict::Fits ? "fits" : "not-fit");
  }
  json.Key("reason").Null().Key("Pt").General(design.power);
  json.Key("labels").Open('[');
  for (const std::string& label : design.labels) json.String(label);
  json.Close(']');
  WriteSizedWindings(design, json);
  if (design.verdict != windings::Verdict::Fits) {
    Nulls(json, {"plan", "check", "refined"});
    json.Close('}');
    return;
  }
  WriteDesignPlan(several.plan, json.Key("plan"));
  WriteDesignCheck(several.check, json.Key("check"));
  json.Key("refined");
  if (several.check) {
    WriteDesignRefined(several, json);
  } else {
    json.Null();
  }
  json.Close('}');
}

}  // namespace

void AppendJsonLine(const RunResults& results, const Columns& columns, std::string& out) {
  JsonWriter json(out);
  json.Open('{');
  WriteLabels(results.press, json);
  json.Key("status").String(account::StatusCode(results.press));
  if (columns.notes) WriteNotes(results.press, json);
  if (columns.plan) WritePlan(*results.planned, json);
  if (columns.check) WriteCheck(*results.planned, json);
  if (results.several != nullptr) WriteDesign(*results.several, json);
  json.Close('}');
  out += '\n';
}

}  // namespace batch
