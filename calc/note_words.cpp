#include "calc/note_words.h"

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "calc/coefficients.h"
#include "calc/utf8_text.h"
#include "values/number_text.h"

namespace calc {

namespace {

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

// The pattern with %1 … %9 replaced by the arguments in one pass.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t k =
        i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && k < args.size()) {
      out += args.begin()[k];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Number(double x) {
  char text[values::kGeneralTextCapacity];
  return std::string(text, values::FormatGeneral(x, text));
}

std::string Number(const DynamicValue& x) { return values::FormatGeneral(x); }

std::string Quoted(std::string_view text) { return "«" + Shortened(text) + "»"; }

double ReadField(const NotedRun& run, int field) {
  return values::ReadNumber(run.texts[static_cast<std::size_t>(field)]);
}

// "0,35" reads as 0: what cut the number short, and how to write it.
std::string WhyCutShort(std::string_view text) {
  const values::LeadingNumber read = values::ReadLeadingNumber(text);
  std::size_t stop = read.length;
  while (stop < text.size() && (text[stop] == ' ' || text[stop] == '\t')) ++stop;
  const std::string prefix = Fill("Прочитано %1: ", {Number(read.value)});
  if (stop < text.size() && text[stop] == ',') {
    std::string written(text.substr(0, stop));
    written += '.';
    written += text.substr(stop + 1);
    return prefix + Fill("запятая не считается десятичным знаком, пишите %1", {Shortened(written)});
  }
  if (stop < text.size() && text[stop] == '.') return prefix + "вторая точка обрывает число.";
  return prefix + "пробел обрывает число, пишите его без пробелов.";
}

std::string FormExplanation(const NotedRun& run) {
  const double read = ReadField(run, kForm);
  const double rounded = std::nearbyint(read);
  const std::string_view forms =
      "Бывают формы 1 (броневой пластинчатый), 2 (броневой ленточный) и 3 (кольцевой ленточный).";
  if (!(rounded >= -32768 && rounded <= 32767)) {
    return Fill("Номер формы %1 слишком велик, расчет остановлен. ", {Number(read)}) +
           std::string(forms);
  }
  if (IsKnownForm(rounded)) {
    return Fill("Номер формы %1 не целый, расчет взял форму %2. ",
                {Number(read), Number(rounded)}) +
           std::string(forms);
  }
  return Fill("Формы %1 нет: площадь окна посчитана как у кольца. ", {Number(rounded)}) +
         std::string(forms);
}

// Why the table of `c` matched no row in this run.
std::string WhyNoRow(const NotedRun& run, Coefficient c) {
  const std::string form = std::to_string(run.record.N);
  if (KeyedByForm(c) && !IsKnownForm(run.record.N)) {
    return Fill("Для формы %1 в таблице нет значений", {form});
  }
  if (c == Coefficient::Ks) {
    return Fill("Толщины %1 мм нет в таблице для формы %2", {Number(run.record.Tl), form});
  }
  return Fill("Для мощности нагрузки %1 Вт в таблице нет значений", {Number(run.record.Pn)});
}

std::string CoefficientExplanation(const NotedRun& run, const RunNote& note) {
  const Coefficient c = note.coefficient();
  const CoefficientFacts& words = Facts(c);
  if (note.kind == NoteKind::Carried) {
    return Fill("%1: %2 %3 %4 из прошлого расчета.",
                {WhyNoRow(run, c), words.name, Number(*Kept(run.record, c)), words.taken});
  }
  std::string text =
      Fill("%1: %2 %3 и считается равным 0", {WhyNoRow(run, c), words.name, words.unset});
  if (c == Coefficient::DU1 || c == Coefficient::DU2) {
    return text + ", число витков посчитано без поправки на него.";
  }
  return text + ".";
}

std::string FieldNoteExplanation(const NotedRun& run, const RunNote& note) {
  const std::string_view text = run.texts[static_cast<std::size_t>(note.field())];
  switch (note.kind) {
    case NoteKind::Empty:
      return "Поле пустое, оно прочитано как 0.";
    case NoteKind::NoNumber:
      return Fill("В начале поля нет числа (%1), оно прочитано как 0.", {Quoted(text)});
    case NoteKind::PartlyRead:
      return WhyCutShort(text);
    case NoteKind::Form:
      return FormExplanation(run);
    default:
      return Fill("Прочитано %1: значение должно быть больше нуля.",
                  {Number(ReadField(run, note.field()))});
  }
}

std::string NoteExplanation(const NotedRun& run, const RunNote& note) {
  if (note.kind == NoteKind::Carried || note.kind == NoteKind::Unset) {
    return CoefficientExplanation(run, note);
  }
  return FieldNoteExplanation(run, note);
}

// Fields whose numbers are far beyond any transformer: where an overflow comes from.
std::string HugeFields(const NotedRun& run) {
  std::vector<std::string> names;
  for (int field = 1; field < 9; ++field) {
    if (std::fabs(ReadField(run, field)) >= 1e100) names.emplace_back(kFieldNames[field]);
  }
  return Join(names, ", ");
}

// The text of a window area at the top of the double range reads back beyond it, so Ps cannot
// be computed from it.
bool WindowAreaBeyondRange(const CalculatorState& record) {
  const std::string* text = record.So.text();
  return text != nullptr && std::isinf(values::ReadNumber(*text));
}

std::string OverflowCause(const NotedRun& run, Quantity at) {
  if (at == Quantity::N) {
    return Fill("номер формы %1 слишком велик, бывают формы 1, 2 и 3",
                {Number(ReadField(run, kForm))});
  }
  const std::string huge = HugeFields(run);
  std::string cause =
      at == Quantity::Ps && WindowAreaBeyondRange(run.record)
          ? "площадь окна Sok слишком велика, чтобы вычислить с ней мощность железа Ps: она на "
            "пределе чисел программы"
          : "числа слишком велики, результат выходит за пределы чисел программы";
  if (!huge.empty()) cause += Fill(" (поля %1)", {huge});
  return cause;
}

std::string NoEfficiencyCause(const NotedRun& run) {
  const CalculatorState& r = run.record;
  if (r.U1.ToDouble() == 0) return "U1 равно 0";
  if (r.kpd.IsEmpty() && !IsKnownForm(r.N)) {
    return Fill(
        "для формы %1 в таблице нет КПД, а расчетов с формой 1, 2 или 3, которые задали бы его, "
        "еще не было",
        {std::to_string(r.N)});
  }
  std::string cause = Fill(
      "КПД и коэффициент мощности еще не заданы: мощность нагрузки %1 Вт не больше 2 Вт, для нее "
      "в таблицах нет значений, а расчетов с большей мощностью еще не было",
      {Number(r.Pn)});
  if (r.Pn.ToDouble() <= 0) cause += " (мощность нагрузки - это U2 × I2)";
  return cause;
}

std::string NegativeSectionCause(const NotedRun& run, Quantity at) {
  const CalculatorState& r = run.record;
  std::vector<std::string> causes;
  if (at == Quantity::D1 && r.U1.ToDouble() < 0) causes.emplace_back("U1 меньше нуля");
  if (r.Pn.ToDouble() < 0) causes.emplace_back("мощность нагрузки U2 × I2 меньше нуля");
  if (at == Quantity::D2 && r.I2.ToDouble() < 0) causes.emplace_back("I2 меньше нуля");
  return "сечение провода отрицательно: " + Join(causes, ", ");
}

std::string Cause(const NotedRun& run, const values::Fault& fault, Quantity at) {
  switch (fault.kind()) {
    case values::FaultKind::Overflow:
      return OverflowCause(run, at);
    case values::FaultKind::InvalidArgument:
      return NegativeSectionCause(run, at);
    case values::FaultKind::DivisionByZero:
      if (at == Quantity::I1) return NoEfficiencyCause(run);
      if (at == Quantity::S1 || at == Quantity::S2) {
        return "плотность тока J не задана, а сердечник признан подходящим, потому что мощность "
               "нагрузки U2 × I2 меньше нуля";
      }
      return "площадь сечения Ss или индукция Bmax равны 0, а сердечник признан подходящим, "
             "потому что мощность нагрузки U2 × I2 меньше нуля";
    case values::FaultKind::TypeMismatch:
      break;
  }
  return "значения в полях ввода";
}

}  // namespace

std::string Shortened(std::string_view text) {
  constexpr std::size_t kShownLength = 24;
  // Enough to hold more than kShownLength characters of any script.
  constexpr std::size_t kReadLength = 4 * (kShownLength + 1);
  text.remove_prefix(LeadingSpaceBytes(text));
  return ShortenedUtf8(text.substr(0, kReadLength), kShownLength, "…", text.size() > kReadLength);
}

std::string NoteSentence(const NotedRun& run, const RunNote& note) {
  return NoteExplanation(run, note);
}

std::vector<std::string> NoteLines(const NotedRun& run) {
  std::vector<std::string> lines;
  for (const RunNote& note : run.notes) {
    if (note.kind == NoteKind::FaultAt) {
      lines.emplace_back(kNotComputed[static_cast<std::size_t>(note.quantity())]);
    } else if (note.kind == NoteKind::Carried || note.kind == NoteKind::Unset) {
      lines.push_back(CoefficientExplanation(run, note));
    } else {
      lines.push_back(std::string(kFieldNames[note.field()]) + ": " +
                      FieldNoteExplanation(run, note));
    }
  }
  return lines;
}

std::array<std::string, 9> FieldWords(const NotedRun& run) {
  std::array<std::string, 9> explanations;
  for (const RunNote& note : run.notes) {
    const std::uint16_t fields = FieldsOf(note, run.record.N);
    for (std::size_t field = 0; field < explanations.size(); ++field) {
      if ((fields & (1u << field)) == 0) continue;
      std::string& text = explanations[field];
      if (!text.empty()) text += '\n';
      text += NoteExplanation(run, note);
    }
  }
  return explanations;
}

std::string FaultWords(const NotedRun& run, const values::Fault& fault) {
  Quantity at = Quantity::N;
  bool marked = false;
  for (const RunNote& note : run.notes) {
    if (note.kind == NoteKind::FaultAt) at = note.quantity();
    marked = marked || FieldsOf(note, run.record.N) != 0;
  }
  std::string text = std::string(kNotComputed[static_cast<std::size_t>(at)]) +
                     Fill("\nВероятная причина: %1.", {Cause(run, fault, at)});
  if (marked) text += kMarkedFieldsWords;
  return text;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (const std::string& part : parts) {
    if (!out.empty()) out += separator;
    out += part;
  }
  return out;
}

std::string FaultMessage(const values::Fault& fault) {
  return Fill("Ошибка %1: %2", {std::to_string(fault.number()), fault.description()});
}

}  // namespace calc
