#include "plan/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace plan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::optional<double> kRefused = kNaN;  // a case whose text is refused
constexpr std::optional<double> kCleared = std::nullopt;

// Not the defaults, so that a refusal that resets a setting shows.
Settings Custom() { return {1, 0.7, 0.02, 0.25, 0.4, {0.33, 1.5}}; }

struct TextCase {
  Setting which;
  const char* text;
  std::optional<double> stored;
};

TEST(SetFromText, AcceptsNumbersInRangeAndRefusesTheRestChangingNothing) {
  using enum Setting;
  const TextCase cases[] = {
      {Grade, "1", 1},
      {Grade, " 2.0\t", 2},
      {Grade, "1,0", 1},
      {Grade, "0", kRefused},
      {Grade, "3", kRefused},
      {Grade, "1.5", kRefused},
      {Grade, "2.5", kRefused},
      {Grade, "nan", kRefused},
      {Grade, "", kRefused},
      {Grade, "два", kRefused},
      {Bobbin, "0", 0},
      {Bobbin, "-0", 0},
      {Bobbin, "100", 100},
      {Bobbin, "1e2", 100},
      {Bobbin, "0,5", 0.5},
      {Bobbin, "  .5 ", 0.5},
      {Bobbin, "+1.25", 1.25},
      {Bobbin, "-0.001", kRefused},
      {Bobbin, "100.0001", kRefused},
      {Bobbin, "-1e-9", kRefused},
      {Bobbin, "1e999", kRefused},
      {Bobbin, "nan", kRefused},
      {Bobbin, "inf", kRefused},
      {Bobbin, "-inf", kRefused},
      {Bobbin, "abc", kRefused},
      {Bobbin, "   ", kRefused},
      {Bobbin, "1.5 мм", kRefused},
      {Bobbin, "1,2,3", kRefused},
      {Bobbin, "1 000", kRefused},
      {Bobbin, "0x10", kRefused},
      {Bobbin, "+-1", kRefused},
      {Bobbin, ",", kRefused},
      {Bobbin, "1e", kRefused},
      {Interlayer, "0", 0},
      {Interlayer, "100", 100},
      {Interlayer, "-1", kRefused},
      {Interlayer, "101", kRefused},
      {Interlayer, "nan", kRefused},
      {Between, "0", 0},
      {Between, "100", 100},
      {Between, "-0.1", kRefused},
      {Between, "100.5", kRefused},
      {Wrap, "0", 0},
      {Wrap, "100,0", 100},
      {Wrap, "-5", kRefused},
      {Wrap, "1e100", kRefused},
      {Wrap, "inf", kRefused},
      {OwnWire1, "0.01", 0.01},
      {OwnWire2, "1e-2", 0.01},
      {OwnWire1, "10", 10},
      {OwnWire2, "6,3", 6.3},
      {OwnWire1, "", kCleared},
      {OwnWire2, " \t ", kCleared},
      {OwnWire1, "0", kRefused},
      {OwnWire1, "-0", kRefused},
      {OwnWire1, "10.001", kRefused},
      {OwnWire1, "10.0001", kRefused},
      {OwnWire2, "10.5", kRefused},
      {OwnWire1, "0.0099", kRefused},
      {OwnWire2, "1e-9", kRefused},
      {OwnWire1, "1e-31", kRefused},
      {OwnWire2, "1e-200", kRefused},
      {OwnWire2, "nan", kRefused},
      {OwnWire2, "0,3 мм", kRefused},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    Settings settings = Custom();
    const std::optional<std::string> reason = SetFromText(settings, c.which, c.text);
    if (c.stored && std::isnan(*c.stored)) {
      ASSERT_TRUE(reason);
      EXPECT_EQ(settings, Custom());
      EXPECT_TRUE(reason->starts_with(SettingName(c.which))) << *reason;
      continue;
    }
    EXPECT_EQ(reason, std::nullopt);
    EXPECT_EQ(SettingValue(settings, c.which), c.stored);
    EXPECT_FALSE(std::signbit(SettingValue(settings, c.which).value_or(0)));
  }
}

TEST(SetFromText, NamesTheSettingTheRangeAndTheText) {
  const std::pair<Setting, const char*> texts[] = {
      {Setting::Bobbin, "abc"},
      {Setting::Between, ""},
      {Setting::Grade, "3"},
      {Setting::OwnWire2, "11"},
      {Setting::Bobbin, "150"},
      {Setting::Bobbin, "x1234567890123456789012345678901234567890"},
      {Setting::Wrap, "xааааааааааааааааааааааааааааааа"},  // cut between letters
  };
  const char* expected[] = {
      "Толщина каркаса должна быть числом от 0 до 100 мм, а не «abc»",
      "Толщина изоляции между обмотками должна быть числом от 0 до 100 мм, а значение не задано",
      "Класс эмалевой изоляции должен быть 1 или 2, а не «3»",
      "Диаметр своего провода вторичной обмотки должен быть числом от 0.01 до 10 мм "
      "(пусто — без своего провода), а не «11»",
      "Толщина каркаса должна быть числом от 0 до 100 мм, а не «150»",
      "Толщина каркаса должна быть числом от 0 до 100 мм, а не "
      "«x123456789012345678901234567890123456789…»",
      "Толщина наружной изоляции должна быть числом от 0 до 100 мм, а не «xааааааааааааааааааа…»",
  };
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    Settings settings;
    EXPECT_EQ(SetFromText(settings, texts[i].first, texts[i].second), expected[i]);
  }
}

TEST(FirstInvalid, FindsAValueAssignedOutOfRange) {
  EXPECT_EQ(FirstInvalid(Settings{}), std::nullopt);
  EXPECT_EQ(FirstInvalid(Custom()), std::nullopt);
  const std::pair<Settings, Setting> cases[] = {
      {{3, 1, 0.05, 0.3, 0.3, {}}, Setting::Grade},
      {{2, kNaN, 0.05, 0.3, 0.3, {}}, Setting::Bobbin},
      {{2, 1, -0.01, 0.3, 0.3, {}}, Setting::Interlayer},
      {{2, 1, 0.05, 101, 0.3, {}}, Setting::Between},
      {{2, 1, 0.05, 0.3, kInf, {}}, Setting::Wrap},
      {{2, 1, 0.05, 0.3, 0.3, {0.0, std::nullopt}}, Setting::OwnWire1},
      {{2, 1, 0.05, 0.3, 0.3, {std::nullopt, 10.01}}, Setting::OwnWire2},
      {{2, 1, 0.05, 0.3, 0.3, {1e-31, std::nullopt}}, Setting::OwnWire1},
  };
  for (const auto& [settings, invalid] : cases) EXPECT_EQ(FirstInvalid(settings), invalid);
}

}  // namespace
}  // namespace plan
