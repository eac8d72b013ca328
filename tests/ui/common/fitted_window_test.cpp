#include <string>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/common/fitted_window.h"

namespace {

struct SizeCase {
  QSize room;
  QSize client;
};

// A 100 x 80 window with 10-pixel scroll bars.
const SizeCase kSizeCases[] = {
    {{200, 60}, {110, 60}},  // too low: a vertical bar, and the width grows by it
    {{60, 200}, {60, 90}},   // too narrow: a horizontal bar, and the height grows by it
    {{105, 60}, {105, 60}},  // the vertical bar leaves too little width: both bars
    {{95, 85}, {95, 85}},    // the horizontal bar leaves too little height: both bars
    {{95, 95}, {95, 90}},    // a horizontal bar only, the height still fits with it
    {{50, 40}, {50, 40}},
};

class ScrollingClientSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ScrollingClientSizeTest, ShowsAllThatFitsWithTheBarsItNeeds) {
  EXPECT_EQ(ui::ScrollingClientSize({100, 80}, GetParam().room, 10), GetParam().client);
}

INSTANTIATE_TEST_SUITE_P(Rooms, ScrollingClientSizeTest, testing::ValuesIn(kSizeCases),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                           return std::to_string(info.param.room.width()) + "x" +
                                  std::to_string(info.param.room.height());
                         });

struct PlaceCase {
  const char* name;
  QRect client;
  QPoint placed;
};

// A 100 x 80 client area framed by 4, 32, 4, 4 on a 1000 x 700 area from (0, 20).
const PlaceCase kPlaceCases[] = {
    {"InsideStays", {{215, 92}, QSize(100, 80)}, {215, 92}},
    {"TouchingTheEdgesStays", {{4, 52}, QSize(100, 80)}, {4, 52}},
    {"BelowTheBottomMovesUp", {{215, 650}, QSize(100, 80)}, {215, 636}},
    {"BeyondTheRightMovesLeft", {{950, 92}, QSize(100, 80)}, {896, 92}},
    {"TitleBarAboveTheTopMovesDown", {{215, 30}, QSize(100, 80)}, {215, 52}},
    {"LeftOfTheAreaMovesRight", {{-50, 92}, QSize(100, 80)}, {4, 92}},
    {"OnAnotherScreenComesInside", {{1920, 800}, QSize(100, 80)}, {896, 636}},
};

class PlacedInsideTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlacedInsideTest, KeepsTheFramedWindowInsideTheAvailableArea) {
  EXPECT_EQ(ui::PlacedInside(GetParam().client, {4, 32, 4, 4}, {0, 20, 1000, 700}),
            GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(Places, PlacedInsideTest, testing::ValuesIn(kPlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs on two offscreen screens (two_screens.json) scaled by 1.5, as a 1.5 desktop would: the
// first (2560 x 1440, 1707 x 960 at that scale) holds the window at its place, the second
// (800 x 600, 533 x 400 at that scale) does not hold it at all.
class FittedWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  static QScreen* Screen(const char* name) {
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->name() == QLatin1String(name)) return screen;
    }
    return nullptr;
  }

  static QList<QRect> ControlPlaces(const QWidget& window) {
    QList<QRect> places;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      places.append(child->geometry());
    }
    return places;
  }

  ui::Form1 window_;
};

TEST_F(FittedWindowTest, OnAScreenThatHoldsItTheWindowShowsAsItIs) {
  ASSERT_NE(Screen("roomy"), nullptr);
  ASSERT_EQ(QGuiApplication::primaryScreen(), Screen("roomy"));
  const ui::FittedWindow fitted(window_);
  ASSERT_EQ(&fitted.shown(), &window_);
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  EXPECT_TRUE(window_.isWindow());
  EXPECT_EQ(window_.geometry(), QRect(215, 92, 697, 677));
}

TEST_F(FittedWindowTest, OnASmallScreenTheClientAreaScrollsWithinTheAvailableArea) {
  QScreen* small = Screen("small");
  ASSERT_NE(small, nullptr);
  const QList<QRect> places = ControlPlaces(window_);
  window_.setScreen(small);
  const ui::FittedWindow fitted(window_);
  auto* scroller = qobject_cast<QScrollArea*>(&fitted.shown());
  ASSERT_NE(scroller, nullptr);
  scroller->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(scroller));

  EXPECT_EQ(scroller->windowTitle(), window_.windowTitle());
  EXPECT_TRUE(small->availableGeometry().contains(scroller->frameGeometry()))
      << scroller->frameGeometry().x() << "," << scroller->frameGeometry().y() << " "
      << scroller->frameGeometry().width() << "x" << scroller->frameGeometry().height();
  EXPECT_EQ(scroller->widget(), &window_);
  EXPECT_EQ(window_.size(), QSize(697, 677));
  EXPECT_EQ(ControlPlaces(window_), places);
  const QSize viewport = scroller->viewport()->size();
  EXPECT_EQ(scroller->horizontalScrollBar()->maximum(), 697 - viewport.width());
  EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 677 - viewport.height());
  EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
}

TEST_F(FittedWindowTest, OnASmallScreenCalculateIsReachedAndWorks) {
  window_.setScreen(Screen("small"));
  const ui::FittedWindow fitted(window_);
  QWidget& shown = fitted.shown();
  auto* scroller = qobject_cast<QScrollArea*>(&shown);
  ASSERT_NE(scroller, nullptr);
  shown.show();
  shown.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Text2");

  auto* calculate = window_.findChild<QPushButton*>(QStringLiteral("Command2"));
  ASSERT_NE(calculate, nullptr);
  scroller->ensureWidgetVisible(calculate, 0, 0);
  const QRect onViewport(calculate->mapTo(scroller->viewport(), QPoint(0, 0)), calculate->size());
  EXPECT_TRUE(scroller->viewport()->rect().contains(onViewport));
  QTest::mouseClick(calculate, Qt::LeftButton);
  EXPECT_EQ(window_.findChild<QLabel*>(QStringLiteral("Label26"))->text(), "18");
}

}  // namespace
