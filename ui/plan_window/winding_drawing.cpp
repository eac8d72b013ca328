#include "ui/plan_window/winding_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "plan/figures.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/plan_rows.h"

namespace ui {

namespace {

constexpr DrawnPart kParts[] = {DrawnPart::Core,    DrawnPart::Bobbin,    DrawnPart::Primary,
                                DrawnPart::Between, DrawnPart::Secondary, DrawnPart::Wrap,
                                DrawnPart::Free};

const QColor kInk(0, 0, 0);
const QColor kOverflow(200, 0, 0);
constexpr double kMinLayerPitch = 4;  // px: closer layer lines would only darken the band

Qt::BrushStyle Hatch(DrawnPart part) {
  if (part == DrawnPart::Primary) return Qt::BDiagPattern;
  if (part == DrawnPart::Secondary) return Qt::FDiagPattern;
  return Qt::NoBrush;
}

QString PartName(DrawnPart part, bool ring) {
  switch (part) {
    case DrawnPart::Core:
      return QStringLiteral("Магнитопровод");
    case DrawnPart::Bobbin:
      return ring ? QStringLiteral("Изоляция на кольце") : QStringLiteral("Каркас");
    case DrawnPart::Primary:
      return FromUtf8(plan::kWindingNames[0]);
    case DrawnPart::Between:
      return QStringLiteral("Изоляция между обмотками");
    case DrawnPart::Secondary:
      return FromUtf8(plan::kWindingNames[1]);
    case DrawnPart::Wrap:
      return QStringLiteral("Наружная изоляция");
    case DrawnPart::Free:
      return QStringLiteral("Свободно");
  }
  return {};
}

/// A band of the winding, mm from the core's surface; a winding's layers lie `pitch` apart.
struct Band {
  DrawnPart part;
  double from;
  double to;
  std::int64_t layers = 1;
  double pitch = 0;
};

std::vector<Band> Bands(const PlannedRun& planned) {
  const plan::Settings& settings = planned.settings;
  std::vector<Band> bands;
  double at = 0;
  const auto add = [&](DrawnPart part, double thickness, std::int64_t layers, double pitch) {
    bands.push_back({part, at, at + thickness, layers, pitch});
    at += thickness;
  };
  add(DrawnPart::Bobbin, settings.bobbin, 1, 0);
  const DrawnPart windings[] = {DrawnPart::Primary, DrawnPart::Secondary};
  for (std::size_t j = 0; j < 2 && j < planned.plan.windings.size(); ++j) {
    if (j > 0) add(DrawnPart::Between, settings.between, 1, 0);
    const plan::WindingPlan& winding = planned.plan.windings[j];
    add(windings[j], winding.build, winding.layers, winding.overall + settings.interlayer);
  }
  add(DrawnPart::Wrap, settings.wrap, 1, 0);
  return bands;
}

void Fill(QPainter& painter, const QPainterPath& shape, DrawnPart part) {
  const QColor colour = PartColour(part);
  painter.fillPath(shape, colour);
  if (Hatch(part) != Qt::NoBrush) painter.fillPath(shape, QBrush(colour.darker(160), Hatch(part)));
}

void Fill(QPainter& painter, const QRectF& rect, DrawnPart part) {
  QPainterPath shape;
  shape.addRect(rect);
  Fill(painter, shape, part);
}

QPen LayerPen(DrawnPart part) { return QPen(PartColour(part).darker(190), 0); }

// Where the layer lines of a band lie, mm from the band's start: between its layers, only those
// up to `visible` mm from the core (a plan may have half a million layers beyond the window).
std::vector<double> LayerLines(const Band& band, double scale, double visible) {
  std::vector<double> lines;
  if (band.layers < 2 || band.pitch * scale < kMinLayerPitch) return lines;
  const double interlayer = band.pitch * band.layers - (band.to - band.from);
  const double first = band.from + band.pitch - interlayer / 2;
  const double shown = std::floor((std::min(band.to, visible) - first) / band.pitch) + 1;
  const auto count =
      static_cast<std::int64_t>(std::clamp(shown, 0.0, static_cast<double>(band.layers - 1)));
  for (std::int64_t k = 0; k < count; ++k) lines.push_back(first + k * band.pitch);
  return lines;
}

struct ShellScene {
  double width;   // window, mm
  double height;  // window, mm
  double frame;   // the core shown around it, mm
};

/// Where a shell scene lands: millimetres from the window's top-left corner to pixels.
struct ShellView {
  QPointF origin;
  double scale;

  QPointF At(double x, double y) const { return origin + QPointF(x, y) * scale; }
  QRectF Rect(double x0, double y0, double x1, double y1) const {
    return QRectF(At(x0, y0), At(x1, y1));
  }
};

// A tall narrow window drawn whole would be a sliver: it keeps three quarters of the width and is
// cut at the bottom instead.
double ShellScale(const ShellScene& scene, const QRectF& box, bool& cut) {
  const double across = scene.width + 2 * scene.frame;
  const double down = scene.height + 2 * scene.frame;
  const double whole = std::min(box.width() / across, box.height() / down);
  const double scale = std::max(whole, 0.75 * box.width() / across);
  cut = down * scale > box.height() + 0.5;
  return scale;
}

void PaintBreak(QPainter& painter, double left, double right, double y) {
  QPainterPath wave;
  wave.moveTo(left, y);
  const double step = std::max(6.0, (right - left) / 12);
  for (double x = left; x < right; x += step) {
    wave.quadTo(x + step / 4, y - step / 4, x + step / 2, y);
    wave.quadTo(x + 3 * step / 4, y + step / 4, std::min(x + step, right), y);
  }
  painter.setPen(QPen(kInk, 1.5));
  painter.drawPath(wave);
}

// The bobbin's tube along the leg and its cheeks at both ends, then the bands between them.
void PaintShellBands(QPainter& painter, const ShellView& view, const ShellScene& scene,
                     const PlannedRun& planned) {
  const std::vector<Band> bands = Bands(planned);
  const double bobbin = planned.settings.bobbin;
  const double depth = bands.back().to;
  Fill(painter, view.Rect(0, 0, depth, bobbin), DrawnPart::Bobbin);
  Fill(painter, view.Rect(0, scene.height - bobbin, depth, scene.height), DrawnPart::Bobbin);
  for (const Band& band : bands) {
    const bool tube = band.part == DrawnPart::Bobbin;
    const double top = tube ? 0 : bobbin;
    const double bottom = tube ? scene.height : scene.height - bobbin;
    Fill(painter, view.Rect(band.from, top, band.to, bottom), band.part);
    painter.setPen(LayerPen(band.part));
    for (const double x : LayerLines(band, view.scale, scene.width)) {
      painter.drawLine(view.At(x, top), view.At(x, bottom));
    }
  }
}

bool PaintShell(QPainter& painter, const QRectF& box, const PlannedRun& planned) {
  const plan::PlanInput& input = *planned.input;
  const ShellScene scene{10 * input.c, 10 * input.h, std::min(5 * input.a, 10 * input.c)};
  bool cut = false;
  const double scale = ShellScale(scene, box, cut);
  const QSizeF shown((scene.width + 2 * scene.frame) * scale,
                     std::min((scene.height + 2 * scene.frame) * scale, box.height()));
  const QRectF frame(box.center() - QPointF(shown.width(), shown.height()) / 2, shown);
  const ShellView view{frame.topLeft() + QPointF(scene.frame, scene.frame) * scale, scale};
  const QRectF window = view.Rect(0, 0, scene.width, scene.height);

  painter.save();
  painter.setClipRect(frame);
  Fill(painter,
       view.Rect(-scene.frame, -scene.frame, scene.width + scene.frame, scene.height + scene.frame),
       DrawnPart::Core);
  Fill(painter, window, DrawnPart::Free);
  painter.setClipRect(window, Qt::IntersectClip);
  PaintShellBands(painter, view, scene, planned);
  painter.restore();

  if (planned.plan.depth > scene.width) {
    painter.setPen(QPen(kOverflow, 2, Qt::DashLine));
    painter.drawLine(window.topRight(),
                     QPointF(window.right(), std::min(window.bottom(), frame.bottom())));
  }
  if (cut) PaintBreak(painter, frame.left(), frame.right(), frame.bottom() - 1);
  return cut;
}

void PaintRing(QPainter& painter, const QRectF& box, const PlannedRun& planned) {
  const plan::PlanInput& input = *planned.input;
  const double hole = 5 * input.c;
  const double frame = std::min(10 * input.a, hole);
  const double scale = std::min(box.width(), box.height()) / (2 * (hole + frame));
  const QPointF centre = box.center();
  const auto disc = [&](double radius) {
    QPainterPath shape;
    shape.addEllipse(centre, radius * scale, radius * scale);
    return shape;
  };
  Fill(painter, disc(hole + frame), DrawnPart::Core);
  const std::vector<Band> bands = Bands(planned);
  for (const Band& band : bands) {
    if (band.from >= hole) break;
    Fill(painter, disc(hole - band.from), band.part);
  }
  if (bands.back().to < hole) Fill(painter, disc(hole - bands.back().to), DrawnPart::Free);
  painter.setBrush(Qt::NoBrush);
  for (const Band& band : bands) {
    painter.setPen(LayerPen(band.part));
    for (const double r : LayerLines(band, scale, hole)) {
      painter.drawEllipse(centre, (hole - r) * scale, (hole - r) * scale);
    }
  }
}

QString Caption(const PlannedRun& planned, bool cut = false) {
  const plan::PlanInput& input = *planned.input;
  const plan::Plan& plan = planned.plan;
  if (plan.hole_left) {
    return QStringLiteral(
               "Отверстие кольца ⌀ %1 мм; обмотки с изоляцией занимают %2 мм от стенки "
               "(%3 % радиуса), остается ⌀ %4 мм.")
        .arg(Figure(10 * input.c, 1), Figure(plan.depth, plan::kDepthDecimals),
             Figure(plan.fill * 100, plan::kFillDecimals),
             Figure(*plan.hole_left, plan::kHoleDecimals));
  }
  QString caption = QStringLiteral(
                        "Окно c × h = %1 × %2 мм; обмотки с изоляцией занимают %3 мм "
                        "от стержня (%4 % ширины окна).")
                        .arg(Figure(10 * input.c, 1), Figure(10 * input.h, 1),
                             Figure(plan.depth, plan::kDepthDecimals),
                             Figure(plan.fill * 100, plan::kFillDecimals));
  if (plan.fill > 1) caption += QStringLiteral(" За красным пунктиром обмотки не помещаются.");
  if (cut) caption += QStringLiteral(" Окно показано не на всю высоту.");
  return caption;
}

struct LegendEntry {
  DrawnPart part;
  QRectF swatch;
  QPointF text;
};

// Lays the entries out in lines across `width` from `top`; returns the height they take.
double LayOutLegend(const QFontMetricsF& metrics, bool ring, const QRectF& box,
                    std::vector<LegendEntry>& entries) {
  const double line = metrics.height() * 1.4;
  const double swatch = metrics.height();
  const double gap = metrics.averageCharWidth();
  double x = box.left();
  double y = box.top();
  for (const DrawnPart part : kParts) {
    const double width = swatch + gap + metrics.horizontalAdvance(PartName(part, ring)) + 2 * gap;
    if (x > box.left() && x + width > box.right()) {
      x = box.left();
      y += line;
    }
    entries.push_back(
        {part, QRectF(x, y, swatch, swatch), QPointF(x + swatch + gap, y + metrics.ascent())});
    x += width;
  }
  return y + line - box.top();
}

void PaintLegend(QPainter& painter, const std::vector<LegendEntry>& entries, bool ring) {
  for (const LegendEntry& entry : entries) {
    QPainterPath shape;
    shape.addRect(entry.swatch);
    Fill(painter, shape, entry.part);
    painter.setPen(QPen(kInk, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(entry.swatch);
    painter.drawText(entry.text, PartName(entry.part, ring));
  }
}

}  // namespace

QColor PartColour(DrawnPart part) {
  switch (part) {
    case DrawnPart::Core:
      return {112, 120, 130};
    case DrawnPart::Bobbin:
      return {214, 180, 130};
    case DrawnPart::Primary:
      return {222, 130, 64};
    case DrawnPart::Between:
      return {250, 228, 140};
    case DrawnPart::Secondary:
      return {176, 88, 56};
    case DrawnPart::Wrap:
      return {170, 205, 235};
    case DrawnPart::Free:
      return {255, 255, 255};
  }
  return {};
}

QString DrawingCaption(const PlannedRun& planned) {
  return planned.HasPlan() ? Caption(planned) : NoPlanReason(planned);
}

void PaintWindingDrawing(QPainter& painter, const QRectF& area, const PlannedRun& planned) {
  const bool ring = planned.plan.hole_left.has_value();
  const QFontMetricsF metrics(painter.font(), painter.device());
  std::vector<LegendEntry> entries;
  const double legend_height = LayOutLegend(metrics, ring, area, entries);
  const double gap = metrics.height() / 2;
  const double caption_height = 3 * metrics.height();
  const QRectF box(area.left(), area.top(), area.width(),
                   area.height() - legend_height - caption_height - 2 * gap);
  for (LegendEntry& entry : entries) {
    const QPointF down(0, area.bottom() - legend_height - area.top());
    entry.swatch.translate(down);
    entry.text += down;
  }

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  bool cut = false;
  if (box.height() > 0) {
    if (ring) {
      PaintRing(painter, box, planned);
    } else {
      cut = PaintShell(painter, box, planned);
    }
  }
  painter.setPen(kInk);
  painter.drawText(QRectF(area.left(), box.bottom() + gap, area.width(), caption_height),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Caption(planned, cut));
  PaintLegend(painter, entries, ring);
  painter.restore();
}

WindingDrawing::WindingDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("drawing"));
  setAccessibleName(QStringLiteral("Чертеж окна сердечника в масштабе"));
  setMinimumSize(240, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WindingDrawing::Show(const PlannedRun& planned) {
  planned_ = planned;
  setAccessibleDescription(DrawingCaption(planned_));
  update();
}

QSize WindingDrawing::sizeHint() const { return {460, 520}; }

void WindingDrawing::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), PartColour(DrawnPart::Free));
  painter.setPen(QPen(kInk, 0));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRectF area = QRectF(rect()).adjusted(10, 10, -10, -10);
  if (planned_.HasPlan()) {
    PaintWindingDrawing(painter, area, planned_);
  } else {
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, NoPlanReason(planned_));
  }
}

}  // namespace ui
