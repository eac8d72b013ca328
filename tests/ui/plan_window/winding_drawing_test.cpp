#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/plan_window/planned_run.h"
#include "ui/plan_window/winding_drawing.h"
#include "window_driver.h"

namespace {

using ui::DrawnPart;

int Distance(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
         std::abs(qBlue(pixel) - colour.blue());
}

bool IsCore(QRgb pixel) { return Distance(pixel, ui::PartColour(DrawnPart::Core)) < 40; }

// Grey edges of the legend's letters are no core.
constexpr int kShortestCoreRun = 8;

// Half-covered edge pixels count as half.
double FreeShare(QRgb pixel) {
  return std::clamp(1 - Distance(pixel, ui::PartColour(DrawnPart::Free)) / 120.0, 0.0, 1.0);
}

/// Along one row of the image: the pixels between the first two runs of core colour (the
/// window across, or the ring's hole), and how many of them are free.
struct Crossing {
  int inside = 0;
  double free = 0;
};

Crossing Cross(const QImage& image, int y) {
  std::vector<std::pair<int, int>> core_runs;
  for (int x = 0; x < image.width(); ++x) {
    if (!IsCore(image.pixel(x, y))) continue;
    if (core_runs.empty() || core_runs.back().second != x - 1) {
      core_runs.push_back({x, x});
    } else {
      core_runs.back().second = x;
    }
  }
  std::erase_if(core_runs,
                [](const auto& run) { return run.second - run.first + 1 < kShortestCoreRun; });
  Crossing crossing;
  if (core_runs.size() < 2) return crossing;
  for (int x = core_runs[0].second + 1; x < core_runs[1].first; ++x) {
    ++crossing.inside;
    crossing.free += FreeShare(image.pixel(x, y));
  }
  return crossing;
}

/// The fill the drawing shows: of the rows that cross the window (or the hole) widest, the
/// middle one, measured by its free pixels.
double DrawnFill(const QImage& image) {
  std::vector<std::pair<int, Crossing>> widest;
  for (int y = 0; y < image.height(); ++y) {
    const Crossing crossing = Cross(image, y);
    if (crossing.inside == 0) continue;
    if (!widest.empty() && crossing.inside > widest.front().second.inside) widest.clear();
    if (widest.empty() || crossing.inside == widest.front().second.inside) {
      widest.push_back({y, crossing});
    }
  }
  if (widest.empty()) return -1;
  const Crossing middle = widest[widest.size() / 2].second;
  return 1 - middle.free / middle.inside;
}

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
