#include "batch/line_warnings.h"

#include <algorithm>
#include <optional>
#include <span>

#include "calc/note_words.h"
#include "calc/run_notes.h"
#include "values/number_text.h"

namespace batch {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "3;220;12;1.5" or "3,220,12": a table saved with another separator than TAB, whose line
// would be read as one field holding the core form.
bool HasOtherSeparator(std::string_view line, const calc::InputTexts&) {
  if (line.find('\t') != std::string_view::npos) return false;
  for (std::size_t i = 1; i + 1 < line.size(); ++i) {
    if ((line[i] == ';' || line[i] == ',') && IsDigit(line[i - 1])) {
      std::size_t next = i + 1;
      while (next < line.size() && (line[next] == ' ' || line[next] == '-')) ++next;
      if (next < line.size() && IsDigit(line[next])) return true;
    }
  }
  return false;
}

// The first field whose number a decimal comma cuts short, as a "partly-read" note would say.
std::optional<std::size_t> CommaField(const calc::InputTexts& fields) {
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (calc::CutShortBy(fields[k]) == ',') return k;
  }
  return std::nullopt;
}

// A line of commas between fields is a separator's case, not a decimal comma's.
bool HasDecimalComma(std::string_view line, const calc::InputTexts& fields) {
  return line.find(',') != std::string_view::npos && !HasOtherSeparator(line, fields) &&
         CommaField(fields).has_value();
}

// A sheet saved with decimal commas has ";" or TAB between fields; a line with neither but
// commas between numbers was saved with commas between fields.
bool HasCommaSeparator(std::string_view line, const calc::InputTexts& fields) {
  return line.find(';') == std::string_view::npos && HasOtherSeparator(line, fields);
}

// Nothing but blanks and TABs: every field reads as 0. Empty lines never get here.
bool IsOnlyBlanks(std::string_view line, const calc::InputTexts&) {
  return std::all_of(line.begin(), line.end(), IsBlank);
}

// A field may be long: its start, as the notes quote it.
std::string Quoted(std::string_view text) { return "«" + calc::Shortened(text) + "»"; }

std::string NumberText(double x) {
  char text[values::kGeneralTextCapacity];
  return std::string(text, values::FormatGeneral(x, text));
}

std::string CommaDetail(std::string_view, const calc::InputTexts& fields) {
  const std::size_t k = *CommaField(fields);
  return "поле " + std::to_string(k + 1) + " " + Quoted(fields[k]) + " прочитано как " +
         NumberText(values::ReadNumber(fields[k]));
}

struct Kind {
  bool (*applies)(std::string_view line, const calc::InputTexts& fields);
  const char* says;
  std::string (*detail)(std::string_view line, const calc::InputTexts& fields);
};

constexpr Kind kHeaderRow{
    IsHeaderRow,
    "ни в одном поле строки нет числа - похоже, это заголовок таблицы; строка посчитана как "
    "расчет с нулевыми данными. Поставьте «#» в начале строки заголовка, и она будет пропущена",
    nullptr};

// In the order they are told when one line is the first of several kinds.
constexpr Kind kKinds[] = {
    {HasOtherSeparator,
     "в строке нет табуляций, но числа разделены «;» или «,» - похоже, таблица сохранена с "
     "другим разделителем полей; вся строка прочитана как одно поле (форма магнитопровода). "
     "Сохраните таблицу как текст с разделителем «табуляция» или, если поля разделены «;», а "
     "дробная часть - запятой, запустите с --decimal-comma",
     nullptr},
    {HasDecimalComma,
     "число с десятичной запятой (%): запятая обрывает число, дробная часть потеряна. "
     "Отделяйте дробную часть точкой (1.5, а не 1,5) - в таблице выберите точку десятичным "
     "разделителем - или запустите с --decimal-comma",
     CommaDetail},
    kHeaderRow,
    {IsOnlyBlanks,
     "в строке только пробелы и табуляции; она посчитана как расчет с нулевыми данными. "
     "Удалите такие строки (пустые строки пропускаются) или поставьте «#» в их начале",
     nullptr},
};

// With --decimal-comma: commas are read as points, and rows of blanks and ";" are skipped.
constexpr Kind kSheetKinds[] = {
    {HasCommaSeparator,
     "в строке нет ни табуляций, ни «;», но числа разделены «,» - похоже, таблица сохранена с "
     "запятой между полями; с --decimal-comma запятая читается как десятичная, и вся строка "
     "прочитана как одно поле (форма магнитопровода). Сохраните таблицу с разделителем «;» "
     "или «табуляция»",
     nullptr},
    kHeaderRow,
};

}  // namespace

bool IsHeaderRow(std::string_view line, const calc::InputTexts& fields) {
  // Most lines start with a digit: one test then settles it.
  if (IsDigit(line.front())) return false;
  return !IsOnlyBlanks(line, fields) &&
         std::none_of(fields.begin(), fields.end(), [](std::string_view field) {
           return values::ReadLeadingNumber(field).length != 0;
         });
}

void LineWarnings::Check(long long number, std::string_view line, const calc::InputTexts& fields,
                         std::string& out) {
  const std::span<const Kind> kinds =
      decimal_comma_ ? std::span<const Kind>(kSheetKinds) : std::span<const Kind>(kKinds);
  if (told_ == (1u << kinds.size()) - 1) return;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const Kind& kind = kinds[k];
    if ((told_ & (1u << k)) != 0 || !kind.applies(line, fields)) continue;
    told_ |= 1u << k;
    std::string says = kind.says;
    if (kind.detail != nullptr) says.replace(says.find('%'), 1, kind.detail(line, fields));
    out += program_;
    out += ": ";
    out += file_;
    out += ':';
    out += std::to_string(number);
    out += ": ";
    out += says;
    out += '\n';
  }
}

}  // namespace batch
