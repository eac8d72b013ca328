#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QColor>
#include <QImage>

#include "ui/plan_window/winding_drawing.h"

// Measures a drawing of the core's window as a user would with a ruler: on the pixels.

inline int Distance(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
         std::abs(qBlue(pixel) - colour.blue());
}

inline bool IsCore(QRgb pixel) { return Distance(pixel, ui::PartColour(ui::DrawnPart::Core)) < 40; }

// Grey edges of the legend's letters are no core.
constexpr int kShortestCoreRun = 8;

// Half-covered edge pixels count as half.
inline double FreeShare(QRgb pixel) {
  return std::clamp(1 - Distance(pixel, ui::PartColour(ui::DrawnPart::Free)) / 120.0, 0.0, 1.0);
}

/// Along one row of the image: the pixels between the first two runs of core colour (the
/// window across, or the ring's hole), and how many of them are free.
struct Crossing {
  int inside = 0;
  double free = 0;
};

inline Crossing Cross(const QImage& image, int y) {
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
inline double DrawnFill(const QImage& image) {
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

/// How many rows cross the window (or the hole) at its widest, over how wide it is there: the
/// window's height over its width as drawn.
inline double DrawnHeightOverWidth(const QImage& image) {
  int widest = 0;
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    const int inside = Cross(image, y).inside;
    if (inside > widest) {
      widest = inside;
      rows = 0;
    }
    if (inside > 0 && inside >= widest - 2) ++rows;
  }
  return widest == 0 ? 0 : static_cast<double>(rows) / widest;
}
