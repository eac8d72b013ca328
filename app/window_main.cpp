#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>

#include "ui/application_setup.h"
#include "ui/first_paint_probe.h"
#include "ui/form1.h"

namespace {

/// Qt names no platform when nothing says where to draw; tell the user in plain words instead.
bool DisplayMissing(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "-platform") == 0) return false;
  }
  return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
         qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (DisplayMissing(argc, argv)) {
    std::fprintf(stderr,
                 "Окно не открыть: нет графического дисплея (переменные DISPLAY и "
                 "WAYLAND_DISPLAY пусты).\n"
                 "Запустите программу под виртуальным X-сервером:\n"
                 "  xvfb-run -a %s\n",
                 argv[0]);
    return EXIT_FAILURE;
  }
  QApplication app(argc, argv);
  ui::SetUpApplication();
  ui::Form1 window;
  ui::ExitAfterFirstPaintIfAsked(window);
  window.show();
  return QApplication::exec();
}
