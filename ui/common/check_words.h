#pragma once

#include <QString>
#include <QStringList>

#include "check/design_check.h"
#include "check/settings.h"

namespace ui {

/// What each flag a design raises means at the bench, one Russian sentence a flag with the
/// figures behind it; empty when the design raises none.
QStringList FlagSentences(const check::CheckInput& input, const check::DesignCheck& design,
                          const check::Settings& settings);

/// The same in one line for a tooltip: the flags' sentences, or that there are none.
QString FlagSummary(const check::CheckInput& input, const check::DesignCheck& design,
                    const check::Settings& settings);

}  // namespace ui
