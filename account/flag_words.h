#pragma once

#include <string>
#include <vector>

#include "check/design_check.h"
#include "check/settings.h"

namespace account {

/// What each flag a design raises means at the bench, one Russian sentence a flag with the
/// figures behind it, in the flags' order; empty when the design raises none.
std::vector<std::string> FlagSentences(const check::CheckInput& input,
                                       const check::DesignCheck& design,
                                       const check::Settings& settings);

/// The same in one line: the flags' sentences, or that there are none.
std::string FlagSummary(const check::CheckInput& input, const check::DesignCheck& design,
                        const check::Settings& settings);

}  // namespace account
