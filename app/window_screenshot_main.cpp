// Draws the window as it looks after Calculate, into a PNG file: the calculator window with the
// start inputs, or with --plan its plan window, with --plan-tight that of a tight shell core.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "ui/calculator_window/form1.h"
#include "ui/common/application_setup.h"
#include "ui/plan_window/plan_window.h"

namespace {

enum class Shot { Window, Plan, TightPlan };

// A tape-wound shell core whose windings fill 98 % of its window.
constexpr std::array<const char*, 9> kTightCore = {"2",   "230",  "5",    "19.9", "3",
                                                   "5.3", "0.74", "12.5", "0.2"};

bool ReadArguments(int argc, char** argv, Shot& shot, const char*& file) {
  if (argc == 2 && argv[1][0] != '-') {
    shot = Shot::Window;
  } else if (argc == 3 && std::strcmp(argv[1], "--plan") == 0) {
    shot = Shot::Plan;
  } else if (argc == 3 && std::strcmp(argv[1], "--plan-tight") == 0) {
    shot = Shot::TightPlan;
  } else {
    return false;
  }
  file = argv[argc - 1];
  return true;
}

QWidget* Calculated(ui::Form1& window, Shot shot) {
  if (shot == Shot::TightPlan) {
    for (std::size_t k = 0; k < kTightCore.size(); ++k) {
      window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1))->setText(kTightCore[k]);
    }
  }
  window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  if (shot == Shot::Window) return &window;
  window.findChild<QAction*>(QStringLiteral("openPlan"))->trigger();
  return window.findChild<ui::PlanWindow*>();
}

}  // namespace

int main(int argc, char** argv) {
  Shot shot = Shot::Window;
  const char* file = nullptr;
  if (!ReadArguments(argc, argv, shot, file)) {
    std::fprintf(stderr, "Использование: %s [--plan | --plan-tight] ФАЙЛ.png\n", argv[0]);
    return EXIT_FAILURE;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::SetUpApplication();
  ui::Form1 window;
  window.show();
  if (!Calculated(window, shot)->grab().save(QString::fromLocal8Bit(file), "PNG")) {
    std::fprintf(stderr, "Не удалось записать %s\n", file);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
