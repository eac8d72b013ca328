#include "ui/calculator_window/verdict_warning.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <QStringList>

#include "calc/coefficient_tables.h"
#include "values/number_text.h"

namespace ui {

namespace {

using calc::Coefficient;
using calc::CoefficientTable;
using calc::NoteKind;
using calc::TableRow;

constexpr double kNoEnd = std::numeric_limits<double>::infinity();

// The thicknesses one row admits, or several touching rows together.
struct Span {
  calc::Bound lower;
  calc::Bound upper;

  bool Admits(double mm) const {
    return (lower.inclusive ? mm >= lower.limit : mm > lower.limit) &&
           (upper.inclusive ? mm <= upper.limit : mm < upper.limit);
  }
};

QString Number(double x) {
  char text[values::kGeneralTextCapacity];
  return QString::fromLatin1(text, static_cast<qsizetype>(values::FormatGeneral(x, text)));
}

// The groups of `table` that a run on core form `form` consults.
template <typename Visit>
void ForEachRow(const CoefficientTable& table, std::int16_t form, Visit visit) {
  for (std::size_t g = 0; g < table.size; ++g) {
    const calc::TableGroup& group = table.groups[g];
    if (!group.scope.Covers(form)) continue;
    for (std::size_t r = 0; r < group.size; ++r) visit(group.rows[r]);
  }
}

std::optional<Span> SpanOf(const TableRow& row) {
  switch (row.test) {
    case TableRow::Test::ThicknessIs:
      return Span{row.lower, row.lower};
    case TableRow::Test::ThicknessAbove:
      return Span{row.lower, {kNoEnd, false}};
    case TableRow::Test::ThicknessWithin:
      return Span{row.lower, row.upper};
    case TableRow::Test::PowerAbove:
      break;
  }
  return std::nullopt;
}

bool Touch(const Span& first, const Span& next) {
  return next.lower.limit < first.upper.limit ||
         (next.lower.limit == first.upper.limit && (first.upper.inclusive || next.lower.inclusive));
}

// The thickness rows for `form`, in ascending order, touching ones joined.
std::vector<Span> KnownSpans(std::int16_t form) {
  std::vector<Span> spans;
  ForEachRow(calc::KsTable, form, [&](const TableRow& row) {
    if (const auto span = SpanOf(row)) spans.push_back(*span);
  });
  std::sort(spans.begin(), spans.end(),
            [](const Span& x, const Span& y) { return x.lower.limit < y.lower.limit; });
  std::vector<Span> joined;
  for (const Span& span : spans) {
    if (!joined.empty() && Touch(joined.back(), span)) {
      Span& last = joined.back();
      if (span.upper.limit > last.upper.limit ||
          (span.upper.limit == last.upper.limit && span.upper.inclusive)) {
        last.upper = span.upper;
      }
    } else {
      joined.push_back(span);
    }
  }
  return joined;
}

QString Words(const Span& span) {
  const QString from = Number(span.lower.limit);
  if (span.lower.limit == span.upper.limit) return QStringLiteral("%1 мм").arg(from);
  if (span.upper.limit == kNoEnd) {
    return span.lower.inclusive ? QStringLiteral("от %1 мм и больше").arg(from)
                                : QStringLiteral("больше %1 мм").arg(from);
  }
  return QString::fromUtf8(span.lower.inclusive ? "от %1 до %2 мм" : "больше %1 и до %2 мм")
      .arg(from, Number(span.upper.limit));
}

// The smallest load power above which `table` has a row for `form`.
std::optional<double> LowestPower(const CoefficientTable& table, std::int16_t form) {
  std::optional<double> lowest;
  ForEachRow(table, form, [&](const TableRow& row) {
    if (row.test == TableRow::Test::PowerAbove && (!lowest || row.lower.limit < *lowest)) {
      lowest = row.lower.limit;
    }
  });
  return lowest;
}

// The forms `table` has rows of its own for.
QString KnownForms(const CoefficientTable& table) {
  QStringList forms;
  for (std::size_t g = 0; g < table.size; ++g) {
    const calc::Scope& scope = table.groups[g].scope;
    if (!scope.every_form) forms << QString::number(scope.form);
  }
  return forms.join(QStringLiteral(", "));
}

const CoefficientTable& TableOf(Coefficient c) {
  switch (c) {
    case Coefficient::Bmax:
      return calc::BmaxTable;
    case Coefficient::J:
      return calc::JTable;
    case Coefficient::Ko:
      return calc::KoTable;
    default:
      return calc::KsTable;
  }
}

bool EntersPs(Coefficient c) {
  return c == Coefficient::Bmax || c == Coefficient::J || c == Coefficient::Ko ||
         c == Coefficient::Ks;
}

// What to enter so that the table of `c` gives a value.
QString WhatToDo(const NotedRun& run, Coefficient c) {
  const std::int16_t N = run.record.N;
  const CoefficientTable& table = TableOf(c);
  if (N < 1 || N > 3) {
    return QStringLiteral("Таблицы знают формы %1.").arg(KnownForms(table));
  }
  if (c == Coefficient::Ks) {
    QString text =
        QStringLiteral("Для формы %1 таблица знает толщины: %2").arg(N).arg(KnownThicknesses(N));
    const double Tl = run.record.Tl.ToDouble();
    if (const auto nearest = NearestKnownThickness(N, Tl)) {
      text += QStringLiteral("; ближайшая к %1 мм - %2 мм").arg(Number(Tl), Number(*nearest));
    }
    return text + QStringLiteral(".");
  }
  if (const auto lowest = LowestPower(table, N)) {
    return QStringLiteral(
               "Для формы %1 таблица начинается с мощности нагрузки больше %2 Вт; при меньшей "
               "значение остается от прошлого расчета.")
        .arg(N)
        .arg(Number(*lowest));
  }
  return {};
}

}  // namespace

QString KnownThicknesses(std::int16_t form) {
  QStringList words;
  for (const Span& span : KnownSpans(form)) words << Words(span);
  return words.join(QStringLiteral(", "));
}

std::optional<double> NearestKnownThickness(std::int16_t form, double mm) {
  std::optional<double> nearest;
  for (const Span& span : KnownSpans(form)) {
    const double candidate = std::clamp(mm, span.lower.limit, span.upper.limit);
    if (!span.Admits(candidate)) continue;  // an open end is no thickness of the table
    if (!nearest || std::fabs(candidate - mm) < std::fabs(*nearest - mm)) nearest = candidate;
  }
  return nearest;
}

QString VerdictWarning(const NotedRun& run) {
  QStringList parts;
  QStringList advice;
  int count = 0;
  bool unset = false;
  for (const calc::RunNote& note : run.notes) {
    if (note.kind != NoteKind::Carried && note.kind != NoteKind::Unset) continue;
    const Coefficient c = note.coefficient();
    if (!EntersPs(c)) continue;
    ++count;
    unset = unset || note.kind == NoteKind::Unset;
    parts << NoteWords(run, note);
    if (const QString todo = WhatToDo(run, c); !todo.isEmpty() && !advice.contains(todo)) {
      advice << todo;
    }
  }
  if (parts.isEmpty()) return {};
  QString head = count == 1 ? QStringLiteral(
                                  "Мощность железа Ps, а с ней и вывод, посчитаны с "
                                  "коэффициентом, которого таблицы для этих данных не дали")
                            : QStringLiteral(
                                  "Мощность железа Ps, а с ней и вывод, посчитаны с "
                                  "коэффициентами, которых таблицы для этих данных не дали");
  if (unset && run.record.Ps.ToDouble() == 0) {
    head += QStringLiteral(": незаданный коэффициент считается равным 0, и Ps равна 0");
  }
  parts.prepend(head + QStringLiteral("."));
  return (parts + advice).join(QLatin1Char('\n'));
}

}  // namespace ui
