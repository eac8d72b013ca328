#include "ui/calculator_window/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/common/theme_tint.h"

namespace ui {

namespace {

const QColor kResultBackground(192, 255, 192);
// The background is light whatever the theme, so the text must stay dark on a dark theme too.
const QColor kResultText(0, 0, 0);

/// Static text whose name is the caption and whose text is the shown result, read-only.
class ResultLabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ResultLabelAccessible(ResultLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::Role role() const override {
    return Label()->IsLink() ? QAccessible::Link : QAccessible::StaticText;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = Label()->IsLink();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Label()->IsLink()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& name) override {
    if (name == pressAction()) {
      Label()->Follow();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Shown();
    return QAccessibleWidget::text(kind);
  }

  QString text(int startOffset, int endOffset) const override {
    return Shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

  void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
  void removeSelection(int /*selectionIndex*/) override {}
  void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int /*position*/) override {}
  QRect characterRect(int /*offset*/) const override { return {}; }
  int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
  void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}

 private:
  ResultLabel* Label() const { return static_cast<ResultLabel*>(widget()); }
  QString Shown() const { return Label()->text(); }
};

QAccessibleInterface* ResultLabelFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ResultLabel::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new ResultLabelAccessible(static_cast<ResultLabel*>(object));
  }
  return nullptr;
}

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
  [[maybe_unused]] static const bool accessible =
      (QAccessible::installFactory(ResultLabelFactory), true);
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kResultBackground);
  colours.setColor(QPalette::WindowText, kResultText);
  setPalette(colours);
  // The window's menu offers copying the selection, beside its own commands.
  setContextMenuPolicy(Qt::NoContextMenu);
}

void ResultLabel::ShowStale(bool stale) {
  QPalette colours = palette();
  const QColor text =
      stale ? QApplication::palette().color(QPalette::Disabled, QPalette::WindowText) : kResultText;
  colours.setColor(QPalette::WindowText, text);
  setPalette(colours);
  setProperty("stale", stale);
}

void ResultLabel::ShowWarning(bool warning) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window,
                   warning ? Tinted(kResultBackground, kWarningHue) : kResultBackground);
  setPalette(colours);
  setProperty("runNote", warning);
}

void ResultLabel::ShowResult(const QString& text) {
  if (!text.isEmpty()) AllowSelection();
  const QString old = this->text();
  setText(text);
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent event(this, 0, old, text);
    QAccessible::updateAccessibility(&event);
  }
}

// Waits for the first result: an empty label has nothing to select, and start-up makes no text
// documents. A result is copied with the mouse only, so only a link takes the keyboard focus.
void ResultLabel::AllowSelection() {
  if (textInteractionFlags() & Qt::TextSelectableByMouse) return;
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setFocusPolicy(link_ ? Qt::TabFocus : Qt::NoFocus);
}

// Tab reaches a link, a click does not move the focus to it. A link goes away only while the
// plan window has the focus; the window's focus is not left where Tab no longer comes, so it
// starts again from the first field.
void ResultLabel::ShowLink(const QString& words) {
  setToolTip(words);
  setAccessibleDescription(words);
  const bool link = !words.isEmpty();
  if (link == link_) return;
  link_ = link;
  ShowWarning(link);
  QFont shown = font();
  shown.setUnderline(link);
  setFont(shown);
  if (link) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
  if (!link && window()->focusWidget() == this) clearFocus();
  setFocusPolicy(link ? Qt::TabFocus : Qt::NoFocus);
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.linked = true;
    changed.focusable = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void ResultLabel::Follow() {
  if (link_) emit Activated();
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (link_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    event->accept();
    Follow();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ResultLabel::mousePressEvent(QMouseEvent* event) {
  pressed_at_ = event->position().toPoint();
  QLabel::mousePressEvent(event);
}

// A click follows the link; a drag that selects part of the result does not.
void ResultLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  const QPoint at = event->position().toPoint();
  const bool click = (at - pressed_at_).manhattanLength() < QApplication::startDragDistance();
  if (event->button() == Qt::LeftButton && click && rect().contains(at) && !hasSelectedText()) {
    Follow();
  }
}

void ResultLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  update();
}

void ResultLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

// A link with the focus shows it as the theme draws a focused control.
void ResultLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!link_ || !hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(QPalette::Window);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace ui
