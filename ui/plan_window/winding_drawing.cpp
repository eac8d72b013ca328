#include "ui/plan_window/winding_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "ui/common/utf8.h"

namespace ui {

namespace {

using account::Band;

const QColor kInk(0, 0, 0);
const QColor kOverflow(200, 0, 0);
const QColor kTapInk(0, 70, 200);  // apart from every part's colour, so the tap stands out
constexpr auto kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr double kMinLayerPitch = 4;  // px: closer layer lines would only darken the band

// Neighbouring windings lean their hatches apart; the shades go round four, so a winding also
// differs from the one after next.
const std::array<QColor, 4> kWindingShades = {QColor(222, 130, 64), QColor(176, 88, 56),
                                              QColor(196, 140, 44), QColor(128, 108, 56)};

Qt::BrushStyle Hatch(DrawnPart part, std::size_t winding) {
  if (part != DrawnPart::Winding) return Qt::NoBrush;
  return winding % 2 == 0 ? Qt::BDiagPattern : Qt::FDiagPattern;
}

void Fill(QPainter& painter, const QPainterPath& shape, DrawnPart part, std::size_t winding = 0) {
  const QColor colour = PartColour(part, winding);
  painter.fillPath(shape, colour);
  const Qt::BrushStyle hatch = Hatch(part, winding);
  if (hatch != Qt::NoBrush) painter.fillPath(shape, QBrush(colour.darker(160), hatch));
}

void Fill(QPainter& painter, const QRectF& rect, DrawnPart part, std::size_t winding = 0) {
  QPainterPath shape;
  shape.addRect(rect);
  Fill(painter, shape, part, winding);
}

QPen LayerPen(const Band& band) { return QPen(PartColour(band.part, band.winding).darker(190), 0); }

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

QPen TapPen() { return QPen(kTapInk, 2, Qt::DashLine); }

// The tap's short label beside its mark, on a white ground so it reads over the hatching, and
// to the left of `at` when it would cross `right`.
void PaintTapLabel(QPainter& painter, QPointF at, double right) {
  const QString label = FromUtf8(account::kTapLabel);
  const QFontMetricsF metrics(painter.font(), painter.device());
  const QSizeF size(metrics.horizontalAdvance(label) + 4, metrics.height());
  QRectF box(at + QPointF(3, 3), size);
  if (box.right() > right) box.moveRight(at.x() - 3);
  painter.fillRect(box, PartColour(DrawnPart::Free));
  painter.setPen(kTapInk);
  painter.drawText(box, Qt::AlignCenter, label);
}

/// Where a shell scene lands: millimetres from the window's top-left corner to pixels.
struct ShellView {
  QPointF origin;
  double scale;

  QPointF At(double x, double y) const { return origin + QPointF(x, y) * scale; }
  QRectF Rect(double x0, double y0, double x1, double y1) const {
    return QRectF(At(x0, y0), At(x1, y1));
  }
};

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
void PaintShellBands(QPainter& painter, const ShellView& view, const account::ShellScene& scene,
                     const PlannedRun& planned) {
  const std::vector<Band> bands = account::Bands(planned);
  const double bobbin = planned.settings.bobbin;
  const double depth = bands.back().to;
  Fill(painter, view.Rect(0, 0, depth, bobbin), DrawnPart::Bobbin);
  Fill(painter, view.Rect(0, scene.height - bobbin, depth, scene.height), DrawnPart::Bobbin);
  for (const Band& band : bands) {
    const bool tube = band.part == DrawnPart::Bobbin;
    const double top = tube ? 0 : bobbin;
    const double bottom = tube ? scene.height : scene.height - bobbin;
    Fill(painter, view.Rect(band.from, top, band.to, bottom), band.part, band.winding);
    painter.setPen(LayerPen(band));
    for (const double x : LayerLines(band, view.scale, scene.width)) {
      painter.drawLine(view.At(x, top), view.At(x, bottom));
    }
  }
  for (const account::Tap& tap : account::Taps(planned)) {
    painter.setPen(TapPen());
    painter.drawLine(view.At(tap.depth, bobbin), view.At(tap.depth, scene.height - bobbin));
    PaintTapLabel(painter, view.At(tap.depth, bobbin), view.At(scene.width, 0).x());
  }
}

void PaintShell(QPainter& painter, const QRectF& box, const PlannedRun& planned) {
  const plan::PlanInput& input = *planned.input;
  const account::ShellScene scene = account::SceneOf(input);
  const double across = scene.width + 2 * scene.frame;
  const double scale = std::min(box.width() / across, box.height() / account::ShownHeight(scene));
  const QSizeF shown(across * scale, account::ShownHeight(scene) * scale);
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
  if (account::IsCut(scene)) PaintBreak(painter, frame.left(), frame.right(), frame.bottom() - 1);
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
  const std::vector<Band> bands = account::Bands(planned);
  for (const Band& band : bands) {
    if (band.from >= hole) break;
    Fill(painter, disc(hole - band.from), band.part, band.winding);
  }
  if (bands.back().to < hole) Fill(painter, disc(hole - bands.back().to), DrawnPart::Free);
  painter.setBrush(Qt::NoBrush);
  for (const Band& band : bands) {
    painter.setPen(LayerPen(band));
    for (const double r : LayerLines(band, scale, hole)) {
      painter.drawEllipse(centre, (hole - r) * scale, (hole - r) * scale);
    }
  }
  for (const account::Tap& tap : account::Taps(planned)) {
    const double radius = (hole - tap.depth) * scale;
    painter.setPen(TapPen());
    painter.drawEllipse(centre, radius, radius);
    PaintTapLabel(painter, centre - QPointF(0, radius), box.right());
  }
}

struct LegendEntry {
  DrawnPart part;
  std::size_t winding;
  QString name;
  QRectF swatch;
  QPointF text;
  bool tap = false;  ///< the centre taps' mark rather than a part
};

// The core, each band's part once, and the free space.
std::vector<LegendEntry> LegendParts(const PlannedRun& planned, bool ring) {
  std::vector<LegendEntry> entries;
  const auto add = [&](DrawnPart part, std::size_t winding) {
    for (const LegendEntry& entry : entries) {
      if (entry.part == part && entry.winding == winding) return;
    }
    entries.push_back({part, winding, FromUtf8(account::PartName(part, winding, ring)), {}, {}});
  };
  add(DrawnPart::Core, 0);
  for (const Band& band : account::Bands(planned)) add(band.part, band.winding);
  add(DrawnPart::Free, 0);
  if (!account::Taps(planned).empty()) {
    entries.push_back({DrawnPart::Free, 0, FromUtf8(account::kTapName), {}, {}, true});
  }
  return entries;
}

// Lays the entries out in lines across the box from its top; returns the height they take.
double LayOutLegend(const QFontMetricsF& metrics, const QRectF& box,
                    std::vector<LegendEntry>& entries) {
  const double line = metrics.height() * 1.4;
  const double swatch = metrics.height();
  const double gap = metrics.averageCharWidth();
  double x = box.left();
  double y = box.top();
  for (LegendEntry& entry : entries) {
    const double width = swatch + gap + metrics.horizontalAdvance(entry.name) + 2 * gap;
    if (x > box.left() && x + width > box.right()) {
      x = box.left();
      y += line;
    }
    entry.swatch = QRectF(x, y, swatch, swatch);
    entry.text = QPointF(x + swatch + gap, y + metrics.ascent());
    x += width;
  }
  return y + line - box.top();
}

void PaintLegend(QPainter& painter, const std::vector<LegendEntry>& entries) {
  for (const LegendEntry& entry : entries) {
    QPainterPath shape;
    shape.addRect(entry.swatch);
    Fill(painter, shape, entry.part, entry.winding);
    if (entry.tap) {
      painter.setPen(TapPen());
      painter.drawLine(QPointF(entry.swatch.center().x(), entry.swatch.top()),
                       QPointF(entry.swatch.center().x(), entry.swatch.bottom()));
    }
    painter.setPen(QPen(kInk, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(entry.swatch);
    painter.drawText(entry.text, entry.name);
  }
}

}  // namespace

QColor PartColour(DrawnPart part, std::size_t winding) {
  switch (part) {
    case DrawnPart::Core:
      return {112, 120, 130};
    case DrawnPart::Bobbin:
      return {214, 180, 130};
    case DrawnPart::Winding:
      return kWindingShades[winding % kWindingShades.size()];
    case DrawnPart::Between:
      return {250, 228, 140};
    case DrawnPart::Wrap:
      return {170, 205, 235};
    case DrawnPart::Free:
      return {255, 255, 255};
  }
  return {};
}

QString DrawingCaption(const PlannedRun& planned) {
  return FromUtf8(account::DrawingWords(planned));
}

void PaintWindingDrawing(QPainter& painter, const QRectF& area, const PlannedRun& planned) {
  const bool ring = planned.plan.hole_left.has_value();
  const QFontMetricsF metrics(painter.font(), painter.device());
  std::vector<LegendEntry> entries = LegendParts(planned, ring);
  const double legend_height = LayOutLegend(metrics, area, entries);
  const double gap = metrics.height() / 2;
  // Four lines, or more when the taps' words need them.
  const QString caption = DrawingCaption(planned);
  const double caption_height = std::max(
      4 * metrics.height(),
      metrics.boundingRect(QRectF(0, 0, area.width(), area.height()), kCaptionFlags, caption)
          .height());
  const QRectF box(area.left(), area.top(), area.width(),
                   area.height() - legend_height - caption_height - 2 * gap);
  for (LegendEntry& entry : entries) {
    const QPointF down(0, area.bottom() - legend_height - area.top());
    entry.swatch.translate(down);
    entry.text += down;
  }

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (box.height() > 0) {
    if (ring) {
      PaintRing(painter, box, planned);
    } else {
      PaintShell(painter, box, planned);
    }
  }
  painter.setPen(kInk);
  painter.drawText(QRectF(area.left(), box.bottom() + gap, area.width(), caption_height),
                   kCaptionFlags, caption);
  PaintLegend(painter, entries);
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
