#include "check/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace check {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Probe {
  double value;
  bool accepted;
};

// Each setting at its bounds and one double past them; a refusal names the setting and keeps
// the value stored before.
TEST(Settings, EachAtAndJustPastItsBounds) {
  for (const Setting which : kAllSettings) {
    const values::SettingRule& rule = RuleOf(which);
    const Probe probes[] = {
        {rule.low, rule.low_included},
        {std::nextafter(rule.low, kInf), true},
        {std::nextafter(rule.low, -kInf), false},
        {rule.high, true},
        {std::nextafter(rule.high, -kInf), true},
        {std::nextafter(rule.high, kInf), false},
        {std::numeric_limits<double>::quiet_NaN(), false},
        {kInf, false},
    };
    for (const Probe& probe : probes) {
      Settings settings;
      const std::optional<std::string> refusal = Set(settings, which, probe.value);
      EXPECT_EQ(!refusal, probe.accepted) << rule.name << " " << probe.value;
      if (refusal) {
        EXPECT_TRUE(refusal->starts_with(std::string(rule.name))) << *refusal;
        EXPECT_EQ(settings, Settings{}) << rule.name;
      } else {
        EXPECT_EQ(SettingValue(settings, which), probe.value) << rule.name;
      }
    }
  }
}

struct TextCase {
  Setting which;
  const char* text;
  std::optional<double> stored;  // none: refused
};

TEST(Settings, ReadFromText) {
  const TextCase cases[] = {
      {Setting::Frequency, "60", 60},
      {Setting::Frequency, " 59,94 ", 59.94},
      {Setting::Frequency, "39.999", std::nullopt},
      {Setting::Frequency, "60 Гц", std::nullopt},
      {Setting::Frequency, "", std::nullopt},
      {Setting::SteelLoss, "0", std::nullopt},
      {Setting::SteelLoss, "1e-9", 1e-9},
      {Setting::SteelLoss, "20", 20},
      {Setting::Ambient, "-40", -40},
      {Setting::Ambient, "-0", 0},
      {Setting::Ambient, "-40.5", std::nullopt},
      {Setting::Ambient, "+100", 100},
      {Setting::Limit, "250", 250},
      {Setting::Limit, "49.99", std::nullopt},
      {Setting::Limit, "nan", std::nullopt},
      {Setting::RefineFlux, "1,2", 1.2},
      {Setting::RefineFlux, "0.1", 0.1},
      {Setting::RefineFlux, "2.51", std::nullopt},
      {Setting::RefineFlux, "1.2 Тл", std::nullopt},
  };
  for (const TextCase& c : cases) {
    Settings settings;
    const std::optional<std::string> refusal = SetFromText(settings, c.which, c.text);
    EXPECT_EQ(!refusal, c.stored.has_value()) << c.text;
    if (c.stored) {
      EXPECT_EQ(SettingValue(settings, c.which), *c.stored) << c.text;
      if (*c.stored == 0) {
        EXPECT_FALSE(std::signbit(*SettingValue(settings, c.which))) << c.text;
      }
    } else {
      EXPECT_EQ(settings, Settings{}) << c.text;
    }
  }
}

TEST(Settings, DefaultsAreInRangeAndFollowTheirRules) {
  const Settings settings;
  EXPECT_EQ(FirstInvalid(settings), std::nullopt);
  for (const Setting which : kAllSettings) {
    const values::SettingRule& rule = RuleOf(which);
    const std::optional<double> value = SettingValue(settings, which);
    if (rule.blank.empty()) {
      EXPECT_EQ(value, rule.fallback) << rule.name;
    } else {
      EXPECT_EQ(value, std::nullopt) << rule.name;
    }
  }
}

// Only a setting that may be left empty takes an empty text, and leaves it empty again.
TEST(Settings, OnlyTheRefineFluxMayBeLeftEmpty) {
  for (const Setting which : kAllSettings) {
    Settings settings;
    ASSERT_EQ(Set(settings, which, RuleOf(which).high), std::nullopt);
    const std::optional<std::string> refusal = SetFromText(settings, which, " \t");
    if (which == Setting::RefineFlux) {
      EXPECT_EQ(refusal, std::nullopt);
      EXPECT_EQ(settings, Settings{});
    } else {
      EXPECT_NE(refusal, std::nullopt) << RuleOf(which).name;
    }
  }
}

TEST(Settings, FirstInvalidFindsAValueAssignedDirectly) {
  Settings settings;
  settings.limit = 300;
  settings.ambient = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FirstInvalid(settings), Setting::Ambient);
  settings = {};
  settings.refine_flux = 0.05;
  EXPECT_EQ(FirstInvalid(settings), Setting::RefineFlux);
}

}  // namespace
}  // namespace check
