#pragma once

#include <array>
#include <memory>
#include <utility>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/plan_window/plan_window.h"

/// The nine input texts, Text1 … Text9.
using Inputs = std::array<const char*, 9>;

inline constexpr Inputs kStartInputs = {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};

/// A valve amplifier: 250-0-250 V at 100 mA DC through two diodes and a capacitor.
inline constexpr Inputs kValveAmplifier = {"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"};

/// A tape-wound shell core whose windings fill 98.2 % of its window: verdict "tight".
inline constexpr Inputs kTightShell = {"2", "230", "5", "19.9", "3", "5.3", "0.74", "12.5", "0.2"};

/// A window whose fault reports are dropped, so a faulting run does not wait for the user; it
/// starts from the default settings.
inline std::unique_ptr<ui::Form1> QuietWindow() {
  ForgetStoredSettings();
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

/// Adds a row to the plan window's windings table and types its U and I key by key.
inline void AddWinding(const QWidget& plan, const char* voltage, const char* current) {
  plan.findChild<QPushButton*>(QStringLiteral("addWinding"))->click();
  auto* table = plan.findChild<QTableWidget*>(QStringLiteral("windingsTable"));
  const int row = table->rowCount() - 1;
  for (const auto& [column, text] : {std::pair{0, voltage}, std::pair{1, current}}) {
    QTest::keyClicks(qobject_cast<QLineEdit*>(table->cellWidget(row, column)),
                     QString::fromLatin1(text));
  }
}

/// The valve amplifier's windings: its HT winding centre-tapped with two diodes and a capacitor,
/// then heaters of 6.3 V 2 A and 5 V 2 A.
inline void DescribeValveAmplifier(const QWidget& plan) {
  auto* table = plan.findChild<QTableWidget*>(QStringLiteral("windingsTable"));
  qobject_cast<QComboBox*>(table->cellWidget(0, 2))->setCurrentIndex(3);  // ct-c
  AddWinding(plan, "6.3", "2");
  AddWinding(plan, "5", "2");
}

/// A shown main window that has sized the valve amplifier, and its plan window open.
class ValvePlanTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    window_->show();
    Calculate(*window_, kValveAmplifier);
    plan_ = OpenPlan(*window_);
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
  ui::PlanWindow* plan_ = nullptr;
};
