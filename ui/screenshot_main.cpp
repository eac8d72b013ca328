// Draws the window as it looks after Calculate with the start inputs, into a PNG file.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include "ui/application_setup.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Использование: %s ФАЙЛ.png\n", argv[0]);
    return EXIT_FAILURE;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::SetUpApplication();
  ui::Form1 window;
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "Не удалось записать %s\n", argv[1]);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
