#pragma once

#include <cstddef>

#include <QColor>
#include <QRectF>
#include <QWidget>

#include "account/drawing.h"
#include "ui/plan_window/planned_run.h"

class QPainter;

namespace ui {

/// The parts of a drawing, from the core inward to the free space.
using DrawnPart = account::Part;

/// The colour a part is filled with, winding `winding` for the windings. The drawing brings its
/// own white ground, so it reads the same on a light or dark theme and on paper; the windings
/// are hatched too.
QColor PartColour(DrawnPart part, std::size_t winding = 0);

/// Paints, into `area`, the window of a shell core (c × h, from the leg outward) or the hole of
/// a ring core (from the wall inward) to scale, with the bobbin, each winding, the insulation
/// and the free space as bands, a caption and a legend. `planned` has a plan.
void PaintWindingDrawing(QPainter& painter, const QRectF& area, const PlannedRun& planned);

/// What the drawing shows, in words, for screen readers; the reason when there is no plan.
QString DrawingCaption(const PlannedRun& planned);

/// The drawing as a widget that scales with the window; it shows the reason when there is no
/// plan.
class WindingDrawing final : public QWidget {
 public:
  explicit WindingDrawing(QWidget* parent);

  /// Draws `planned` from now on; the drawing keeps its own copy.
  void Show(const PlannedRun& planned);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PlannedRun planned_;
};

}  // namespace ui
