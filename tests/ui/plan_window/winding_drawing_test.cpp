#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QImage>
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

}  // namespace
