#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/design_check.h"
#include "check/settings.h"
#include "plan/settings.h"
#include "windings/design.h"
#include "windings/design_plan.h"
#include "windings/rectifier.h"
#include "windings/settings.h"

namespace windings {

/// A flag the check of all windings raises, in the order the verdict lists them.
enum class Flag { FluxHigh, Hot, Volts, RmsHigh, NoDc };

inline constexpr std::array kAllFlags{Flag::FluxHigh, Flag::Hot, Flag::Volts, Flag::RmsHigh,
                                      Flag::NoDc};

using Flags = std::array<bool, kAllFlags.size()>;

/// "flux-high", "hot", "volts", "rms-high", "no-dc".
std::string_view FlagCode(Flag flag);

/// What one secondary does beyond its voltages (which are in the core check's outputs).
struct SecondaryCheck {
  std::optional<double> imbalance;     ///< centre taps: the halves' voltages apart at full load, V
  std::optional<Rectified> rectified;  ///< rectifier kinds: Udc at Tw, Iw and Ipk at 20 °C
  Flags flags{};                       ///< only Volts, RmsHigh and NoDc
};

/// The check of all windings: the core check's figures with its efficiency and flags for all
/// windings and their loads, and each secondary's own figures.
struct DesignCheck {
  check::DesignCheck core;  ///< outputs per secondary; efficiency and flags as below
  std::vector<SecondaryCheck> secondaries;
  Flags flags{};

  bool ok() const;
};

/// Appends "ok" or the codes of the raised flags separated by one blank.
void AppendVerdict(const Flags& flags, std::string& out);

/// The settings a design of all windings is planned and checked with.
struct AllSettings {
  plan::Settings plan;
  check::Settings check;
  Settings rectifier;

  friend bool operator==(const AllSettings&, const AllSettings&) = default;
};

/// What refining works in: the search's input and steps, its trial and the turns found; kept
/// from one design to the next only for its storage.
struct RefineStorage {
  check::CheckInput input;
  std::vector<int> steps;
  check::TurnTrial trial;
  check::Refined turns;
};

/// Turns refined winding by winding, with each rectifier winding's wire for its real current.
struct Refined {
  std::optional<std::int64_t> primary;  ///< W1r, when it is from 1 to 1,000,000
  std::vector<std::int64_t> turns;      ///< per secondary; empty without refined turns
  std::vector<double> wire_currents;    ///< Iref per secondary, A
  DesignPlan plan;                      ///< its verdict only, without refined turns
  std::optional<DesignCheck> check;     ///< none without refined turns
  RefineStorage storage;                ///< not a result
};

/// The design of all windings, planned, checked and refined.
struct Outcome {
  Design design;
  DesignPlan plan;                   ///< of the turns as sized; made only when the run fits
  std::optional<DesignCheck> check;  ///< none: the check's verdict is `none`
  Refined refined;                   ///< empty without a check
};

/// Sizes, plans, checks and refines all windings; `record` is a copy as MakeDesign takes it.
void Evaluate(calc::CalculatorState& record, const calc::InputTexts& texts, const Request& request,
              const AllSettings& settings, Outcome& out);

}  // namespace windings
