#pragma once

#include <memory>

#include <QDateTime>
#include <QRectF>
#include <QString>

#include "ui/plan_window/planned_run.h"

class QPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;

namespace ui {

/// What the sheet says it is of, besides the plan: the design's title (none when empty), and
/// when the sheet was made, so that two sheets of one core can be told apart.
struct SheetStamp {
  QString title;
  QDateTime made = QDateTime::currentDateTime();
};

/// The sheet's title, also the PDF's: «План намотки: Помещается», after the design's title when
/// it has one.
QString SheetTitle(const PlannedRun& planned, const SheetStamp& stamp = {});

/// The sheet's text in pages of `page`'s size on `device`, laid out in the largest size (9 … 6
/// pt) that fits one page: the stamp, the line giving Pt of a design of all windings, the inputs
/// (each shortened) and results, the run's notes, the plan of the turns shown with the settings,
/// and the check of both designs with their flags.
std::unique_ptr<QTextDocument> SheetText(const PlannedRun& planned, QPaintDevice* device,
                                         const QSizeF& page, const SheetStamp& stamp = {});

/// Paints the sheet's last page into `page`: the drawing of the turns shown, after the line
/// giving Pt of a design of all windings, the whole height
/// of a shell core's window unless the window is cut on screen too. `planned` has a plan.
void PaintSheetDrawing(QPainter& painter, const QRectF& page, const PlannedRun& planned);

/// Writes the sheet as an A4 PDF; false when the file cannot be written.
bool WriteSheetPdf(const QString& path, const PlannedRun& planned, const SheetStamp& stamp = {});

/// Prints the sheet on `printer` as the print dialog set it up; false when printing could not
/// start.
bool PrintSheet(QPrinter& printer, const PlannedRun& planned, const SheetStamp& stamp = {});

}  // namespace ui
