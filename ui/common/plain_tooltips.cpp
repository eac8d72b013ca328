#include "ui/common/plain_tooltips.h"

#include <QEvent>
#include <QHelpEvent>
#include <QObject>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace ui {

namespace {

// `text` as a tooltip shows it as typed: escaped into markup where Qt would take it for some.
QString ToolTipAsTyped(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped());
}

// Shows the tooltip of the widget it watches itself, as typed.
class AsTyped final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString text = widget->toolTip();
    if (text.isEmpty()) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ToolTipAsTyped(text), widget,
                       {}, widget->toolTipDuration());
    return true;
  }
};

}  // namespace

void ShowToolTipAsTyped(QWidget& widget) {
  static AsTyped filter;
  widget.removeEventFilter(&filter);
  widget.installEventFilter(&filter);
}

}  // namespace ui
