#include "ui/calculator_window/window_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "ui/common/qt_translations.h"
#include "ui/common/window_command.h"

namespace ui {

WindowActions AddWindowActions(QWidget& window) {
  return {AddWindowCommand(window, QStringLiteral("Открыть проект…"), QStringLiteral("openDesign"),
                           QKeySequence(Qt::CTRL | Qt::Key_O)),
          AddWindowCommand(window, QStringLiteral("Сохранить проект…"),
                           QStringLiteral("saveDesign"), QKeySequence(Qt::CTRL | Qt::Key_S)),
          AddWindowCommand(window, QStringLiteral("План намотки и проверка…"),
                           QStringLiteral("openPlan"), QKeySequence(Qt::Key_F4)),
          AddWindowCommand(window, QStringLiteral("Копировать результаты"),
                           QStringLiteral("copyResults"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))};
}

QMenu* WindowMenu(QWidget& window, QWidget* under, const WindowActions& actions) {
  auto* menu = new QMenu(&window);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (const auto* label = qobject_cast<const QLabel*>(under); label && label->hasSelectedText()) {
    const QString selected = label->selectedText();
    menu->addAction(QStringLiteral("Копировать выделенное"), menu,
                    [selected] { QGuiApplication::clipboard()->setText(selected); });
    menu->addSeparator();
  }
  menu->addAction(actions.open);
  menu->addAction(actions.save);
  menu->addSeparator();
  menu->addAction(actions.plan);
  menu->addAction(actions.copy);
  return menu;
}

void ExtendFieldMenus(const std::array<QLineEdit*, 9>& fields, const WindowActions& actions) {
  for (QLineEdit* field : fields) {
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field,
                     [field, actions](const QPoint& at) {
                       UseRussianQtTexts();
                       QMenu* menu = field->createStandardContextMenu();
                       menu->setAttribute(Qt::WA_DeleteOnClose);
                       menu->addSeparator();
                       menu->addAction(actions.plan);
                       menu->addAction(actions.copy);
                       menu->popup(field->mapToGlobal(at));
                     });
  }
}

QString VerdictHint(const QKeySequence& keys) {
  return QStringLiteral(
             "Поместятся ли обмотки, какой провод взять, сколько его нужно и что трансформатор "
             "покажет на стенде — в плане намотки и проверке: %1 или «План намотки и "
             "проверка…» в меню правой кнопки мыши")
      .arg(keys.toString(QKeySequence::NativeText));
}

}  // namespace ui
