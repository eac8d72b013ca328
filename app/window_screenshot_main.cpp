// Draws the window as it looks after Calculate, into a PNG file: the calculator window with the
// start inputs, or with --plan its plan window, with --plan-tight that of a tight shell core, with
// --check the check of the start inputs (flagged), with --check-clean that of a design without
// flags, with --windings the windings of a valve amplifier, with --settings the settings of plan
// and check. Settings are the defaults, whatever the user running it has stored.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include "ui/calculator_window/form1.h"
#include "ui/common/application_setup.h"
#include "ui/common/winding_rows.h"
#include "ui/plan_window/plan_window.h"

namespace {

using Inputs = std::array<const char*, 9>;

struct Shot {
  const char* option;                     ///< empty for the calculator window
  std::optional<Inputs> inputs;           ///< none: the start inputs as the window opens with them
  int page;                               ///< the plan window's page shown
  const ui::WindingRows* rows = nullptr;  ///< the windings table kept before the window opens
};

// A tape-wound shell core whose windings fill 98 % of its window.
constexpr Inputs kTightCore = {"2", "230", "5", "19.9", "3", "5.3", "0.74", "12.5", "0.2"};
// A shell core whose calculated turns raise no flag of the check.
constexpr Inputs kCleanCore = {"1", "110", "24", "3", "1", "8", "4", "6", "0.35"};
// A valve amplifier: 250-0-250 V at 100 mA DC through two diodes and a capacitor, and two heater
// windings, 6.3 V 2 A and 5 V 2 A.
constexpr Inputs kValveAmplifier = {"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"};
const ui::WindingRows kValveWindings = {
    windings::Kind::CtC,
    {{QStringLiteral("6.3"), QStringLiteral("2"), windings::Kind::Ac},
     {QStringLiteral("5"), QStringLiteral("2"), windings::Kind::Ac}}};

// clang-format off
const Shot kShots[] = {
    {"", std::nullopt, 0},
    {"--plan", std::nullopt, 0},
    {"--plan-tight", kTightCore, 0},
    {"--check", std::nullopt, 1},
    {"--check-clean", kCleanCore, 1},
    {"--windings", kValveAmplifier, 2, &kValveWindings},
    {"--settings", std::nullopt, 3},
};
// clang-format on

const Shot* ReadArguments(int argc, char** argv) {
  if (argc == 2 && argv[1][0] != '-') return &kShots[0];
  if (argc != 3) return nullptr;
  for (const Shot& shot : kShots) {
    if (std::strcmp(argv[1], shot.option) == 0) return &shot;
  }
  return nullptr;
}

QWidget* Calculated(ui::Form1& window, const Shot& shot) {
  if (shot.inputs) {
    for (std::size_t k = 0; k < shot.inputs->size(); ++k) {
      window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1))->setText((*shot.inputs)[k]);
    }
  }
  window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  if (shot.option[0] == '\0') return &window;
  window.findChild<QAction*>(QStringLiteral("openPlan"))->trigger();
  auto* plan = window.findChild<ui::PlanWindow*>();
  plan->findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(shot.page);
  return plan;
}

}  // namespace

int main(int argc, char** argv) {
  const Shot* shot = ReadArguments(argc, argv);
  if (shot == nullptr) {
    std::fprintf(stderr,
                 "Использование: %s [--plan | --plan-tight | --check | --check-clean | --windings "
                 "| --settings] "
                 "ФАЙЛ.png\n",
                 argv[0]);
    return EXIT_FAILURE;
  }
  const char* file = argv[argc - 1];
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::SetUpApplication();
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  if (shot->rows != nullptr) ui::StoreRows(*shot->rows);
  ui::Form1 window;
  window.show();
  if (!Calculated(window, *shot)->grab().save(QString::fromLocal8Bit(file), "PNG")) {
    std::fprintf(stderr, "Не удалось записать %s\n", file);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
