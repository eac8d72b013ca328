#include "qt_test_app.h"

#include <QApplication>
#include <QTimer>
#include <QVariant>

#include "ui/common/application_setup.h"

void EnsureQtApp() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "ui-tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
  ui::SetUpApplication();
}

QWidget* Control(const QWidget& window, const QString& name, int index) {
  QWidget* found = nullptr;
  for (QWidget* child : window.findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
    const QVariant childIndex = child->property("index");
    if (index == -1 ? childIndex.isValid() : childIndex != QVariant(index)) continue;
    if (found != nullptr) return nullptr;
    found = child;
  }
  return found;
}

int ExecAfter(QObject* context, const std::function<void()>& action) {
  QTimer::singleShot(0, context, [context, action] {
    action();
    // Two hops: a quit that the action posted is delivered in the pass after the first hop
    // at the latest, and once the loop has quit the second hop never runs.
    QTimer::singleShot(0, context, [context] {
      QTimer::singleShot(0, context, [] { QCoreApplication::exit(kLoopWentOn); });
    });
  });
  return QApplication::exec();
}
