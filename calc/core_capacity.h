#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"

namespace calc {

/// The largest load current the capacity search tries, in hundredths of an ampere: 1,000,000 A.
inline constexpr std::int64_t kMostHundredths = 100'000'000;

/// Load currents from `low` to `high` hundredths of an ampere, both included.
struct CurrentRange {
  std::int64_t low = 0;
  std::int64_t high = 0;

  friend bool operator==(const CurrentRange&, const CurrentRange&) = default;
};

/// What the core of a refused run can give at the run's U2.
struct CoreCapacity {
  double voltage = 0;  ///< U2 as the run read it, V
  std::string power;   ///< Ps shown at the largest accepted current, else as refused
  std::vector<CurrentRange> accepted;  ///< ascending and apart; empty: none from 0.01 A
  int runs = 0;                        ///< described runs the search made
};

/// For a run of `texts` that left `record` refusing the core at a U2 above 0: the currents
/// (0.01 A steps) for which the described run on a copy of `record` says «Подходит»; else none.
std::optional<CoreCapacity> FindCoreCapacity(const CalculatorState& record,
                                             const InputTexts& texts);

/// A current as the user types it into Text4, with "." (a "," would end the number): "0.45".
std::string CurrentText(std::int64_t hundredths);

/// «Сердечник отдаст до 7 Вт: при U2 = 12 В ток нагрузки до 0.45 А», every accepted span named.
std::string CapacityWords(const CoreCapacity& capacity);

}  // namespace calc
