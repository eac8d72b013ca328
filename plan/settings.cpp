#include "plan/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <system_error>

#include "values/std_compat.h"

namespace plan {

namespace {

// The values a setting accepts, as a refusal states them.
struct Range {
  std::string_view text;
  std::string_view unit;
  double low;
  bool low_included;
  double high;
  bool whole;
};

constexpr Range kGrades{"1 или 2", "", 1, true, 2, true};
constexpr Range kThicknesses{"числом от 0 до 100 мм", "мм", 0, true, 100, false};
constexpr Range kOwnWires{"числом больше 0 и не больше 10 мм", "мм", 0, false, 10, false};

// A setting, its name as a sentence's subject and the verb form that agrees with it.
struct Rule {
  Setting which;
  std::string_view name;
  std::string_view must;
  const Range& range;
};

constexpr std::array<Rule, kAllSettings.size()> kRules{{
    {Setting::Grade, "Класс эмалевой изоляции", "должен", kGrades},
    {Setting::Bobbin, "Толщина каркаса", "должна", kThicknesses},
    {Setting::Interlayer, "Толщина межслойной изоляции", "должна", kThicknesses},
    {Setting::Between, "Толщина изоляции между обмотками", "должна", kThicknesses},
    {Setting::Wrap, "Толщина наружной изоляции", "должна", kThicknesses},
    {Setting::OwnWire1, "Диаметр своего провода первичной обмотки", "должен", kOwnWires},
    {Setting::OwnWire2, "Диаметр своего провода вторичной обмотки", "должен", kOwnWires},
}};

constexpr bool RulesFollowTheSettings() {
  for (std::size_t i = 0; i < kRules.size(); ++i) {
    if (kRules[i].which != kAllSettings[i] || static_cast<std::size_t>(kAllSettings[i]) != i) {
      return false;
    }
  }
  return true;
}
static_assert(RulesFollowTheSettings(), "kRules is indexed by Setting");

// An echoed text is cut here, on a character boundary, so a reason stays one readable line.
constexpr std::size_t kEchoLimit = 40;

constexpr std::string_view kBlanks = " \t\r\n\v\f";

const Rule& RuleOf(Setting which) { return kRules[static_cast<std::size_t>(which)]; }

bool IsOwnWire(Setting which) { return which == Setting::OwnWire1 || which == Setting::OwnWire2; }

bool Accepts(const Rule& rule, double value) {
  const Range& range = rule.range;
  const bool above_low = range.low_included ? value >= range.low : value > range.low;
  return above_low && value <= range.high && (!range.whole || value == std::floor(value));
}

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

std::string Refusal(const Rule& rule, std::string_view shown) {
  std::string reason;
  reason.append(rule.name).append(" ").append(rule.must).append(" быть ").append(rule.range.text);
  if (IsOwnWire(rule.which)) reason.append(" (пусто — без своего провода)");
  if (shown.empty()) return reason.append(", а значение не задано");
  return reason.append(", а не «").append(Echo(shown)).append("»");
}

std::string NumberText(double value) {
  char buffer[32];
  const auto result = values::compat::ToChars(std::begin(buffer), std::end(buffer), value);
  return std::string(buffer, result.ptr);
}

void Store(Settings& settings, Setting which, double value) {
  switch (which) {
    case Setting::Grade:
      settings.grade = static_cast<int>(value);
      return;
    case Setting::Bobbin:
      settings.bobbin = value;
      return;
    case Setting::Interlayer:
      settings.interlayer = value;
      return;
    case Setting::Between:
      settings.between = value;
      return;
    case Setting::Wrap:
      settings.wrap = value;
      return;
    case Setting::OwnWire1:
      settings.own_wire[0] = value;
      return;
    case Setting::OwnWire2:
      settings.own_wire[1] = value;
      return;
  }
}

// The number a whole trimmed text holds, with "." or "," as the decimal sign.
std::optional<double> ReadWholeNumber(std::string_view trimmed) {
  // from_chars takes no plus sign; "+-1" stays refused.
  if (trimmed.size() > 1 && trimmed[0] == '+' && trimmed[1] != '-') trimmed.remove_prefix(1);
  std::string number(trimmed);
  values::compat::Replace(number, ',', '.');
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = values::compat::FromChars(number.data(), end, value);
  if (error != std::errc{} || stop != end || number.empty()) return std::nullopt;
  return value;
}

// -0 is stored as 0 so that it never shows as "-0".
double Unsigned(double value) { return value + 0.0; }

}  // namespace

std::string_view SettingName(Setting which) { return RuleOf(which).name; }

std::string_view SettingUnit(Setting which) { return RuleOf(which).range.unit; }

std::optional<double> SettingValue(const Settings& settings, Setting which) {
  switch (which) {
    case Setting::Grade:
      return settings.grade;
    case Setting::Bobbin:
      return settings.bobbin;
    case Setting::Interlayer:
      return settings.interlayer;
    case Setting::Between:
      return settings.between;
    case Setting::Wrap:
      return settings.wrap;
    case Setting::OwnWire1:
      return settings.own_wire[0];
    case Setting::OwnWire2:
      return settings.own_wire[1];
  }
  return std::nullopt;
}

std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty() && IsOwnWire(which)) {
    settings.own_wire[which == Setting::OwnWire1 ? 0 : 1].reset();
    return std::nullopt;
  }
  const Rule& rule = RuleOf(which);
  const std::optional<double> value = ReadWholeNumber(trimmed);
  if (!value || !Accepts(rule, *value)) return Refusal(rule, trimmed);
  Store(settings, which, Unsigned(*value));
  return std::nullopt;
}

std::optional<std::string> Set(Settings& settings, Setting which, double value) {
  const Rule& rule = RuleOf(which);
  if (!Accepts(rule, value)) return Refusal(rule, NumberText(value));
  Store(settings, which, Unsigned(value));
  return std::nullopt;
}

std::optional<Setting> FirstInvalid(const Settings& settings) {
  for (const Rule& rule : kRules) {
    const std::optional<double> value = SettingValue(settings, rule.which);
    if (value && !Accepts(rule, *value)) return rule.which;
  }
  return std::nullopt;
}

}  // namespace plan
