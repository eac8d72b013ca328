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
#include "ui/plan_window/check_rows.h"
#include "ui/plan_window/plan_rows.h"
#include "ui/plan_window/winding_drawing.h"

namespace ui {

namespace {

constexpr double kMarginMm = 12;
constexpr int kPdfDpi = 300;
// The text shrinks step by step until it fits its page; the drawing has a page of its own.
constexpr double kLargestPoints = 9;
constexpr double kSmallestPoints = 6;

const QString kWarningColour = QStringLiteral("#b00000");

QString VerdictColour(plan::Verdict verdict) {
  switch (verdict) {
    case plan::Verdict::Fits:
      return QStringLiteral("#006400");
    case plan::Verdict::Tight:
      return QStringLiteral("#8a5a00");
    default:
      return kWarningColour;
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
  for (const PlanLine& line : SettingLines(planned)) html += Row(line.caption, line.value);
  return html + QStringLiteral("</table>");
}

// A table of a caption and two values a row; a flagged value in the warning colour.
QString PairTable(const std::array<QString, 2>& headings, const std::vector<CheckRow>& rows) {
  QString html =
      QStringLiteral("<table border=1 cellspacing=0 cellpadding=2 width=100%><tr><th></th>");
  for (const QString& heading : headings) {
    html += QStringLiteral("<th>%1</th>").arg(heading.toHtmlEscaped());
  }
  html += QStringLiteral("</tr>");
  for (const CheckRow& row : rows) {
    html += QStringLiteral("<tr>") + Cell(row.caption);
    for (std::size_t c = 0; c < row.values.size(); ++c) {
      const QString value = row.values[c].toHtmlEscaped();
      html += row.flagged[c] ? QStringLiteral("<td align=right style='color:%1'><b>%2</b></td>")
                                   .arg(kWarningColour, value)
                             : QStringLiteral("<td align=right>%1</td>").arg(value);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString WindingTable(const plan::Plan& plan) {
  std::vector<CheckRow> rows;
  for (const WindingRow& row : WindingRows(plan)) rows.push_back({row.caption, row.values});
  return PairTable(kWindingHeadings, rows);
}

QString NotesHtml(const RunView& run) {
  QString html = QStringLiteral("<p><b>%1:</b> ").arg(kNotesCaption.toHtmlEscaped());
  if (run.notes.isEmpty()) return html + QStringLiteral("нет.</p>");
  html += QStringLiteral("</p><ul>");
  for (const QString& note : run.notes) {
    html += QStringLiteral("<li>%1</li>").arg(note.toHtmlEscaped());
  }
  return html + QStringLiteral("</ul>");
}

QString CheckTable(const PlannedRun& planned) {
  const QString heading = QStringLiteral("<b>Проверка: что покажут обмотки на стенде</b>");
  const QString missing = NoCheckReason(planned);
  if (!missing.isEmpty()) return heading + QStringLiteral("<p>%1</p>").arg(missing.toHtmlEscaped());
  return heading + PairTable(kCheckHeadings, CheckRows(planned));
}

QString CheckVerdictLines(const PlannedRun& planned) {
  if (!NoCheckReason(planned).isEmpty()) return {};
  const QString colour = AnyFlag(planned) ? kWarningColour : VerdictColour(plan::Verdict::Fits);
  QString html;
  for (const QString& line : CheckVerdicts(planned)) {
    html += QStringLiteral("<p style='color:%1'>%2</p>").arg(colour, line.toHtmlEscaped());
  }
  return html;
}

QString SheetHtml(const PlannedRun& planned) {
  QString html = QStringLiteral("<p style='font-size:large'><b>%1</b></p>")
                     .arg(QStringLiteral("План намотки и проверка трансформатора"));
  if (!planned.HasPlan()) {
    html +=
        QStringLiteral("<p><b>Плана нет.</b> %1</p>").arg(NoPlanReason(planned).toHtmlEscaped());
    return html + RunTable(planned.run) + NotesHtml(planned.run);
  }
  html += QStringLiteral("<p><b>Вывод: <span style='color:%1'>%2</span></b>. План для: %3.</p>")
              .arg(VerdictColour(planned.plan.verdict),
                   FromUtf8(plan::VerdictText(planned.plan.verdict)).toHtmlEscaped(),
                   TurnsText(planned).toHtmlEscaped());
  html += QStringLiteral(
              "<table width=100% cellspacing=0 cellpadding=0><tr><td width=55% "
              "valign=top>%1</td><td width=5%></td><td width=40% valign=top>%2</td>"
              "</tr></table>")
              .arg(RunTable(planned.run), PlanTable(planned));
  html += NotesHtml(planned.run);
  // The windings beside the check: the two long tables share the page's height.
  html += QStringLiteral(
              "<table width=100% cellspacing=0 cellpadding=0><tr><td width=46% valign=top>"
              "<b>Обмотки</b>%1</td><td width=2%></td><td width=52% valign=top>%2</td></tr>"
              "</table>")
              .arg(WindingTable(planned.plan), CheckTable(planned));
  html += CheckVerdictLines(planned);
  html += QStringLiteral("<p>%1</p>").arg(PlanNote(planned.settings).toHtmlEscaped());
  return html;
}

QFont SheetFont(double points) {
  QFont font;
  font.setPointSizeF(points);
  return font;
}

void PaintTextPage(QPainter& painter, QTextDocument& text, const QRectF& page, int index) {
  painter.save();
  painter.translate(page.left(), page.top() - index * page.height());
  text.drawContents(&painter, QRectF(QPointF(0, index * page.height()), page.size()));
  painter.restore();
}

// The painter's origin is the paint rectangle's corner, inside the margins.
bool PaintPages(QPagedPaintDevice& device, const PlannedRun& planned) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(QPointF(0, 0),
                    device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
  const std::unique_ptr<QTextDocument> text = SheetText(planned, &device, page.size());
  for (int index = 0; index < text->pageCount(); ++index) {
    if (index > 0 && !device.newPage()) return false;
    PaintTextPage(painter, *text, page, index);
  }
  if (planned.HasPlan()) {
    if (!device.newPage()) return false;
    PaintSheetDrawing(painter, page, planned);
  }
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
  text->setPageSize(page);
  text->setDefaultFont(SheetFont(kLargestPoints));
  text->setHtml(SheetHtml(planned));
  // Each size lays the document out once, when its pages are counted; what does not fit one
  // page in the smallest size goes on to the next.
  for (double points = kLargestPoints; points > kSmallestPoints && text->pageCount() > 1;) {
    points -= 0.5;
    text->setDefaultFont(SheetFont(points));
  }
  return text;
}

void PaintSheetDrawing(QPainter& painter, const QRectF& page, const PlannedRun& planned) {
  painter.save();
  QFont heading = SheetFont(kLargestPoints + 2);
  heading.setBold(true);
  painter.setFont(heading);
  const QString title = QStringLiteral("Чертеж окна в масштабе: %1").arg(TurnsText(planned));
  const double top = page.top() + 2 * QFontMetricsF(heading, painter.device()).height();
  painter.drawText(QRectF(page.left(), page.top(), page.width(), top - page.top()),
                   Qt::AlignLeft | Qt::AlignTop, title);
  painter.setFont(SheetFont(kLargestPoints));
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
  return PaintPages(writer, planned);
}

bool PrintSheet(QPrinter& printer, const PlannedRun& planned) {
  printer.setDocName(SheetTitle(planned));
  return PaintPages(printer, planned);
}

}  // namespace ui
