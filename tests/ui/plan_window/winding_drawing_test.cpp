#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include "account/total_planned.h"
#include "drawn_fill.h"
#include "qt_test_app.h"
#include "ui/plan_window/planned_run.h"
#include "ui/plan_window/winding_drawing.h"
#include "window_driver.h"

namespace {

using ui::DrawnPart;

ui::PlannedRun Planned(const Inputs& inputs) {
  const auto window = QuietWindow();
  Calculate(*window, inputs);
  return OpenPlan(*window)->Planned();
}

QImage Drawn(const ui::PlannedRun& planned, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  ui::PaintWindingDrawing(painter, QRectF(QPointF(10, 10), size - QSize(20, 20)), planned);
  return image;
}

struct ProportionCase {
  const char* name;
  Inputs inputs;
  QSize size;
};

void PrintTo(const ProportionCase& c, std::ostream* os) { *os << c.name; }

class DrawingProportion : public testing::TestWithParam<ProportionCase> {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }
};

TEST_P(DrawingProportion, FillAcrossTheWindowIsThePlans) {
  const ui::PlannedRun planned = Planned(GetParam().inputs);
  ASSERT_TRUE(planned.HasPlan());
  const double drawn = DrawnFill(Drawn(planned, GetParam().size));
  EXPECT_NEAR(drawn, planned.plan.fill, 0.05 * planned.plan.fill) << "drawn " << drawn;
}

// clang-format off
const ProportionCase kProportionCases[] = {
    {"StartRing", kStartInputs, {1200, 1400}},
    {"TightShell", kTightShell, {1200, 1400}},
    {"TightShellInALowWideBox", kTightShell, {1400, 500}},
    {"ShellWithSeveralLayers", {"1", "220", "24", "2", "3", "4", "1.5", "4", "0.35"}, {900, 900}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Plans, DrawingProportion, testing::ValuesIn(kProportionCases),
                         [](const testing::TestParamInfo<ProportionCase>& info) {
                           return info.param.name;
                         });

/// A page that counts what is drawn on it instead of drawing it.
class CountingEngine final : public QPaintEngine {
 public:
  CountingEngine() : QPaintEngine(AllFeatures) {}

  int strokes = 0;  ///< lines, ellipses and paths
  int ellipses = 0;

  bool begin(QPaintDevice* /*device*/) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& /*state*/) override {}
  Type type() const override { return User; }
  void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
  void drawLines(const QLineF* /*lines*/, int count) override { strokes += count; }
  void drawLines(const QLine* /*lines*/, int count) override { strokes += count; }
  void drawEllipse(const QRectF& /*r*/) override {
    ++strokes;
    ++ellipses;
  }
  void drawEllipse(const QRect& r) override { drawEllipse(QRectF(r)); }
  void drawPath(const QPainterPath& /*path*/) override { ++strokes; }
  void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {
    ++strokes;
  }
  void drawTextItem(const QPointF& /*p*/, const QTextItem& /*item*/) override {}
};

class CountingPage final : public QPaintDevice {
 public:
  explicit CountingPage(QSize size) : size_(size) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  CountingEngine& Engine() const { return engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return size_.width();
      case PdmHeight:
        return size_.height();
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      case PdmDepth:
        return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 300;
      default:
        return 1;
    }
  }

 private:
  QSize size_;
  mutable CountingEngine engine_;
};

const CountingEngine& Counted(const ui::PlannedRun& planned, CountingPage& page) {
  QPainter painter(&page);
  const QRectF area(QPointF(0, 0), QSizeF(page.width(), page.height()));
  ui::PaintWindingDrawing(painter, area, planned);
  return page.Engine();
}

class DrawingStrokes : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }
};

// A window 10 mm wide, a winding of 497,785 layers 0.13 mm apart: 73 of them lie inside the
// window, the rest beyond its edge, where no one sees them (they made a PDF of 2.7 MB).
TEST_F(DrawingStrokes, AreOnlyTheLayersInsideTheWindow) {
  const ui::PlannedRun planned =
      Planned({"1", "4000000", "1000", "0.018", "11", "11", "1", "0.215", "0.35"});
  ASSERT_TRUE(planned.HasPlan());
  ASSERT_GT(planned.plan.windings[0].layers, 400000);
  CountingPage page(QSize(2400, 2400));
  const CountingEngine& counted = Counted(planned, page);
  const double pitch = planned.plan.windings[0].overall + planned.settings.interlayer;
  const int inside = static_cast<int>(10 / pitch);
  EXPECT_GT(counted.strokes, inside);
  EXPECT_LT(counted.strokes, inside + 100);
}

// The ring's layer lines are circles inside its hole: every one of them is seen.
TEST_F(DrawingStrokes, OfARingAreItsLayers) {
  const ui::PlannedRun planned = Planned(kStartInputs);
  ASSERT_TRUE(planned.plan.hole_left.has_value());
  CountingPage page(QSize(2400, 2400));
  std::int64_t layers = 0;
  for (const plan::WindingPlan& winding : planned.plan.windings) layers += winding.layers - 1;
  EXPECT_EQ(Counted(planned, page).ellipses, layers);
}

// The plan window's state changes and goes while the drawing stays: it paints its own copy.
TEST_F(DrawingStrokes, ComeFromTheDrawingsOwnCopyOfThePlan) {
  ui::WindingDrawing drawing(nullptr);
  QString caption;
  {
    ui::PlannedRun planned = Planned(kTightShell);
    caption = ui::DrawingCaption(planned);
    drawing.Show(planned);
    planned = ui::PlannedRun{};
  }
  drawing.resize(600, 600);
  EXPECT_FALSE(drawing.grab().isNull());
  EXPECT_EQ(drawing.accessibleDescription(), caption);
}

}  // namespace

namespace {

// A design of all windings as the plan window shows it: the account's, painted directly.
ui::PlannedRun Total(const calc::InputTexts& texts, const windings::Request& request) {
  account::Calculator calculator;
  windings::Outcome outcome;
  calculator.CalculateAll(texts, {}, request, {}, outcome);
  ui::PlannedRun planned;
  static_cast<account::Planned&>(planned) =
      account::TotalPlanned(outcome, {}, {}, account::Turns::Calculated);
  return planned;
}

// Pixels of the tap's ink: no part's colour, hatch or blend with it is so much bluer than red.
int TapInk(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y).blue() - image.pixelColor(x, y).red() > 120;
  }
  return count;
}

// Catches a tap left unpainted on a shell or a ring, a mark without a tap, and a tap a screen
// reader never hears of.
TEST(TapMark, IsPaintedAndDescribedOnlyWhereAWindingHasATap) {
  EnsureQtApp();
  const calc::InputTexts ring{"3", "220", "24", "0.5", "2", "5", "7", "12", "0.2"};
  const ui::PlannedRun valve =
      Total({"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"},
            {windings::Kind::CtC, {{6.3, 2, windings::Kind::Ac}, {5, 2, windings::Kind::Ac}}});
  for (const ui::PlannedRun& tapped : {valve, Total(ring, {windings::Kind::Ct, {}})}) {
    EXPECT_GT(TapInk(Drawn(tapped, {900, 900})), 100) << tapped.plan.hole_left.has_value();
  }
  EXPECT_EQ(TapInk(Drawn(Total(ring, {windings::Kind::Ac, {}}), {900, 900})), 0);
  ui::WindingDrawing drawing(nullptr);
  drawing.Show(valve);
  EXPECT_TRUE(drawing.accessibleDescription().contains(
      QString::fromStdString(account::TapWords(valve, account::Taps(valve).at(0)))));
}

}  // namespace

// Catches windings told apart by hatch alone: on the valve amplifier's four windings the first and
// third shared a shade and a hatch.
TEST(WindingShades, DifferFromTheNextAndTheOneAfterNext) {
  for (std::size_t k = 0; k < 9; ++k) {
    for (const std::size_t other : {k + 1, k + 2}) {
      EXPECT_NE(ui::PartColour(ui::DrawnPart::Winding, k),
                ui::PartColour(ui::DrawnPart::Winding, other))
          << k << " and " << other;
    }
  }
}
