#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"

namespace {

class ApplicationIdentity : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }
};

// A missing resource leaves the icon null or its pixmaps empty.
TEST_F(ApplicationIdentity, IconDrawsAtTheSizesADesktopAsksFor) {
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 24, 32, 48, 64}) {
    SCOPED_TRACE(size);
    const QImage image = icon.pixmap(size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 8)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
}

TEST_F(ApplicationIdentity, WindowAndItsMessageBoxesCarryTheProgramIcon) {
  const QImage expected = QApplication::windowIcon().pixmap(32).toImage();
  ui::Form1 window;
  EXPECT_EQ(window.windowIcon().pixmap(32).toImage(), expected);
  const QMessageBox box(&window);
  EXPECT_EQ(box.windowIcon().pixmap(32).toImage(), expected);
}

TEST_F(ApplicationIdentity, DesktopKnowsTheWindowByTheProgramId) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(TS_APP_ID));
}

}  // namespace
