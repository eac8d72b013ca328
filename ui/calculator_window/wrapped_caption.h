#pragma once

#include <QLabel>
#include <QString>

namespace ui {

/// A caption over two lines. Its run of full stops only leads the eye to the field, so it is
/// shortened until the caption fits its two lines rather than spilling onto a third; text()
/// keeps the whole caption.
class WrappedCaption final : public QLabel {
  Q_OBJECT

 public:
  WrappedCaption(const QString& text, QWidget* parent);

  /// What the caption draws: its text with as many of the closing full stops as fit.
  QString ShownText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
