#pragma once

#include <QLabel>
#include <QPoint>

namespace ui {

/// A light-green label that a run writes a result into. Screen readers get its caption as the
/// name and the result as its text, since a plain QLabel would give them only one of the two.
class ResultLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLabel(QWidget* parent);

  /// Shows `text` and tells assistive technology that it changed.
  void ShowResult(const QString& text);

  /// Draws the text in the theme's disabled text colour while it no longer matches the inputs.
  void ShowStale(bool stale);

  /// Gives the box the warning tint of a marked input field.
  void ShowWarning(bool warning);

  /// Makes the result a link to where `words` lead: the warning tint, underlined text, `words`
  /// as tooltip and accessible description, a link's role, and a place in the Tab ring; empty
  /// `words` take it all away. The text stays as the run wrote it.
  void ShowLink(const QString& words);

  /// Whether the result is a link now.
  bool IsLink() const { return link_; }

  /// Follows the link, as a click does; nothing when the result is not one.
  void Follow();

 signals:
  /// The user followed the link: a click, Enter, Return or Space, or an assistive tool's press.
  void Activated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void AllowSelection();

  bool link_ = false;
  QPoint pressed_at_;
};

}  // namespace ui
