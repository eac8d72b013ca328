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

/// The sheet's text for a page of `page`'s size on `device`, laid out in the largest size
/// (9 … 6 pt) that leaves the drawing below it its share of the page; each input shortened.
std::unique_ptr<QTextDocument> SheetText(const PlannedRun& planned, QPaintDevice* device,
                                         const QSizeF& page);

/// Paints one page of the winding sheet into `page`: the inputs, the sixteen results with
/// their captions, the plan with its settings and the drawing.
void PaintWindingSheet(QPainter& painter, const QRectF& page, const PlannedRun& planned);

/// Writes the sheet as a one-page A4 PDF; false when the file cannot be written.
bool WriteSheetPdf(const QString& path, const PlannedRun& planned);

/// Prints the sheet on `printer` as the print dialog set it up; false when printing could not
/// start.
bool PrintSheet(QPrinter& printer, const PlannedRun& planned);

}  // namespace ui
