#pragma once

#include <variant>

#include <QString>

#include "design_file/design.h"

namespace ui {

/// The design in the file at `path`, or the Russian message why it is not opened, naming the
/// file. Only designs the window can show are taken.
std::variant<design_file::Design, QString> ReadDesignFile(const QString& path);

/// Writes `design` into the file at `path` whole or not at all; empty when written, else the
/// Russian message why not.
QString WriteDesignFile(const QString& path, const design_file::Design& design);

}  // namespace ui
