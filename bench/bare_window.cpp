// The bare yardstick of bench/startup.sh: the least a Qt Widgets program does to show a window of
// the calculator's size.
#include <QApplication>
#include <QWidget>

#include "app/first_paint_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(697, 677);
  ui::ExitAfterFirstPaintIfAsked(window);
  window.show();
  return QApplication::exec();
}
