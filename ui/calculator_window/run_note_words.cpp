#include "ui/calculator_window/run_note_words.h"

#include <cmath>
#include <string_view>

#include <QStringList>

#include "calc/coefficients.h"
#include "ui/common/shortened.h"
#include "ui/common/utf8.h"
#include "values/number_text.h"

namespace ui {

namespace {

using calc::Coefficient;
using calc::NoteKind;
using calc::Quantity;
using calc::RunNote;

constexpr int kForm = 0;

/// How the user knows each input field: the symbol of its caption, or a word.
constexpr std::string_view kFieldNames[] = {"форма", "U1", "U2", "I2",     "a",
                                            "b",     "c",  "h",  "толщина"};

/// "Не удалось …" for each quantity, in the order of calc::Quantity.
constexpr std::string_view kNotComputed[] = {
    "Не удалось прочитать номер формы магнитопровода.",
    "Не удалось вычислить мощность нагрузки Pn = U2 × I2.",
    "Не удалось вычислить мощность, которую должно нести железо (1.3 × Pn).",
    "Не удалось вычислить площадь сечения магнитопровода Ss = a × b.",
    "Не удалось вычислить площадь окна Sok.",
    "Не удалось вычислить ток первичной обмотки I1.",
    "Не удалось вычислить максимальную мощность железа Ps.",
    "Не удалось сравнить мощность железа Ps с нужной (1.3 × Pn).",
    "Не удалось вычислить сечение провода 1-й обмотки.",
    "Не удалось вычислить сечение провода 2-й обмотки.",
    "Не удалось вычислить диаметр провода 1-й обмотки.",
    "Не удалось вычислить диаметр провода 2-й обмотки.",
    "Не удалось вычислить число витков 1-й обмотки.",
    "Не удалось вычислить число витков 2-й обмотки.",
};

QString Words(std::string_view text) { return FromUtf8(text); }

QString Number(double x) {
  char text[values::kGeneralTextCapacity];
  return QString::fromLatin1(text, static_cast<qsizetype>(values::FormatGeneral(x, text)));
}

QString Number(const calc::DynamicValue& x) { return FromUtf8(values::FormatGeneral(x)); }

QString Quoted(std::string_view text) { return QStringLiteral("«%1»").arg(Shortened(text)); }

double ReadField(const NotedRun& run, int field) {
  return values::ReadNumber(run.texts[static_cast<std::size_t>(field)]);
}

// "0,35" reads as 0: what cut the number short, and how to write it.
QString WhyCutShort(std::string_view text) {
  const values::LeadingNumber read = values::ReadLeadingNumber(text);
  std::size_t stop = read.length;
  while (stop < text.size() && (text[stop] == ' ' || text[stop] == '\t')) ++stop;
  const QString prefix = QStringLiteral("Прочитано %1: ").arg(Number(read.value));
  if (stop < text.size() && text[stop] == ',') {
    std::string written(text.substr(0, stop));
    written += '.';
    written += text.substr(stop + 1);
    return prefix + QStringLiteral("запятая не считается десятичным знаком, пишите %1")
                        .arg(Shortened(written));
  }
  if (stop < text.size() && text[stop] == '.') {
    return prefix + QStringLiteral("вторая точка обрывает число.");
  }
  return prefix + QStringLiteral("пробел обрывает число, пишите его без пробелов.");
}

QString FormExplanation(const NotedRun& run) {
  const double read = ReadField(run, kForm);
  const double rounded = std::nearbyint(read);
  const QString forms = QStringLiteral(
      "Бывают формы 1 (броневой пластинчатый), 2 (броневой ленточный) и 3 (кольцевой ленточный).");
  if (!(rounded >= -32768 && rounded <= 32767)) {
    return QStringLiteral("Номер формы %1 слишком велик, расчет остановлен. ").arg(Number(read)) +
           forms;
  }
  if (calc::IsKnownForm(rounded)) {
    return QStringLiteral("Номер формы %1 не целый, расчет взял форму %2. ")
               .arg(Number(read), Number(rounded)) +
           forms;
  }
  return QStringLiteral("Формы %1 нет: площадь окна посчитана как у кольца. ")
             .arg(Number(rounded)) +
         forms;
}

// Why the table of `c` matched no row in this run.
QString WhyNoRow(const NotedRun& run, Coefficient c) {
  const std::int16_t N = run.record.N;
  if (calc::KeyedByForm(c) && !calc::IsKnownForm(N)) {
    return QStringLiteral("Для формы %1 в таблице нет значений").arg(N);
  }
  if (c == Coefficient::Ks) {
    return QStringLiteral("Толщины %1 мм нет в таблице для формы %2")
        .arg(Number(run.record.Tl))
        .arg(N);
  }
  return QStringLiteral("Для мощности нагрузки %1 Вт в таблице нет значений")
      .arg(Number(run.record.Pn));
}

QString CoefficientExplanation(const NotedRun& run, const RunNote& note) {
  const Coefficient c = note.coefficient();
  const calc::CoefficientFacts& words = calc::Facts(c);
  if (note.kind == NoteKind::Carried) {
    return QStringLiteral("%1: %2 %3 %4 из прошлого расчета.")
        .arg(WhyNoRow(run, c), Words(words.name), Number(*calc::Kept(run.record, c)),
             Words(words.taken));
  }
  QString text = QStringLiteral("%1: %2 %3 и считается равным 0")
                     .arg(WhyNoRow(run, c), Words(words.name), Words(words.unset));
  if (c == Coefficient::DU1 || c == Coefficient::DU2) {
    return text + QStringLiteral(", число витков посчитано без поправки на него.");
  }
  return text + QStringLiteral(".");
}

QString FieldNoteExplanation(const NotedRun& run, const RunNote& note) {
  const std::string_view text = run.texts[static_cast<std::size_t>(note.field())];
  switch (note.kind) {
    case NoteKind::Empty:
      return QStringLiteral("Поле пустое, оно прочитано как 0.");
    case NoteKind::NoNumber:
      return QStringLiteral("В начале поля нет числа (%1), оно прочитано как 0.").arg(Quoted(text));
    case NoteKind::PartlyRead:
      return WhyCutShort(text);
    case NoteKind::Form:
      return FormExplanation(run);
    default:
      return QStringLiteral("Прочитано %1: значение должно быть больше нуля.")
          .arg(Number(ReadField(run, note.field())));
  }
}

QString NoteExplanation(const NotedRun& run, const RunNote& note) {
  if (note.kind == NoteKind::Carried || note.kind == NoteKind::Unset) {
    return CoefficientExplanation(run, note);
  }
  return FieldNoteExplanation(run, note);
}

// Fields whose numbers are far beyond any transformer: where an overflow comes from.
QString HugeFields(const NotedRun& run) {
  QStringList names;
  for (int field = 1; field < 9; ++field) {
    if (std::fabs(ReadField(run, field)) >= 1e100) names << Words(kFieldNames[field]);
  }
  return names.join(QStringLiteral(", "));
}

// The text of a window area at the top of the double range reads back beyond it, so Ps cannot
// be computed from it.
bool WindowAreaBeyondRange(const calc::CalculatorState& record) {
  const std::string* text = record.So.text();
  return text != nullptr && std::isinf(values::ReadNumber(*text));
}

QString OverflowCause(const NotedRun& run, Quantity at) {
  if (at == Quantity::N) {
    return QStringLiteral("номер формы %1 слишком велик, бывают формы 1, 2 и 3")
        .arg(Number(ReadField(run, kForm)));
  }
  const QString huge = HugeFields(run);
  QString cause =
      at == Quantity::Ps && WindowAreaBeyondRange(run.record)
          ? QStringLiteral(
                "площадь окна Sok слишком велика, чтобы вычислить с ней мощность "
                "железа Ps: она на пределе чисел программы")
          : QStringLiteral("числа слишком велики, результат выходит за пределы чисел программы");
  if (!huge.isEmpty()) cause += QStringLiteral(" (поля %1)").arg(huge);
  return cause;
}

QString NoEfficiencyCause(const NotedRun& run) {
  const calc::CalculatorState& r = run.record;
  if (r.U1.ToDouble() == 0) return QStringLiteral("U1 равно 0");
  if (r.kpd.IsEmpty() && !calc::IsKnownForm(r.N)) {
    return QStringLiteral(
               "для формы %1 в таблице нет КПД, а расчетов с формой 1, 2 или 3, которые задали "
               "бы его, еще не было")
        .arg(r.N);
  }
  QString cause = QStringLiteral(
                      "КПД и коэффициент мощности еще не заданы: мощность нагрузки %1 Вт не "
                      "больше 2 Вт, для нее в таблицах нет значений, а расчетов с большей "
                      "мощностью еще не было")
                      .arg(Number(r.Pn));
  if (r.Pn.ToDouble() <= 0) cause += QStringLiteral(" (мощность нагрузки - это U2 × I2)");
  return cause;
}

QString NegativeSectionCause(const NotedRun& run, Quantity at) {
  const calc::CalculatorState& r = run.record;
  QStringList causes;
  if (at == Quantity::D1 && r.U1.ToDouble() < 0) causes << QStringLiteral("U1 меньше нуля");
  if (r.Pn.ToDouble() < 0) causes << QStringLiteral("мощность нагрузки U2 × I2 меньше нуля");
  if (at == Quantity::D2 && r.I2.ToDouble() < 0) causes << QStringLiteral("I2 меньше нуля");
  return QStringLiteral("сечение провода отрицательно: ") + causes.join(QStringLiteral(", "));
}

QString Cause(const NotedRun& run, const values::Fault& fault, Quantity at) {
  switch (fault.kind()) {
    case values::FaultKind::Overflow:
      return OverflowCause(run, at);
    case values::FaultKind::InvalidArgument:
      return NegativeSectionCause(run, at);
    case values::FaultKind::DivisionByZero:
      if (at == Quantity::I1) return NoEfficiencyCause(run);
      if (at == Quantity::S1 || at == Quantity::S2) {
        return QStringLiteral(
            "плотность тока J не задана, а сердечник признан подходящим, потому что мощность "
            "нагрузки U2 × I2 меньше нуля");
      }
      return QStringLiteral(
          "площадь сечения Ss или индукция Bmax равны 0, а сердечник признан подходящим, потому "
          "что мощность нагрузки U2 × I2 меньше нуля");
    case values::FaultKind::TypeMismatch:
      break;
  }
  return QStringLiteral("значения в полях ввода");
}

}  // namespace

QString NoteWords(const NotedRun& run, const calc::RunNote& note) {
  return NoteExplanation(run, note);
}

std::array<QString, 9> FieldExplanations(const NotedRun& run) {
  std::array<QString, 9> explanations;
  for (const RunNote& note : run.notes) {
    const std::uint16_t fields = calc::FieldsOf(note, run.record.N);
    for (std::size_t field = 0; field < explanations.size(); ++field) {
      if ((fields & (1u << field)) == 0) continue;
      QString& text = explanations[field];
      if (!text.isEmpty()) text += QLatin1Char('\n');
      text += NoteExplanation(run, note);
    }
  }
  return explanations;
}

QStringList NoteLines(const NotedRun& run) {
  QStringList lines;
  for (const RunNote& note : run.notes) {
    if (note.kind == NoteKind::FaultAt) {
      lines << Words(kNotComputed[static_cast<std::size_t>(note.quantity())]);
    } else if (note.kind == NoteKind::Carried || note.kind == NoteKind::Unset) {
      lines << CoefficientExplanation(run, note);
    } else {
      lines << QStringLiteral("%1: %2").arg(Words(kFieldNames[note.field()]),
                                            FieldNoteExplanation(run, note));
    }
  }
  return lines;
}

QString FaultExplanation(const NotedRun& run, const values::Fault& fault) {
  Quantity at = Quantity::N;
  bool marked = false;
  for (const RunNote& note : run.notes) {
    if (note.kind == NoteKind::FaultAt) at = note.quantity();
    marked = marked || calc::FieldsOf(note, run.record.N) != 0;
  }
  QString text = Words(kNotComputed[static_cast<std::size_t>(at)]) +
                 QStringLiteral("\nВероятная причина: %1.").arg(Cause(run, fault, at));
  if (marked) {
    text += QStringLiteral("\nПоля с замечаниями выделены цветом, подробности - в их подсказках.");
  }
  return text;
}

}  // namespace ui
