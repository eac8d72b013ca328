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

using values::JsonKey;
using values::JsonWriter;
using namespace values::json_literals;

// clang-format off
constexpr std::array kWindingKeys{
    "d"_key, "o"_key, "n"_key, "m"_key, "b"_key, "length"_key, "R"_key, "mass"_key, "loss"_key,
    "drop"_key, "J"_key};
constexpr std::array kFigureKeys{
    "B0"_key, "U0"_key, "UL"_key, "regulation"_key, "deviation"_key, "steel_mass"_key, "P_fe"_key,
    "P_cu"_key, "efficiency"_key, "area"_key, "Tw"_key, "X"_key, "Y"_key, "Z"_key, "mass"_key};
constexpr std::array kRefinedKeys{
    "refined_B0"_key, "refined_U0"_key, "refined_UL"_key, "refined_Tw"_key, "refined_P_cu"_key,
    "refined_P_fe"_key};
// The winding resistance, after which a design of several windings gives each half's.
constexpr std::size_t kResistanceAt = 6;
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

// `"key":` and x with its decimals, or null when there is none.
void FixedMember(JsonWriter& json, const JsonKey& key, std::optional<double> x, int decimals) {
  if (x) {
    json.FixedMember(key, *x, decimals);
  } else {
    json.Key(key).Null();
  }
}

void Nulls(JsonWriter& json, std::initializer_list<JsonKey> keys) {
  for (const JsonKey& key : keys) json.Key(key).Null();
}

void WriteLabels(const account::Press& press, JsonWriter& json) {
  json.Key("labels"_key).Open('[');
  for (std::size_t k = 0; k < calc::kResultLabelCount; ++k) json.String(press.labels.text(k));
  json.Close(']');
}

void WriteNotes(const account::Press& press, JsonWriter& json) {
  std::string codes;
  calc::AppendCodes(press.notes, codes);
  json.Key("notes"_key).Open('[');
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
    json.FixedMember(kWindingKeys[f], figure.value(winding), figure.decimals);
  }
  json.Close('}');
}

void WritePlan(const account::Planned& planned, JsonWriter& json) {
  json.Key("plan"_key);
  if (!planned.input) {
    json.Null();
    return;
  }
  const plan::Plan& plan = planned.calculated;
  json.Open('{').Key("verdict"_key).String(plan::VerdictCode(plan.verdict));
  if (plan.windings.empty()) {
    Nulls(json, {"fill"_key, "T"_key, "hole"_key, "primary"_key, "secondary"_key});
  } else {
    json.FixedMember("fill"_key, plan.fill * 100, plan::kFillDecimals);
    json.FixedMember("T"_key, plan.depth, plan::kDepthDecimals);
    FixedMember(json, "hole"_key, plan.hole_left, plan::kHoleDecimals);
    WriteWinding(plan.windings[0], json.Key("primary"_key));
    WriteWinding(plan.windings[1], json.Key("secondary"_key));
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
  FixedMember(json, "W1r"_key, Count(refined.turns, 0), check::kTurnsDecimals);
  FixedMember(json, "W2r"_key, turns ? Count(refined.turns, 1) : std::nullopt,
              check::kTurnsDecimals);
  json.Key("refined_plan"_key).String(plan::VerdictCode(refined.plan.verdict));
  if (!turns) {
    json.Key("refined_fill"_key).Null().Key("refined_check"_key).Null();
    for (const JsonKey& key : kRefinedKeys) json.Key(key).Null();
    return;
  }
  json.FixedMember("refined_fill"_key, refined.plan.fill * 100, check::kRefinedFillDecimals);
  json.Key("refined_check"_key).String(Verdict(*refined.check));
  for (std::size_t f = 0; f < kRefinedKeys.size(); ++f) {
    const check::DesignFigure& figure = check::FigureOf(check::kRefinedFigures[f]);
    FixedMember(json, kRefinedKeys[f], figure.value(*refined.check), figure.decimals);
  }
}

void WriteCheck(const account::Planned& planned, JsonWriter& json) {
  json.Key("check"_key);
  if (!planned.input) {
    json.Null();
    return;
  }
  const std::optional<check::DesignCheck>& calculated = planned.check.calculated;
  json.Open('{').Key("verdict"_key).String(calculated ? Verdict(*calculated) : check::kNoneCode);
  for (std::size_t f = 0; f < kFigureKeys.size(); ++f) {
    const check::DesignFigure& figure = check::kDesignFigures[f];
    FixedMember(json, kFigureKeys[f], calculated ? figure.value(*calculated) : std::nullopt,
                figure.decimals);
  }
  if (calculated) {
    WriteRefined(planned.check.refined, json);
  } else {
    Nulls(json,
          {"W1r"_key, "W2r"_key, "refined_plan"_key, "refined_fill"_key, "refined_check"_key});
    for (const JsonKey& key : kRefinedKeys) json.Key(key).Null();
  }
  json.Close('}');
}

// The design of several windings.

void WriteSizedWindings(const windings::Design& design, JsonWriter& json) {
  json.Key("windings"_key).Open('[');
  for (std::size_t k = 0; k < design.windings.size(); ++k) {
    const windings::SizedWinding& winding = design.windings[k];
    json.Open('{').Key("k"_key).Integer(static_cast<std::int64_t>(k + 1));
    json.Key("kind"_key).String(windings::FactsOf(winding.given.kind).code);
    json.Key("U"_key).General(winding.given.voltage);
    json.Key("I"_key).General(winding.given.current);
    json.Key("Irms"_key).General(winding.rms);
    if (winding.turns) {
      json.Key("S"_key).String(winding.section).Key("D"_key).String(winding.diameter);
      json.Key("W"_key).Integer(*winding.turns);
    } else {
      Nulls(json, {"S"_key, "D"_key, "W"_key});
    }
    json.Key("tap"_key);
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
  json.Open('{').Key("verdict"_key).String(plan::VerdictCode(plan.verdict));
  if (plan.windings.empty()) {
    Nulls(json, {"fill"_key, "T"_key, "hole"_key, "windings"_key});
    json.Close('}');
    return;
  }
  json.FixedMember("fill"_key, plan.fill * 100, plan::kFillDecimals);
  json.FixedMember("T"_key, plan.depth, plan::kDepthDecimals);
  FixedMember(json, "hole"_key, plan.hole_left, plan::kHoleDecimals);
  json.Key("windings"_key).Open('[');
  for (std::size_t j = 0; j < plan.windings.size(); ++j) {
    const std::optional<windings::Halves> halves = j == 0 ? std::nullopt : planned.halves[j - 1];
    json.Open('{');
    for (std::size_t f = 0; f < kWindingKeys.size(); ++f) {
      const plan::WindingFigure& figure = plan::kWindingFigures[f];
      json.FixedMember(kWindingKeys[f], figure.value(plan.windings[j]), figure.decimals);
      if (f != kResistanceAt) continue;
      FixedMember(json, "Ra"_key, halves ? std::optional(halves->inner) : std::nullopt,
                  kHalfDecimals);
      FixedMember(json, "Rb"_key, halves ? std::optional(halves->outer) : std::nullopt,
                  kHalfDecimals);
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
  json.Key("windings"_key).Open('[');
  for (std::size_t k = 0; k < check.secondaries.size(); ++k) {
    const check::OutputCheck& output = check.core.outputs[k];
    const windings::SecondaryCheck& secondary = check.secondaries[k];
    const std::optional<windings::Rectified>& dc = secondary.rectified;
    json.Open('{').Key("k"_key).Integer(static_cast<std::int64_t>(k + 1));
    const auto decimals = [](check::Figure which) { return check::FigureOf(which).decimals; };
    json.FixedMember("U0"_key, output.no_load, decimals(check::Figure::NoLoadVoltage));
    json.FixedMember("UL"_key, output.full_load, decimals(check::Figure::FullLoadVoltage));
    FixedMember(json, "regulation"_key, output.regulation, decimals(check::Figure::Regulation));
    json.FixedMember("deviation"_key, output.deviation, decimals(check::Figure::Deviation));
    FixedMember(json, "imbalance"_key, secondary.imbalance, kImbalanceDecimals);
    FixedMember(json, "Udc"_key, dc ? std::optional(dc->dc_voltage) : std::nullopt,
                kDcVoltageDecimals);
    FixedMember(json, "Iw"_key, dc ? std::optional(dc->winding_current) : std::nullopt,
                kWindingCurrentDecimals);
    FixedMember(json, "Ipk"_key, dc ? std::optional(dc->peak_current) : std::nullopt,
                kPeakDecimals);
    WriteFlags(secondary.flags, json.Key("flags"_key));
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
  json.Open('{').Key("verdict"_key).String(verdict);
  for (const check::Figure which : kDesignFigures) {
    const check::DesignFigure& figure = check::FigureOf(which);
    FixedMember(json, kFigureKeys[static_cast<std::size_t>(which)],
                check ? figure.value(check->core) : std::nullopt, figure.decimals);
  }
  if (check) {
    WriteSecondaryChecks(*check, json);
  } else {
    json.Key("windings"_key).Null();
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
  json.Open('{').Key("W1"_key);
  if (refined.primary) {
    json.Integer(*refined.primary);
  } else {
    json.Null();
  }
  json.Key("W"_key);
  if (refined.check) {
    WriteIntegers(refined.turns, json);
  } else {
    json.Null();
  }
  json.Key("Iref"_key).Open('[');
  for (const double current : refined.wire_currents) json.Fixed(current, kIrefDecimals);
  json.Close(']');
  json.Key("plan"_key);
  WriteDesignPlan(refined.plan, json);
  json.Key("check"_key);
  if (refined.check) {
    WriteDesignCheck(refined.check, json);
  } else {
    json.Null();
  }
  json.Close('}');
}

void WriteDesign(const windings::Outcome& several, JsonWriter& json) {
  const windings::Design& design = several.design;
  json.Key("design"_key).Open('{');
  if (design.out_of_bounds) {
    json.Key("status"_key).Null().Key("verdict"_key).String("none");
    json.Key("reason"_key).String("secondary:" + std::to_string(*design.out_of_bounds));
    Nulls(json, {"Pt"_key, "labels"_key, "windings"_key, "plan"_key, "check"_key, "refined"_key});
    json.Close('}');
    return;
  }
  json.Key("status"_key).String(account::StatusCode(design.fault)).Key("verdict"_key);
  if (design.fault) {
    json.Null();
  } else {
    json.String(design.verdict == windings::Verdict::Fits ? "fits" : "not-fit");
  }
  json.Key("reason"_key).Null().Key("Pt"_key).General(design.power);
  json.Key("labels"_key).Open('[');
  for (const std::string& label : design.labels) json.String(label);
  json.Close(']');
  WriteSizedWindings(design, json);
  if (design.verdict != windings::Verdict::Fits) {
    Nulls(json, {"plan"_key, "check"_key, "refined"_key});
    json.Close('}');
    return;
  }
  WriteDesignPlan(several.plan, json.Key("plan"_key));
  WriteDesignCheck(several.check, json.Key("check"_key));
  json.Key("refined"_key);
  if (several.check) {
    WriteDesignRefined(several, json);
  } else {
    json.Null();
  }
  json.Close('}');
}

}  // namespace

void AppendJsonLine(const RunResults& results, const Columns& columns, std::string& out) {
  {
    JsonWriter json(out);
    json.Open('{');
    WriteLabels(results.press, json);
    json.Key("status"_key).String(account::StatusCode(results.press));
    if (columns.notes) WriteNotes(results.press, json);
    if (columns.plan) WritePlan(*results.planned, json);
    if (columns.check) WriteCheck(*results.planned, json);
    if (results.several != nullptr) WriteDesign(*results.several, json);
    json.Close('}');
  }
  out += '\n';
}

}  // namespace batch
