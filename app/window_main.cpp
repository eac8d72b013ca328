#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <thread>

#include <QApplication>
#include <QFontDatabase>

#include "app/first_paint_probe.h"
#include "app/window_command_line.h"
#include "ui/calculator_window/form1.h"
#include "ui/common/application_setup.h"
#include "ui/common/fitted_window.h"

namespace {

/// Without a display Qt stops with a message about platform plugins; the user gets plain words.
bool DisplayMissing(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "-platform") == 0) return false;
  }
  return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
         qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  const std::span<const char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
  if (const auto status = app::AnswerInformationOption(args, stdout)) return *status;
  if (DisplayMissing(argc, argv)) {
    std::fprintf(stderr,
                 "Нет графического дисплея (DISPLAY и WAYLAND_DISPLAY не заданы), поэтому окно "
                 "открыть нельзя; без дисплея программу можно запустить на виртуальном X-сервере:\n"
                 "  xvfb-run -a %s\n",
                 argv[0]);
    return EXIT_FAILURE;
  }
  QApplication app(argc, argv);
  ui::SetUpApplication();
  // Qt has taken its own options out of argv by now.
  const auto design = app::DesignArgument({argv + 1, static_cast<std::size_t>(argc - 1)});
  // Reading the system's font configuration is the longest step of start-up. It runs beside
  // the drawing of the pictures; the window's first text waits for it in the font database.
  std::jthread fonts([] { QFontDatabase::families(); });
  ui::Form1 window;
  ui::ExitAfterFirstPaintIfAsked(window);
  const ui::FittedWindow fitted(window);
  fitted.shown().show();
  // Before the first paint, so that the window never shows the example in place of the design.
  if (design) window.OpenDesign(QString::fromLocal8Bit(design->data(), design->size()));
  return QApplication::exec();
}
