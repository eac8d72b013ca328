#include "ui/common/shortened.h"

#include "calc/note_words.h"
#include "ui/common/utf8.h"

namespace ui {

// One rule for the tooltips, the sheet and the web page: the engine's.
QString Shortened(QStringView text) {
  // More than the engine reads of UTF-8 text, in UTF-16 units.
  const QByteArray start = text.left(100).toUtf8();
  return Shortened(std::string_view(start.constData(), static_cast<std::size_t>(start.size())));
}

QString Shortened(std::string_view text) { return FromUtf8(calc::Shortened(text)); }

}  // namespace ui
