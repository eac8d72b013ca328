#include "plan/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>

namespace plan {
namespace {

// Not the defaults, so that a refusal that resets a setting shows.
Settings Custom() {
  Settings s;
  s.grade = 1;
  s.bobbin = 0.7;
  s.interlayer = 0.02;
  s.between = 0.25;
  s.wrap = 0.4;
  s.own_wire = {0.33, 1.5};
  return s;
}

struct Accepted {
  Setting which;
  const char* text;
  std::optional<double> value;  // none: the own wire is cleared
};

TEST(SetFromText, AcceptsNumbersInRange) {
  const Accepted cases[] = {
      {Setting::Grade, "1", 1},
      {Setting::Grade, "2", 2},
      {Setting::Grade, " 2.0\t", 2},
      {Setting::Grade, "1,0", 1},
      {Setting::Bobbin, "0", 0},
      {Setting::Bobbin, "-0", 0},
      {Setting::Bobbin, "100", 100},
      {Setting::Bobbin, "1e2", 100},
      {Setting::Bobbin, "0,5", 0.5},
      {Setting::Bobbin, "  .5 ", 0.5},
      {Setting::Bobbin, "+1.25", 1.25},
      {Setting::Interlayer, "0", 0},
      {Setting::Interlayer, "100", 100},
      {Setting::Interlayer, "0.05", 0.05},
      {Setting::Between, "0", 0},
      {Setting::Between, "100", 100},
      {Setting::Wrap, "0", 0},
      {Setting::Wrap, "100,0", 100},
      {Setting::OwnWire1, "0.35", 0.35},
      {Setting::OwnWire1, "1e-9", 1e-9},
      {Setting::OwnWire1, "10", 10},
      {Setting::OwnWire2, "6,3", 6.3},
      {Setting::OwnWire1, "", std::nullopt},
      {Setting::OwnWire2, " \t ", std::nullopt},
  };
  for (const Accepted& c : cases) {
    SCOPED_TRACE(c.text);
    Settings settings = Custom();
    const std::optional<std::string> reason = SetFromText(settings, c.which, c.text);
    EXPECT_FALSE(reason) << *reason;
    EXPECT_EQ(SettingValue(settings, c.which), c.value);
    EXPECT_FALSE(std::signbit(SettingValue(settings, c.which).value_or(0)));
    EXPECT_EQ(FirstInvalid(settings), std::nullopt);
  }
}

struct Refused {
  Setting which;
  const char* text;
};

TEST(SetFromText, RefusesAnythingElseAndChangesNothing) {
  const Refused cases[] = {
      {Setting::Grade, "0"},         {Setting::Grade, "3"},         {Setting::Grade, "1.5"},
      {Setting::Grade, "2.0000001"}, {Setting::Grade, ""},          {Setting::Grade, "два"},
      {Setting::Bobbin, "-0.001"},   {Setting::Bobbin, "100.0001"}, {Setting::Bobbin, "1e3"},
      {Setting::Bobbin, "1e999"},    {Setting::Bobbin, "nan"},      {Setting::Bobbin, "inf"},
      {Setting::Bobbin, "-inf"},     {Setting::Bobbin, "abc"},      {Setting::Bobbin, ""},
      {Setting::Bobbin, "   "},      {Setting::Bobbin, "1.5 мм"},   {Setting::Bobbin, "1.5mm"},
      {Setting::Bobbin, "1,2,3"},    {Setting::Bobbin, "1.2.3"},    {Setting::Bobbin, "1 000"},
      {Setting::Bobbin, "0x10"},     {Setting::Bobbin, "+-1"},      {Setting::Bobbin, "++1"},
      {Setting::Bobbin, "."},        {Setting::Bobbin, ","},        {Setting::Bobbin, "1e"},
      {Setting::Interlayer, "-1"},   {Setting::Interlayer, "101"},  {Setting::Between, "-0.1"},
      {Setting::Between, "100.5"},   {Setting::Wrap, "-5"},         {Setting::Wrap, "1e100"},
      {Setting::OwnWire1, "0"},      {Setting::OwnWire1, "-0"},     {Setting::OwnWire1, "-0.5"},
      {Setting::OwnWire1, "10.001"}, {Setting::OwnWire2, "nan"},    {Setting::OwnWire2, "0,3 мм"},
      {Setting::OwnWire2, "inf"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.text);
    Settings settings = Custom();
    const std::optional<std::string> reason = SetFromText(settings, c.which, c.text);
    ASSERT_TRUE(reason);
    EXPECT_EQ(settings, Custom());
    EXPECT_NE(reason->find(SettingName(c.which)), std::string::npos) << *reason;
  }
}

struct Reason {
  Setting which;
  const char* text;
  const char* expected;
};

TEST(SetFromText, NamesTheSettingTheRangeAndTheText) {
  const Reason cases[] = {
      {Setting::Bobbin, "abc", "Толщина каркаса должна быть числом от 0 до 100 мм, а не «abc»"},
      {Setting::Interlayer, " 101 ",
       "Толщина межслойной изоляции должна быть числом от 0 до 100 мм, а не «101»"},
      {Setting::Between, "",
       "Толщина изоляции между обмотками должна быть числом от 0 до 100 мм, а значение не "
       "задано"},
      {Setting::Wrap, "-1",
       "Толщина наружной изоляции должна быть числом от 0 до 100 мм, а не «-1»"},
      {Setting::Grade, "3", "Класс эмалевой изоляции должен быть 1 или 2, а не «3»"},
      {Setting::OwnWire1, "0",
       "Диаметр своего провода первичной обмотки должен быть числом больше 0 и не больше 10 мм "
       "(пусто — без своего провода), а не «0»"},
      {Setting::OwnWire2, "11",
       "Диаметр своего провода вторичной обмотки должен быть числом больше 0 и не больше 10 мм "
       "(пусто — без своего провода), а не «11»"},
      // A long text is cut between characters, never inside one.
      {Setting::Bobbin, "xааааааааааааааааааааааааааааааа",
       "Толщина каркаса должна быть числом от 0 до 100 мм, а не «xааааааааааааааааааа…»"},
      {Setting::Bobbin, "x1234567890123456789012345678901234567890",
       "Толщина каркаса должна быть числом от 0 до 100 мм, а не "
       "«x123456789012345678901234567890123456789…»"},
  };
  for (const Reason& c : cases) {
    SCOPED_TRACE(c.text);
    Settings settings;
    EXPECT_EQ(SetFromText(settings, c.which, c.text), c.expected);
  }
}

TEST(SetFromText, EmptyOwnWireClearsOnlyThatWinding) {
  Settings settings = Custom();
  EXPECT_FALSE(SetFromText(settings, Setting::OwnWire2, ""));
  EXPECT_EQ(settings.own_wire[0], 0.33);
  EXPECT_EQ(settings.own_wire[1], std::nullopt);
}

struct NumberCase {
  Setting which;
  double value;
  bool accepted;
};

TEST(Set, ChecksNumbersAsTextIsChecked) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const NumberCase cases[] = {
      {Setting::Grade, 1, true},          {Setting::Grade, 2.5, false},
      {Setting::Grade, kNaN, false},      {Setting::Bobbin, 0, true},
      {Setting::Bobbin, 100, true},       {Setting::Bobbin, 100.5, false},
      {Setting::Bobbin, -1e-9, false},    {Setting::Wrap, kInf, false},
      {Setting::Interlayer, kNaN, false}, {Setting::OwnWire1, 0, false},
      {Setting::OwnWire1, 10, true},      {Setting::OwnWire2, 10.5, false},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.which));
    SCOPED_TRACE(c.value);
    Settings settings = Custom();
    const std::optional<std::string> reason = Set(settings, c.which, c.value);
    EXPECT_EQ(!reason, c.accepted);
    if (c.accepted) {
      EXPECT_EQ(SettingValue(settings, c.which), c.value);
    } else {
      EXPECT_EQ(settings, Custom());
      EXPECT_NE(reason->find(SettingName(c.which)), std::string::npos);
    }
  }
  Settings settings;
  EXPECT_EQ(Set(settings, Setting::Bobbin, 150),
            "Толщина каркаса должна быть числом от 0 до 100 мм, а не «150»");
}

TEST(FirstInvalid, FindsAValueAssignedOutOfRange) {
  const auto with = [](auto change) {
    Settings s;
    change(s);
    return FirstInvalid(s);
  };
  EXPECT_EQ(FirstInvalid(Settings{}), std::nullopt);
  EXPECT_EQ(FirstInvalid(Custom()), std::nullopt);
  EXPECT_EQ(with([](Settings& s) { s.grade = 3; }), Setting::Grade);
  EXPECT_EQ(with([](Settings& s) { s.bobbin = std::nan(""); }), Setting::Bobbin);
  EXPECT_EQ(with([](Settings& s) { s.interlayer = -0.01; }), Setting::Interlayer);
  EXPECT_EQ(with([](Settings& s) { s.between = 101; }), Setting::Between);
  EXPECT_EQ(with([](Settings& s) { s.wrap = 1e300; }), Setting::Wrap);
  EXPECT_EQ(with([](Settings& s) { s.own_wire[0] = 0; }), Setting::OwnWire1);
  EXPECT_EQ(with([](Settings& s) { s.own_wire[1] = 10.01; }), Setting::OwnWire2);
}

TEST(SettingName, EverySettingHasItsOwnRussianName) {
  std::set<std::string_view> names;
  for (Setting which : kAllSettings) {
    EXPECT_FALSE(SettingName(which).empty());
    names.insert(SettingName(which));
  }
  EXPECT_EQ(names.size(), kAllSettings.size());
}

}  // namespace
}  // namespace plan
