#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calc/note_words.h"

namespace account {

/// For a run that showed a verdict: which of Bmax, J, Ko and Ks the core's power Ps was
/// computed with although the tables gave no value, why, and what to enter instead, in Russian,
/// a sentence a line; empty when the tables gave all four.
std::string CoefficientWords(const calc::NotedRun& run);

/// The thicknesses the steel fill factor table knows for core form `form`, in Russian:
/// "от 0.08 до 0.2 мм, 0.35 мм".
std::string KnownThicknesses(std::int16_t form);

/// The thickness the table knows that lies nearest to `mm` for core form `form`; none when the
/// table knows none for that form.
std::optional<double> NearestKnownThickness(std::int16_t form, double mm);

}  // namespace account
