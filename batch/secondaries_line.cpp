#include "batch/secondaries_line.h"

#include <algorithm>

#include "values/number_text.h"

namespace batch {

namespace {

constexpr std::size_t kFirstKindField = 10;  // from 1
constexpr std::size_t kGroupSize = 3;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Every field of every line passes here: plain loops, not a search of the blanks per character.
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from `at`; returns how many.
std::size_t Digits(std::string_view text, std::size_t at) {
  std::size_t k = at;
  while (k < text.size() && IsDigit(text[k])) ++k;
  return k - at;
}

// [+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?
bool IsNumberText(std::string_view text) {
  std::size_t k = 0;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  const std::size_t whole = Digits(text, k);
  k += whole;
  std::size_t fraction = 0;
  if (k < text.size() && text[k] == '.') {
    fraction = Digits(text, k + 1);
    k += 1 + fraction;
  }
  if (whole == 0 && fraction == 0) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    std::size_t e = k + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t exponent = Digits(text, e);
    if (exponent == 0) return false;
    k = e + exponent;
  }
  return k == text.size();
}

std::string FieldPrefix(std::size_t field) { return "поле " + std::to_string(field) + ": "; }

std::string NotANumber(std::string_view text, std::size_t field) {
  std::string message = FieldPrefix(field) + "«" + std::string(text) + "» — не число";
  std::string pointed(Trimmed(text));
  std::replace(pointed.begin(), pointed.end(), ',', '.');
  if (pointed != Trimmed(text) && IsNumberText(pointed)) {
    message += " (дробную часть отделяйте точкой)";
  }
  return message;
}

// Empty, or only spaces and tabs, is a plain winding.
std::variant<windings::Kind, std::string> ReadKind(std::string_view text, std::size_t field) {
  const std::string_view code = Trimmed(text);
  if (code.empty()) return windings::Kind::Ac;
  if (const auto kind = windings::FindKind(code)) return *kind;
  return FieldPrefix(field) + "неизвестный вид обмотки «" + std::string(text) + "» (" +
         windings::KindCodes() + ")";
}

bool IsAbsentGroup(const SecondaryFields& line, std::size_t first) {
  for (std::size_t k = first; k < first + kGroupSize; ++k) {
    if (!Trimmed(line.fields[k]).empty()) return false;
  }
  return true;
}

bool AllowedCount(std::size_t count) {
  if (count <= kFirstKindField) return true;
  const std::size_t beyond = count - kFirstKindField;
  return beyond % kGroupSize == 0 && count <= kMaxSecondaryFields;
}

}  // namespace

void SplitSecondaryFields(std::string_view line, SecondaryFields& out) {
  out.fields = {};
  out.count = 0;
  while (true) {
    const std::size_t tab = line.find('\t');
    if (out.count < out.fields.size()) out.fields[out.count] = line.substr(0, tab);
    ++out.count;
    if (tab == std::string_view::npos) return;
    line.remove_prefix(tab + 1);
  }
}

calc::InputTexts RunTexts(const SecondaryFields& line) {
  calc::InputTexts texts;
  std::copy_n(line.fields.begin(), texts.size(), texts.begin());
  return texts;
}

bool ReadSecondaryNumber(std::string_view text, double& value) {
  const std::string_view number = Trimmed(text);
  if (!IsNumberText(number)) return false;
  value = values::ReadNumber(number);
  return true;
}

std::variant<windings::Request, std::string> ReadSecondaries(const SecondaryFields& line) {
  if (!AllowedCount(line.count)) {
    return "полей в строке: " + std::to_string(line.count) +
           "; с --secondaries в строке до 10 полей, затем группы по три (U, I, вид), не больше "
           "7 групп";
  }
  windings::Request request;
  auto first = ReadKind(line.fields[kFirstKindField - 1], kFirstKindField);
  if (auto* refusal = std::get_if<std::string>(&first)) return *refusal;
  request.first = std::get<windings::Kind>(first);
  for (std::size_t at = kFirstKindField; at < line.count; at += kGroupSize) {
    if (IsAbsentGroup(line, at)) continue;
    windings::Secondary secondary;
    if (!ReadSecondaryNumber(line.fields[at], secondary.voltage)) {
      return NotANumber(line.fields[at], at + 1);
    }
    if (!ReadSecondaryNumber(line.fields[at + 1], secondary.current)) {
      return NotANumber(line.fields[at + 1], at + 2);
    }
    auto kind = ReadKind(line.fields[at + 2], at + 3);
    if (auto* refusal = std::get_if<std::string>(&kind)) return *refusal;
    secondary.kind = std::get<windings::Kind>(kind);
    request.further.push_back(secondary);
  }
  return request;
}

}  // namespace batch
