#pragma once

#include <cstddef>
#include <string>

#include "plan/figures.h"
#include "plan/winding_plan.h"

namespace batch {

/// The plan takes 26 fields: verdict, fill, depth, hole left, then eleven for each winding.
inline constexpr std::size_t kPlanWindings = plan::kWindingNames.size();

/// Appends the plan's fields, each after a TAB; all empty without a plan.
void AppendPlanFields(const plan::Plan* plan, std::string& out);

/// Appends the names of the plan's fields, each after a TAB, in Russian with units.
void AppendPlanHeader(std::string& out);

}  // namespace batch
