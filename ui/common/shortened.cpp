#include "ui/common/shortened.h"

#include "ui/common/utf8.h"

namespace ui {

namespace {

constexpr qsizetype kShownLength = 24;
// Enough to hold more than kShownLength characters of any script, and leading blanks.
constexpr qsizetype kReadLength = 4 * (kShownLength + 1);

}  // namespace

QString Shortened(QStringView text) {
  QString shown = text.left(kReadLength).toString().trimmed();
  if (shown.size() > kShownLength) shown = shown.left(kShownLength) + QStringLiteral("…");
  return shown;
}

QString Shortened(std::string_view text) {
  return Shortened(FromUtf8(text.substr(0, static_cast<std::size_t>(kReadLength))));
}

}  // namespace ui
