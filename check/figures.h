#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "check/design_check.h"

namespace check {

/// The figures of a checked design, indexed into kDesignFigures.
enum class Figure {
  FluxDensity,
  NoLoadVoltage,
  FullLoadVoltage,
  Regulation,
  Deviation,
  SteelMass,
  CoreLoss,
  CopperLoss,
  Efficiency,
  Surface,
  Temperature,
  OutlineX,
  OutlineY,
  OutlineZ,
  TotalMass,
};

/// One figure of a checked design as every reader shows it: name with unit, decimals, value.
struct DesignFigure {
  Figure which;
  std::string_view name;  ///< Russian, with the unit
  int decimals;           ///< rounded half away from zero from the double's exact value
  std::optional<double> (*value)(const DesignCheck&);  ///< none: the figure has no value
};

/// The fifteen figures of a design, from B0 to the total mass, in the batch tool's column order.
extern const std::array<DesignFigure, 15> kDesignFigures;

/// The row of one figure.
const DesignFigure& FigureOf(Figure which);

/// The figures shown again for the refined design, in the batch tool's column order.
inline constexpr std::array kRefinedFigures{Figure::FluxDensity,     Figure::NoLoadVoltage,
                                            Figure::FullLoadVoltage, Figure::Temperature,
                                            Figure::CopperLoss,      Figure::CoreLoss};

/// Names of the verdicts and the refined turns, in Russian, as the columns are headed.
inline constexpr std::string_view kVerdictName = "Проверка: вывод";
inline constexpr std::string_view kRefinedPrimaryName = "Уточненное число витков W1";
inline constexpr std::string_view kRefinedSecondaryName = "Уточненное число витков W2";
inline constexpr std::string_view kRefinedPlanName = "Уточненный план: вывод";
inline constexpr std::string_view kRefinedFillName = "Уточненный план: заполнение окна, %";
inline constexpr std::string_view kRefinedVerdictName = "Уточненная проверка: вывод";
/// Put before a figure's name for the turns as calculated: «Проверка: B0, Тл».
inline constexpr std::string_view kCalculatedPrefix = "Проверка: ";
/// Put before a figure's name for the refined design: «Уточненная проверка: B0, Тл».
inline constexpr std::string_view kRefinedPrefix = "Уточненная проверка: ";

/// Decimals of the refined turns (whole) and fill (percent).
inline constexpr int kTurnsDecimals = 0;
inline constexpr int kRefinedFillDecimals = 1;

}  // namespace check
