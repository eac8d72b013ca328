#include "ui/plan_window/winding_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include "account/copied_text.h"
#include "account/tables.h"
#include "calc/note_words.h"
#include "design_file/faces.h"
#include "ui/calculator_window/copied_results.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/check_rows.h"
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

// The inputs as the engine quotes them: a field may hold a megabyte.
QString RunTable(const PlannedRun& planned) {
  const RunView& run = planned.run;
  QString html = QStringLiteral("<table cellspacing=0 cellpadding=1 width=100%>");
  html += Heading(QStringLiteral("Исходные данные"));
  for (std::size_t k = 0; k < planned.press.inputs.size(); ++k) {
    html += Row(InputCaption(k), FromUtf8(calc::Shortened(planned.press.inputs[k])));
  }
  html += Heading(QStringLiteral("Результаты расчета"));
  for (std::size_t k = 0; k < run.results.size(); ++k) {
    html += Row(ResultCaption(k), run.results[k]);
  }
  return html + QStringLiteral("</table>");
}

QString Rows(const std::vector<account::Line>& lines) {
  QString html;
  for (const account::Line& line : lines) html += Row(FromUtf8(line.caption), FromUtf8(line.value));
  return html;
}

QString PlanTable(const PlannedRun& planned) {
  QString html = QStringLiteral("<table cellspacing=0 cellpadding=1 width=100%>");
  html += Heading(QStringLiteral("План намотки"));
  html += Rows(account::SummaryLines(planned.plan));
  html += Heading(QStringLiteral("Настройки"));
  html += Rows(account::SettingLines(planned));
  return html + QStringLiteral("</table>");
}

// A table of a caption and a value for each column a row; a flagged value in the warning colour.
QString FigureTable(const account::Table& table) {
  QString html =
      QStringLiteral("<table border=1 cellspacing=0 cellpadding=2 width=100%><tr><th></th>");
  for (const std::string& heading : table.headings) {
    html += QStringLiteral("<th>%1</th>").arg(FromUtf8(heading).toHtmlEscaped());
  }
  html += QStringLiteral("</tr>");
  for (const account::Row& row : table.rows) {
    html += QStringLiteral("<tr>") + Cell(FromUtf8(row.caption));
    for (const account::Cell& cell : row.cells) {
      const QString value = FromUtf8(cell.text).toHtmlEscaped();
      html += cell.flagged ? QStringLiteral("<td align=right style='color:%1'><b>%2</b></td>")
                                 .arg(kWarningColour, value)
                           : QStringLiteral("<td align=right>%1</td>").arg(value);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString NotesHtml(const RunView& run) {
  QString html =
      QStringLiteral("<p><b>%1:</b> ").arg(FromUtf8(account::kNotesCaption).toHtmlEscaped());
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
  return heading + FigureTable(account::CheckTable(planned));
}

QString CheckVerdictLines(const PlannedRun& planned) {
  if (!NoCheckReason(planned).isEmpty()) return {};
  const QString colour =
      account::AnyFlag(planned) ? kWarningColour : VerdictColour(plan::Verdict::Fits);
  QString html;
  for (const QString& line : CheckVerdicts(planned)) {
    html += QStringLiteral("<p style='color:%1'>%2</p>").arg(colour, line.toHtmlEscaped());
  }
  return html;
}

QString StampHtml(const SheetStamp& stamp) {
  const QString made = QStringLiteral("Лист составлен %1.")
                           .arg(stamp.made.toString(QStringLiteral("dd.MM.yyyy в HH:mm")));
  if (stamp.title.isEmpty()) return QStringLiteral("<p>%1</p>").arg(made);
  return QStringLiteral("<p>Проект: <b>%1</b>. %2</p>")
      .arg(FromUtf8(design_file::ShortTitle(stamp.title.toStdString())).toHtmlEscaped(), made);
}

QString SheetHtml(const PlannedRun& planned, const SheetStamp& stamp) {
  QString html = QStringLiteral("<p style='font-size:large'><b>%1</b></p>")
                     .arg(QStringLiteral("План намотки и проверка трансформатора"));
  html += StampHtml(stamp);
  if (!planned.power_line.empty()) {
    html += QStringLiteral("<p><b>%1</b></p>").arg(FromUtf8(planned.power_line).toHtmlEscaped());
  }
  if (!planned.HasPlan()) {
    html +=
        QStringLiteral("<p><b>Плана нет.</b> %1</p>").arg(NoPlanReason(planned).toHtmlEscaped());
    return html + RunTable(planned) + NotesHtml(planned.run);
  }
  html += QStringLiteral("<p><b>Вывод: <span style='color:%1'>%2</span></b>. План для: %3.</p>")
              .arg(VerdictColour(planned.plan.verdict),
                   FromUtf8(plan::VerdictText(planned.plan.verdict)).toHtmlEscaped(),
                   TurnsText(planned).toHtmlEscaped());
  html += QStringLiteral(
              "<table width=100% cellspacing=0 cellpadding=0><tr><td width=55% "
              "valign=top>%1</td><td width=5%></td><td width=40% valign=top>%2</td>"
              "</tr></table>")
              .arg(RunTable(planned), PlanTable(planned));
  html += NotesHtml(planned.run);
  const QString windings = FigureTable(account::WindingTable(planned.plan));
  if (planned.plan.windings.size() > account::kDescribedWindings) {
    // More than two columns of windings would not leave their captions a word's width.
    html += QStringLiteral("<p><b>Обмотки</b></p>%1<p></p>%2").arg(windings, CheckTable(planned));
  } else {
    // The windings beside the check: the two long tables share the page's height.
    html += QStringLiteral(
                "<table width=100% cellspacing=0 cellpadding=0><tr><td width=46% valign=top>"
                "<b>Обмотки</b>%1</td><td width=2%></td><td width=52% valign=top>%2</td></tr>"
                "</table>")
                .arg(windings, CheckTable(planned));
  }
  html += CheckVerdictLines(planned);
  html += QStringLiteral("<p>%1</p>")
              .arg(FromUtf8(account::PlanNote(planned.settings)).toHtmlEscaped());
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
bool PaintPages(QPagedPaintDevice& device, const PlannedRun& planned, const SheetStamp& stamp) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(QPointF(0, 0),
                    device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
  const std::unique_ptr<QTextDocument> text = SheetText(planned, &device, page.size(), stamp);
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

QString SheetTitle(const PlannedRun& planned, const SheetStamp& stamp) {
  const QString verdict = planned.HasPlan() ? FromUtf8(plan::VerdictText(planned.plan.verdict))
                                            : QStringLiteral("плана нет");
  const QString title = QStringLiteral("План намотки: %1").arg(verdict);
  if (stamp.title.isEmpty()) return title;
  return FromUtf8(design_file::ShortTitle(stamp.title.toStdString())) + QStringLiteral(" — ") +
         title;
}

std::unique_ptr<QTextDocument> SheetText(const PlannedRun& planned, QPaintDevice* device,
                                         const QSizeF& page, const SheetStamp& stamp) {
  auto text = std::make_unique<QTextDocument>();
  text->documentLayout()->setPaintDevice(device);
  text->setDocumentMargin(0);
  text->setPageSize(page);
  text->setDefaultFont(SheetFont(kLargestPoints));
  text->setHtml(SheetHtml(planned, stamp));
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
  // The design of all windings says so above the drawing too, on a line of its own.
  const QString title = FromUtf8(account::Led(
      planned, QStringLiteral("Чертеж окна в масштабе: %1").arg(TurnsText(planned)).toStdString()));
  const double top =
      page.top() + (title.count('\n') + 2) * QFontMetricsF(heading, painter.device()).height();
  painter.drawText(QRectF(page.left(), page.top(), page.width(), top - page.top()),
                   Qt::AlignLeft | Qt::AlignTop, title);
  painter.setFont(SheetFont(kLargestPoints));
  PaintWindingDrawing(painter, QRectF(page.left(), top, page.width(), page.bottom() - top),
                      planned);
  painter.restore();
}

bool WriteSheetPdf(const QString& path, const PlannedRun& planned, const SheetStamp& stamp) {
  QPdfWriter writer(path);
  writer.setResolution(kPdfDpi);
  writer.setTitle(SheetTitle(planned, stamp));
  writer.setCreator(QStringLiteral("Расчет трансформатора"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
  return PaintPages(writer, planned, stamp);
}

bool PrintSheet(QPrinter& printer, const PlannedRun& planned, const SheetStamp& stamp) {
  printer.setDocName(SheetTitle(planned, stamp));
  return PaintPages(printer, planned, stamp);
}

}  // namespace ui
