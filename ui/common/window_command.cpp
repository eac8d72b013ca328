#include "ui/common/window_command.h"

#include <QAction>
#include <QWidget>

namespace ui {

QAction* AddWindowCommand(QWidget& window, const QString& text, const QString& name,
                          const QKeySequence& keys) {
  auto* action = new QAction(text, &window);
  action->setObjectName(name);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setShortcutVisibleInContextMenu(true);
  window.addAction(action);
  return action;
}

}  // namespace ui
