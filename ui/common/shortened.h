#pragma once

#include <string_view>

#include <QString>
#include <QStringView>

namespace ui {

/// The start of a field's text as a tooltip or the sheet quotes it: trimmed, at most 24
/// characters, with "…" where it was cut. A field may hold a megabyte.
QString Shortened(QStringView text);

/// The same for UTF-8 text; only its start is read.
QString Shortened(std::string_view text);

}  // namespace ui
