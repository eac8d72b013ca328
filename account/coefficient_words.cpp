#include "account/coefficient_words.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/coefficient_tables.h"
#include "values/number_text.h"

namespace account {

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

std::string Number(double x) {
  char text[values::kGeneralTextCapacity];
  return std::string(text, values::FormatGeneral(x, text));
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
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

std::string Words(const Span& span) {
  const std::string from = Number(span.lower.limit);
  if (span.lower.limit == span.upper.limit) return from + " мм";
  if (span.upper.limit == kNoEnd) {
    return span.lower.inclusive ? "от " + from + " мм и больше" : "больше " + from + " мм";
  }
  return (span.lower.inclusive ? "от " : "больше ") + from +
         (span.lower.inclusive ? " до " : " и до ") + Number(span.upper.limit) + " мм";
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
std::string KnownForms(const CoefficientTable& table) {
  std::vector<std::string> forms;
  for (std::size_t g = 0; g < table.size; ++g) {
    const calc::Scope& scope = table.groups[g].scope;
    if (!scope.every_form) forms.push_back(std::to_string(scope.form));
  }
  return calc::Join(forms, ", ");
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
std::string WhatToDo(const calc::NotedRun& run, Coefficient c) {
  const std::int16_t N = run.record.N;
  const std::string form = std::to_string(N);
  const CoefficientTable& table = TableOf(c);
  if (N < 1 || N > 3) return "Таблицы знают формы " + KnownForms(table) + ".";
  if (c == Coefficient::Ks) {
    std::string text = "Для формы " + form + " таблица знает толщины: " + KnownThicknesses(N);
    const double Tl = run.record.Tl.ToDouble();
    if (const auto nearest = NearestKnownThickness(N, Tl)) {
      text += "; ближайшая к " + Number(Tl) + " мм - " + Number(*nearest) + " мм";
    }
    return text + ".";
  }
  if (const auto lowest = LowestPower(table, N)) {
    return "Для формы " + form + " таблица начинается с мощности нагрузки больше " +
           Number(*lowest) + " Вт; при меньшей значение остается от прошлого расчета.";
  }
  return {};
}

}  // namespace

std::string KnownThicknesses(std::int16_t form) {
  std::vector<std::string> words;
  for (const Span& span : KnownSpans(form)) words.push_back(Words(span));
  return calc::Join(words, ", ");
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

std::string CoefficientWords(const calc::NotedRun& run) {
  std::vector<std::string> parts;
  std::vector<std::string> advice;
  bool unset = false;
  for (const calc::RunNote& note : run.notes) {
    if (note.kind != NoteKind::Carried && note.kind != NoteKind::Unset) continue;
    const Coefficient c = note.coefficient();
    if (!EntersPs(c)) continue;
    unset = unset || note.kind == NoteKind::Unset;
    parts.push_back(calc::NoteSentence(run, note));
    if (std::string todo = WhatToDo(run, c); !todo.empty() && !Holds(advice, todo)) {
      advice.push_back(std::move(todo));
    }
  }
  if (parts.empty()) return {};
  std::string head = parts.size() == 1
                         ? "Мощность железа Ps, а с ней и вывод, посчитаны с коэффициентом, "
                           "которого таблицы для этих данных не дали"
                         : "Мощность железа Ps, а с ней и вывод, посчитаны с коэффициентами, "
                           "которых таблицы для этих данных не дали";
  if (unset && run.record.Ps.ToDouble() == 0) {
    head += ": незаданный коэффициент считается равным 0, и Ps равна 0";
  }
  parts.insert(parts.begin(), head + ".");
  parts.insert(parts.end(), advice.begin(), advice.end());
  return calc::Join(parts, "\n");
}

}  // namespace account
