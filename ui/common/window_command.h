#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QWidget;

namespace ui {

/// A command of `window`, found by `name`, whose shortcut acts anywhere in the window and is
/// shown in its menus.
QAction* AddWindowCommand(QWidget& window, const QString& text, const QString& name,
                          const QKeySequence& keys);

}  // namespace ui
