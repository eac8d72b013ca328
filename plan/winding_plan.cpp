#include "plan/winding_plan.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>

#include "plan/layers.h"
#include "plan/wire_table.h"

namespace plan {

namespace {

using std::numbers::pi;

constexpr double kResistivity = 1.0 / 58;  // annealed copper at 20 °C, Ω·mm²/m
constexpr double kCopperDensity = 8.89;    // g/cm³
constexpr double kMaxDimension = 1000;     // cm
constexpr double kMaxTurns = 1'000'000;

constexpr std::array<std::string_view, 5> kCodes{"fits", "tight", "no", "none", "no-wire"};
constexpr std::array<std::string_view, 5> kTexts{"Помещается", "Помещается впритык",
                                                 "Не помещается", "План не составляется",
                                                 "Нет стандартного провода"};

bool IsDimension(double x) { return x > 0 && x <= kMaxDimension; }

// Written so that NaN fails every test. A secondary's current is the load's; the primary's follows.
std::optional<Obstacle> WindingObstacle(const WindingDemand& winding, bool secondary) {
  if (!(winding.voltage > 0)) return Obstacle::Voltage;
  if (secondary && !(winding.current > 0)) return Obstacle::Current;
  if (!(winding.turns >= 1 && winding.turns <= kMaxTurns &&
        winding.turns == std::floor(winding.turns))) {
    return Obstacle::Turns;
  }
  if (!(winding.diameter >= 0 && std::isfinite(winding.diameter))) return Obstacle::Diameter;
  return std::nullopt;
}

// Gives winding j its wire; false when its calculated diameter has no table size.
bool ChooseWire(const PlanInput& input, const Settings& settings, std::size_t j,
                WindingPlan& plan) {
  const std::optional<Wire> wire = PlannedWire(input, settings, j);
  if (!wire) return false;
  plan.bare = wire->bare;
  plan.overall = wire->overall;
  plan.own_wire = j < settings.own_wire.size() && settings.own_wire[j].has_value();
  return true;
}

bool ChooseWires(const PlanInput& input, const Settings& settings, Plan& out) {
  for (std::size_t j = 0; j < input.windings.size(); ++j) {
    if (!ChooseWire(input, settings, j, out.windings[j])) return false;
  }
  return true;
}

void FillElectrics(double current, WindingPlan& plan) {
  const double section = pi * (plan.bare * plan.bare) / 4;
  plan.resistance = kResistivity * plan.length_m / section;
  plan.mass_g = kCopperDensity * plan.length_m * section;
  plan.loss_w = current * current * plan.resistance;
  plan.drop_v = current * plan.resistance;
  plan.current_density = current / section;
}

detail::Cursor Start(const PlanInput& input, const Settings& settings) {
  return {settings.bobbin, 5 * input.c - settings.bobbin};
}

// Lays winding j at `cursor` and moves the cursor past it; false when a layer holds no turn.
bool LayWinding(const PlanInput& input, const Settings& settings, std::size_t j,
                detail::Cursor& cursor, WindingPlan& plan) {
  if (j > 0) {
    cursor.depth += settings.between;
    cursor.free_radius -= settings.between;
  }
  const detail::LayerGeometry geometry{static_cast<std::int64_t>(input.windings[j].turns),
                                       plan.overall, settings.interlayer,
                                       2 * (10 * input.a + 10 * input.b)};
  const std::optional<detail::Layers> layers =
      calc::IsShellCore(input.form)
          ? detail::ShellLayers(geometry, 10 * input.h - 2 * settings.bobbin, cursor.depth)
          : detail::RingLayers(geometry, 5 * input.c, cursor.free_radius);
  if (!layers) return false;
  plan.turns = geometry.turns;
  plan.turns_per_layer = layers->per_layer;
  plan.layers = layers->count;
  plan.build = detail::Build(layers->count, plan.overall, settings.interlayer);
  plan.length_m = layers->length_mm / 1000;
  FillElectrics(input.windings[j].current, plan);
  cursor.depth += plan.build;
  return true;
}

// The depth, fill and verdict of the windings laid up to `depth`.
void Finish(const PlanInput& input, const Settings& settings, double depth, Plan& out) {
  out.depth = depth + settings.wrap;
  if (calc::IsShellCore(input.form)) {
    out.fill = out.depth / (10 * input.c);
    out.hole_left.reset();
  } else {
    const double hole_radius = 5 * input.c;
    out.fill = out.depth / hole_radius;
    out.hole_left = out.depth > hole_radius ? 0 : 2 * (hole_radius - out.depth);
  }
  out.verdict = FillVerdict(out.fill);
}

std::optional<Obstacle> CoreObstacle(const PlanInput& input) {
  if (!calc::IsKnownForm(input.form)) return Obstacle::Form;
  if (input.windings.empty()) return Obstacle::NoWindings;
  if (!IsDimension(input.a) || !IsDimension(input.b) || !IsDimension(input.c) ||
      (calc::IsShellCore(input.form) && !IsDimension(input.h))) {
    return Obstacle::Dimensions;
  }
  return std::nullopt;
}

// Whether the first j + 1 windings can be planned, the first j of them known to be.
bool IsPlannableUpTo(const PlanInput& input, const Settings& settings, std::size_t j) {
  if (j > 0) return !WindingObstacle(input.windings[j], true);
  return !CoreObstacle(input) && !WindingObstacle(input.windings[0], false) &&
         !FirstInvalid(settings);
}

void Fail(Verdict verdict, Plan& out) {
  out.verdict = verdict;
  out.fill = 0;
  out.depth = 0;
  out.hole_left.reset();
  out.windings.clear();
}

}  // namespace

// The bounds keep every loop short and every figure finite, whatever a batch file holds.
std::optional<Obstacle> FirstObstacle(const PlanInput& input, const Settings& settings) {
  if (const std::optional<Obstacle> obstacle = CoreObstacle(input)) return obstacle;
  for (std::size_t j = 0; j < input.windings.size(); ++j) {
    if (const std::optional<Obstacle> obstacle = WindingObstacle(input.windings[j], j > 0)) {
      return obstacle;
    }
  }
  if (FirstInvalid(settings)) return Obstacle::Settings;
  return std::nullopt;
}

bool IsPlannable(const PlanInput& input, const Settings& settings) {
  return !FirstObstacle(input, settings);
}

std::string_view VerdictCode(Verdict v) { return kCodes[static_cast<std::size_t>(v)]; }

std::string_view VerdictText(Verdict v) { return kTexts[static_cast<std::size_t>(v)]; }

Verdict FillVerdict(double fill) {
  if (fill <= 0.9) return Verdict::Fits;
  if (fill <= 1) return Verdict::Tight;
  return Verdict::No;
}

void MakePlan(const PlanInput& input, const Settings& settings, Plan& out) {
  if (!IsPlannable(input, settings)) return Fail(Verdict::None, out);
  out.windings.assign(input.windings.size(), WindingPlan{});
  if (!ChooseWires(input, settings, out)) return Fail(Verdict::NoWire, out);
  detail::Cursor cursor = Start(input, settings);
  for (std::size_t j = 0; j < input.windings.size(); ++j) {
    if (!LayWinding(input, settings, j, cursor, out.windings[j])) return Fail(Verdict::No, out);
  }
  Finish(input, settings, cursor.depth, out);
}

void CarryCurrents(const PlanInput& input, Plan& out) {
  for (std::size_t j = 0; j < out.windings.size(); ++j) {
    FillElectrics(input.windings[j].current, out.windings[j]);
  }
}

bool StackedPlan::Lay(const PlanInput& input, const Settings& settings, std::size_t j) {
  if (!IsPlannableUpTo(input, settings, j)) {
    Fail(Verdict::None, plan_);
    return false;
  }
  if (j == 0) plan_.windings.reserve(input.windings.size());
  plan_.windings.resize(j + 1);
  WindingPlan& winding = plan_.windings[j];
  if (!ChooseWire(input, settings, j, winding)) {
    Fail(Verdict::NoWire, plan_);
    return false;
  }
  // starts_[j] is where winding j begins; a winding laid again begins where it began before.
  starts_.resize(j + 1);
  if (j == 0) {
    starts_.reserve(input.windings.size() + 1);
    starts_[0] = Start(input, settings);
  }
  detail::Cursor cursor = starts_[j];
  if (!LayWinding(input, settings, j, cursor, winding)) {
    Fail(Verdict::No, plan_);
    return false;
  }
  starts_.push_back(cursor);
  Finish(input, settings, cursor.depth, plan_);
  return true;
}

Plan MakePlan(const PlanInput& input, const Settings& settings) {
  Plan plan;
  MakePlan(input, settings, plan);
  return plan;
}

std::optional<Wire> PlannedWire(const PlanInput& input, const Settings& settings,
                                std::size_t winding) {
  if (winding < settings.own_wire.size() && settings.own_wire[winding]) {
    return OwnWire(*settings.own_wire[winding], settings.grade);
  }
  return ChooseWire(input.windings.at(winding).diameter, settings.grade);
}

}  // namespace plan
