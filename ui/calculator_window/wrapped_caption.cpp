#include "ui/calculator_window/wrapped_caption.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {

namespace {

constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

WrappedCaption::WrappedCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString WrappedCaption::ShownText() const {
  const QString full = text();
  qsizetype words = full.size();
  while (words > 0 && full[words - 1] == u'.') --words;
  const QFontMetrics metrics(font());
  const QRect box = contentsRect();
  const auto fits = [&](qsizetype length) {
    const QRect tall(box.topLeft(), QSize(box.width(), 100 * box.height()));
    return metrics.boundingRect(tall, kFlags, full.left(length)).height() <= box.height();
  };
  // Largest length from `words` up to the whole text that fits; the words alone always show.
  qsizetype low = words;
  qsizetype high = full.size();
  while (low < high) {
    const qsizetype middle = (low + high + 1) / 2;
    if (fits(middle)) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return full.left(low);
}

void WrappedCaption::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(contentsRect(), kFlags, ShownText());
}

}  // namespace ui
