#pragma once

#include <array>
#include <memory>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "ui/calculator_window/form1.h"
#include "ui/plan_window/plan_window.h"

/// The nine input texts, Text1 … Text9.
using Inputs = std::array<const char*, 9>;

inline constexpr Inputs kStartInputs = {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};

/// A tape-wound shell core whose windings fill 98.2 % of its window: verdict "tight".
inline constexpr Inputs kTightShell = {"2", "230", "5", "19.9", "3", "5.3", "0.74", "12.5", "0.2"};

/// A window whose fault reports are dropped, so a faulting run does not wait for the user.
inline std::unique_ptr<ui::Form1> QuietWindow() {
  return std::make_unique<ui::Form1>([](QWidget*, const QString&, const QString&) {});
}

/// Types `inputs` into the fields and presses Calculate.
inline void Calculate(ui::Form1& window, const Inputs& inputs) {
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1))->setText(inputs[k]);
  }
  window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
}

inline QAction* WindowAction(const ui::Form1& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

/// Opens the plan window as the menu item does, and returns it.
inline ui::PlanWindow* OpenPlan(ui::Form1& window) {
  WindowAction(window, "openPlan")->trigger();
  return window.findChild<ui::PlanWindow*>();
}
