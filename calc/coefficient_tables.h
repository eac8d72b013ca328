#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "values/dynamic_value.h"

namespace calc {

/// A limit of a row test: watts for the load power, mm for the thickness.
struct Bound {
  double limit = 0;
  bool inclusive = false;
};

constexpr Bound AtLeast(double mm) { return {mm, true}; }
constexpr Bound Above(double mm) { return {mm, false}; }
constexpr Bound AtMost(double mm) { return {mm, true}; }

/// A row: a test on the load power or the thickness, and the value it gives when it holds.
struct TableRow {
  enum class Test { PowerAbove, ThicknessIs, ThicknessAbove, ThicknessWithin };

  Test test = Test::PowerAbove;
  Bound lower;  ///< the threshold (W) or thickness (mm) of every test; a range's lower end
  Bound upper;  ///< a range's upper end
  double value = 0;

  bool Holds(double Pn, double Tl) const;
};

constexpr TableRow PowerAbove(int watts, double value) {
  return {TableRow::Test::PowerAbove, {static_cast<double>(watts), false}, {}, value};
}
constexpr TableRow ThicknessIs(double mm, double value) {
  return {TableRow::Test::ThicknessIs, {mm, true}, {}, value};
}
constexpr TableRow ThicknessAbove(double mm, double value) {
  return {TableRow::Test::ThicknessAbove, {mm, false}, {}, value};
}
constexpr TableRow ThicknessWithin(Bound lower, Bound upper, double value) {
  return {TableRow::Test::ThicknessWithin, lower, upper, value};
}

/// The core forms a group applies to: one form, or every form (also outside 1 … 3).
struct Scope {
  bool every_form = true;
  std::int16_t form = 0;

  bool Covers(std::int16_t N) const { return every_form || form == N; }
};

constexpr Scope Form(std::int16_t form) { return {false, form}; }
inline constexpr Scope kEveryForm{};

/// Rows of one scope, tested in order.
struct TableGroup {
  static constexpr std::size_t kMaxRows = 5;

  Scope scope;
  std::array<TableRow, kMaxRows> rows{};
  std::size_t size = 0;
};

/// Groups tested in order; the last matching row of all wins.
struct CoefficientTable {
  static constexpr std::size_t kMaxGroups = 3;

  std::array<TableGroup, kMaxGroups> groups{};
  std::size_t size = 0;

  constexpr CoefficientTable(std::initializer_list<TableGroup> list) {
    for (const TableGroup& group : list) groups[size++] = group;
  }
};

/// Power thresholds (W) of a group's columns; a missing cell means the group has no such row.
using PowerSteps = std::array<int, TableGroup::kMaxRows>;
using PowerCells = std::array<std::optional<double>, TableGroup::kMaxRows>;
inline constexpr std::nullopt_t kNoRow = std::nullopt;

constexpr TableGroup PowerGroup(Scope scope, const PowerSteps& steps, const PowerCells& cells) {
  TableGroup group{scope};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (cells[i]) group.rows[group.size++] = PowerAbove(steps[i], *cells[i]);
  }
  return group;
}

constexpr TableGroup RowGroup(Scope scope, std::initializer_list<TableRow> rows) {
  TableGroup group{scope};
  for (const TableRow& row : rows) group.rows[group.size++] = row;
  return group;
}

extern const CoefficientTable KpdTable;
extern const CoefficientTable CosFiTable;
extern const CoefficientTable BmaxTable;
extern const CoefficientTable JTable;
extern const CoefficientTable KoTable;
extern const CoefficientTable KsTable;
extern const CoefficientTable DU1Table;
extern const CoefficientTable DU2Table;

/// Assigns to `target` the value of the last row that holds for N, Pn and Tl; without one the
/// target keeps what it held. Never faults. Tells whether a row held.
bool ApplyCoefficientTable(const CoefficientTable& table, std::int16_t N, double Pn, double Tl,
                           values::DynamicValue& target);

}  // namespace calc
