// A screen that holds the window but not at its usual place: 1920 x 1080 at a scale of 1.5,
// 1280 x 720, where the window at (215, 92) would end below the bottom edge.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/common/fitted_window.h"

namespace {

TEST(ShortScreen, TheWholeWindowMovesInsideTheAvailableArea) {
  EnsureQtApp();
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(available.size(), QSize(1280, 720));
  ui::Form1 window;
  const ui::FittedWindow fitted(window);
  ASSERT_EQ(&fitted.shown(), &window) << "the window fits the screen, so it needs no scrolling";
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  EXPECT_TRUE(available.contains(window.frameGeometry()))
      << window.frameGeometry().y() << " + " << window.frameGeometry().height();
  EXPECT_EQ(window.geometry().size(), QSize(697, 677));
  EXPECT_EQ(window.geometry().x(), 215) << "only the direction that cuts it moves";
  auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command2"));
  EXPECT_TRUE(available.contains(QRect(calculate->mapToGlobal(QPoint(0, 0)), calculate->size())));
  QTest::mouseClick(calculate, Qt::LeftButton);
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label26"))->text(), "18");
}

}  // namespace
