#include "values/setting_rule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <system_error>

#include "values/std_compat.h"

namespace values {

namespace {

// An echoed text is cut here, on a character boundary, so a reason stays one readable line.
constexpr std::size_t kEchoLimit = 40;

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// UTF-8 continuation bytes are 10xxxxxx.
bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

std::string Echo(std::string_view text) {
  if (text.size() <= kEchoLimit) return std::string(text);
  std::size_t end = kEchoLimit;
  while (end > 0 && !StartsCharacter(text[end])) --end;
  return std::string(text.substr(0, end)) + "…";
}

}  // namespace

bool IsBlank(std::string_view text) { return Trimmed(text).empty(); }

bool Accepts(const SettingRule& rule, double value) {
  const bool above_low = rule.low_included ? value >= rule.low : value > rule.low;
  return above_low && value <= rule.high && (!rule.whole || value == std::floor(value));
}

std::optional<double> ReadSettingNumber(std::string_view text) {
  std::string_view trimmed = Trimmed(text);
  // from_chars takes no plus sign; "+-1" stays refused.
  if (trimmed.size() > 1 && trimmed[0] == '+' && trimmed[1] != '-') trimmed.remove_prefix(1);
  std::string number(trimmed);
  compat::Replace(number, ',', '.');
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = compat::FromChars(number.data(), end, value);
  if (error != std::errc{} || stop != end || number.empty()) return std::nullopt;
  return value;
}

std::string Refusal(const SettingRule& rule, std::string_view shown) {
  shown = Trimmed(shown);
  std::string reason;
  reason.append(rule.name).append(" ").append(rule.must).append(" быть ").append(rule.bounds);
  if (shown.empty()) return reason.append(", а значение не задано");
  return reason.append(", а не «").append(Echo(shown)).append("»");
}

std::string ShortestText(double value) {
  char buffer[32];
  const auto result = compat::ToChars(std::begin(buffer), std::end(buffer), value);
  return std::string(buffer, result.ptr);
}

std::string DefaultText(const SettingRule& rule) {
  if (!rule.blank.empty()) return std::string(rule.blank);
  std::string text = ShortestText(rule.fallback);
  if (!rule.whole && text.find('.') == std::string::npos) text += ".0";
  return text;
}

}  // namespace values
