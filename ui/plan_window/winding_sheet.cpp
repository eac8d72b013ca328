#include "ui/plan_window/winding_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include "ui/calculator_window/copied_results.h"
#include "ui/common/shortened.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/plan_rows.h"
#include "ui/plan_window/winding_drawing.h"

namespace ui {

namespace {

constexpr double kMarginMm = 12;
constexpr int kPdfDpi = 300;
// The text shrinks step by step until the drawing keeps at least this share of the page.
constexpr double kDrawingShare = 0.28;
constexpr double kLargestPoints = 9;
constexpr double kSmallestPoints = 6;

QString VerdictColour(plan::Verdict verdict) {
  switch (verdict) {
    case plan::Verdict::Fits:
      return QStringLiteral("#006400");
    case plan::Verdict::Tight:
      return QStringLiteral("#8a5a00");
    default:
      return QStringLiteral("#b00000");
  }
}

QString Cell(const QString& text) {
  return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

QString Row(const QString& caption, const QString& value) {
  return QStringLiteral("<tr>%1<td align=right>%2</td></tr>")
      .arg(Cell(caption), value.toHtmlEscaped());
}

QString Heading(const QString& text) {
  return QStringLiteral("<tr><td colspan=2><b>%1</b></td></tr>").arg(text.toHtmlEscaped());
}

QString RunTable(const RunView& run) {
  QString html = QStringLiteral("<table cellspacing=0 cellpadding=1 width=100%>");
  html += Heading(QStringLiteral("Исходные данные"));
  for (std::size_t k = 0; k < run.inputs.size(); ++k) {
    html += Row(InputCaption(k), Shortened(run.inputs[k]));
  }
  html += Heading(QStringLiteral("Результаты расчета"));
  for (std::size_t k = 0; k < run.results.size(); ++k) {
    html += Row(ResultCaption(k), run.results[k]);
  }
  return html + QStringLiteral("</table>");
}

QString PlanTable(const PlannedRun& planned) {
  QString html = QStringLiteral("<table cellspacing=0 cellpadding=1 width=100%>");
  html += Heading(QStringLiteral("План намотки"));
  for (const PlanLine& line : SummaryLines(planned.plan)) html += Row(line.caption, line.value);
  html += Heading(QStringLiteral("Настройки"));
  for (const PlanLine& line : SettingLines(planned.settings)) html += Row(line.caption, line.value);
  return html + QStringLiteral("</table>");
}

QString WindingTable(const plan::Plan& plan) {
  QString html =
      QStringLiteral("<table border=1 cellspacing=0 cellpadding=2 width=100%><tr><th></th>");
  for (const QString& heading : kWindingHeadings) {
    html += QStringLiteral("<th>%1</th>").arg(heading.toHtmlEscaped());
  }
  html += QStringLiteral("</tr>");
  for (const WindingRow& row : WindingRows(plan)) {
    html +=
        QStringLiteral("<tr>%1<td align=right>%2</td><td align=right>%3</td></tr>")
            .arg(Cell(row.caption), row.values[0].toHtmlEscaped(), row.values[1].toHtmlEscaped());
  }
  return html + QStringLiteral("</table>");
}

QString SheetHtml(const PlannedRun& planned) {
  QString html = QStringLiteral("<p style='font-size:large'><b>%1</b></p>")
                     .arg(QStringLiteral("План намотки трансформатора"));
  if (!planned.HasPlan()) {
    html +=
        QStringLiteral("<p><b>Плана нет.</b> %1</p>").arg(NoPlanReason(planned).toHtmlEscaped());
    return html + RunTable(planned.run);
  }
  html += QStringLiteral("<p><b>Вывод: <span style='color:%1'>%2</span></b></p>")
              .arg(VerdictColour(planned.plan.verdict),
                   FromUtf8(plan::VerdictText(planned.plan.verdict)).toHtmlEscaped());
  html += QStringLiteral(
              "<table width=100% cellspacing=0 cellpadding=0><tr><td width=55% "
              "valign=top>%1</td><td width=5%></td><td width=40% valign=top>%2</td>"
              "</tr></table>")
              .arg(RunTable(planned.run), PlanTable(planned));
  html += QStringLiteral("<p></p>") + WindingTable(planned.plan);
  html += QStringLiteral("<p>%1</p>").arg(PlanNote(planned.settings).toHtmlEscaped());
  return html;
}

QFont SheetFont(double points) {
  QFont font;
  font.setPointSizeF(points);
  return font;
}

// The painter's origin is the paint rectangle's corner, inside the margins.
bool PaintPage(QPagedPaintDevice& device, const PlannedRun& planned) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
  PaintWindingSheet(painter, QRectF(QPointF(0, 0), page.size()), planned);
  return painter.end();
}

}  // namespace

QString SheetTitle(const PlannedRun& planned) {
  const QString verdict = planned.HasPlan() ? FromUtf8(plan::VerdictText(planned.plan.verdict))
                                            : QStringLiteral("плана нет");
  return QStringLiteral("План намотки: %1").arg(verdict);
}

std::unique_ptr<QTextDocument> SheetText(const PlannedRun& planned, QPaintDevice* device,
                                         const QSizeF& page) {
  auto text = std::make_unique<QTextDocument>();
  text->documentLayout()->setPaintDevice(device);
  text->setDocumentMargin(0);
  text->setTextWidth(page.width());
  text->setDefaultFont(SheetFont(kLargestPoints));
  text->setHtml(SheetHtml(planned));
  // Each size lays the document out once, when its height is asked for.
  for (double points = kLargestPoints;
       points > kSmallestPoints && text->size().height() > page.height() * (1 - kDrawingShare);) {
    points -= 0.5;
    text->setDefaultFont(SheetFont(points));
  }
  return text;
}

void PaintWindingSheet(QPainter& painter, const QRectF& page, const PlannedRun& planned) {
  const std::unique_ptr<QTextDocument> text = SheetText(planned, painter.device(), page.size());
  painter.save();
  painter.translate(page.topLeft());
  text->drawContents(&painter, QRectF(QPointF(0, 0), page.size()));
  painter.restore();
  if (!planned.HasPlan()) return;
  const double top = page.top() + text->size().height();
  painter.save();
  painter.setFont(text->defaultFont());
  PaintWindingDrawing(painter, QRectF(page.left(), top, page.width(), page.bottom() - top),
                      planned);
  painter.restore();
}

bool WriteSheetPdf(const QString& path, const PlannedRun& planned) {
  QPdfWriter writer(path);
  writer.setResolution(kPdfDpi);
  writer.setTitle(SheetTitle(planned));
  writer.setCreator(QStringLiteral("Расчет трансформатора"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
  return PaintPage(writer, planned);
}

bool PrintSheet(QPrinter& printer, const PlannedRun& planned) {
  printer.setDocName(SheetTitle(planned));
  return PaintPage(printer, planned);
}

}  // namespace ui
