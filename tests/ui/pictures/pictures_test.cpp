#include "ui/pictures/core_pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmapCache>
#include <QRect>
#include <QtMath>

#include <memory>
#include <tuple>

namespace {

// QPixmap needs a QGuiApplication; gtest_main owns main(), so the environment provides it.
class GuiApplication : public ::testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[14] = "pictures_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] const ::testing::Environment* const kGuiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplication);

constexpr int kForms[] = {1, 2, 3};
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Picture(int form, qreal dpr) { return ui::CorePicture(form, dpr).toImage(); }

bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

double DarkShare(const QImage& image) {
  qint64 dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += IsDark(image.pixel(x, y)) ? 1 : 0;
  }
  return static_cast<double>(dark) / (qint64{image.width()} * image.height());
}

// In logical pixels, so pictures of different ratios can be compared.
QRectF DarkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsDark(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  const qreal dpr = image.devicePixelRatio();
  return QRectF(bounds.x() / dpr, bounds.y() / dpr, bounds.width() / dpr, bounds.height() / dpr);
}

class CorePictureTest : public ::testing::TestWithParam<std::tuple<int, qreal>> {
 protected:
  int form() const { return std::get<0>(GetParam()); }
  qreal dpr() const { return std::get<1>(GetParam()); }
};

TEST_P(CorePictureTest, Is220By180LogicalPixelsAtTheDeviceRatio) {
  const QPixmap pixmap = ui::CorePicture(form(), dpr());
  EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(220, 180));
  EXPECT_EQ(pixmap.devicePixelRatio(), dpr());
  EXPECT_EQ(pixmap.size(), QSize(qRound(220 * dpr()), qRound(180 * dpr())));
}

TEST_P(CorePictureTest, HasGreyLevelsOnly) {
  const QImage image = Picture(form(), dpr());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
          << "pixel " << x << "," << y << " is #" << std::hex << pixel;
    }
  }
}

TEST_P(CorePictureTest, ThreeRightmostLogicalColumnsAreWhite) {
  const QImage image = Picture(form(), dpr());
  for (int x = qFloor(217 * dpr()); x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      ASSERT_EQ(image.pixel(x, y), kWhite) << "pixel " << x << "," << y;
    }
  }
}

TEST_P(CorePictureTest, IsALineDrawingOnWhite) {
  const QImage image = Picture(form(), dpr());
  const double dark = DarkShare(image);
  EXPECT_GT(dark, 0.02);
  EXPECT_LT(dark, 0.30);
  EXPECT_EQ(image.pixel(0, image.height() - 1), kWhite);
  EXPECT_EQ(image.pixel(image.width() / 2, image.height() - 1), kWhite);
}

TEST_P(CorePictureTest, FillsThePictureAsAtRatioOne) {
  const QRectF here = DarkBounds(Picture(form(), dpr()));
  const QRectF atOne = DarkBounds(Picture(form(), 1));
  EXPECT_NEAR(here.left(), atOne.left(), 1.5);
  EXPECT_NEAR(here.top(), atOne.top(), 1.5);
  EXPECT_NEAR(here.right(), atOne.right(), 1.5);
  EXPECT_NEAR(here.bottom(), atOne.bottom(), 1.5);
}

TEST_P(CorePictureTest, NumberSitsInTheTopLeftCorner) {
  const QRectF bounds = DarkBounds(Picture(form(), dpr()));
  EXPECT_LT(bounds.left(), 12);
  EXPECT_LT(bounds.top(), 12);
}

TEST_P(CorePictureTest, IsTheSameAfterTheCacheIsEmptied) {
  const QImage first = Picture(form(), dpr());
  QPixmapCache::clear();
  EXPECT_EQ(Picture(form(), dpr()), first);
}

INSTANTIATE_TEST_SUITE_P(FormsAndRatios, CorePictureTest,
                         ::testing::Combine(::testing::ValuesIn(kForms),
                                            ::testing::Values(1.0, 1.5, 2.0)));

TEST(CorePicture, TheThreeFormsDiffer) {
  for (const qreal dpr : {1.0, 2.0}) {
    EXPECT_NE(Picture(1, dpr), Picture(2, dpr)) << dpr;
    EXPECT_NE(Picture(1, dpr), Picture(3, dpr)) << dpr;
    EXPECT_NE(Picture(2, dpr), Picture(3, dpr)) << dpr;
  }
}

TEST(CorePicture, RatiosDoNotShareACacheEntry) {
  for (const int form : kForms) {
    EXPECT_EQ(ui::CorePicture(form, 2).size(), QSize(440, 360));
    EXPECT_EQ(ui::CorePicture(form, 1).size(), QSize(220, 180));
    EXPECT_EQ(ui::CorePicture(form, 2).size(), QSize(440, 360));
  }
}

TEST(CorePicture, UnknownFormIsPlainWhite) {
  for (const int form : {0, 4, -1}) {
    const QImage image = Picture(form, 1);
    EXPECT_EQ(image.size(), QSize(220, 180));
    EXPECT_EQ(DarkShare(image), 0.0) << form;
    EXPECT_EQ(image.pixel(110, 90), kWhite) << form;
  }
}

}  // namespace
