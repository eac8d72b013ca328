#pragma once

#include <array>

#include <QString>

class QAction;
class QKeySequence;
class QLineEdit;
class QMenu;
class QWidget;

namespace ui {

/// The calculator window's commands beside its buttons.
struct WindowActions {
  QAction* open = nullptr;  ///< «Открыть проект…», Ctrl+O
  QAction* save = nullptr;  ///< «Сохранить проект…», Ctrl+S
  QAction* plan = nullptr;  ///< «План намотки и проверка…», F4
  QAction* copy = nullptr;  ///< «Копировать результаты», Ctrl+Shift+C
};

/// Adds the commands to `window` with shortcuts that work whatever control has the focus;
/// being actions, they take no place in the Tab ring.
WindowActions AddWindowActions(QWidget& window);

/// The menu of a right click or the Menu key over `under`, a part of `window` that has no menu
/// of its own: copying the selection of a result label, when there is one, and the commands.
/// It deletes itself when closed.
QMenu* WindowMenu(QWidget& window, QWidget* under, const WindowActions& actions);

/// How to open the plan from the verdict: the menu item and its shortcut `keys`.
QString VerdictHint(const QKeySequence& keys);

/// Gives each input field its own edit menu, in Russian, with the plan and copy commands at its
/// end.
void ExtendFieldMenus(const std::array<QLineEdit*, 9>& fields, const WindowActions& actions);

}  // namespace ui
