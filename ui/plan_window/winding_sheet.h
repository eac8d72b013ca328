#pragma once

#include <memory>

#include <QRectF>
#include <QString>

#include "ui/plan_window/planned_run.h"

class QPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;

namespace ui {

/// The sheet's title, also the PDF's: «План намотки: Помещается».
QString SheetTitle(const PlannedRun& planned);

/// The sheet's text in pages of `page`'s size on `device`, laid out in the largest size (9 … 6
/// pt) that fits one page: the inputs (each shortened) and results, the run's notes, the plan of
/// the turns shown with the settings, and the check of both designs with their flags.
std::unique_ptr<QTextDocument> SheetText(const PlannedRun& planned, QPaintDevice* device,
                                         const QSizeF& page);

/// Paints the sheet's last page into `page`: the drawing of the turns shown, the whole height
/// of a shell core's window unless the window is cut on screen too. `planned` has a plan.
void PaintSheetDrawing(QPainter& painter, const QRectF& page, const PlannedRun& planned);

/// Writes the sheet as an A4 PDF; false when the file cannot be written.
bool WriteSheetPdf(const QString& path, const PlannedRun& planned);

/// Prints the sheet on `printer` as the print dialog set it up; false when printing could not
/// start.
bool PrintSheet(QPrinter& printer, const PlannedRun& planned);

}  // namespace ui
