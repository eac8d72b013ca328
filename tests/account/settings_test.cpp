#include "account/settings.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

namespace account {
namespace {

constexpr std::size_t kBobbin = 1;
constexpr std::size_t kOwnWire1 = 5;
constexpr std::size_t kFrequency = 7;

struct TextCase {
  double bobbin;
  const char* text;  // as a field shows it and a file stores it: never with an exponent
  const char* words;
};

TEST(SettingText, IsTheFewestDecimalsThatReadBackWithoutAnExponent) {
  for (const TextCase& c :
       {TextCase{1, "1", "1 мм"}, TextCase{0.05, "0.05", "0.05 мм"},
        TextCase{0.0001, "0.0001", "0.0001 мм"}, TextCase{1e-7, "0.0000001", "0.0000001 мм"},
        TextCase{99.99, "99.99", "99.99 мм"}}) {
    Settings settings;
    settings.plan.bobbin = c.bobbin;
    EXPECT_EQ(SettingText(settings, kBobbin), c.text);
    EXPECT_EQ(SettingWords(settings, kBobbin), c.words);
  }
}

TEST(SettingWords, NameTheStandardWireWhenNoOwnOneIsSet) {
  Settings settings;
  EXPECT_EQ(SettingText(settings, kOwnWire1), "");
  EXPECT_EQ(SettingWords(settings, kOwnWire1), "стандартный провод");
  EXPECT_EQ(SettingCaption(kFrequency), "Частота сети, Гц");
}

// Every face takes settings through this one rule: a refused text leaves its setting as it was
// and says why; the first refusal is the one a face shows in place of the figures.
TEST(TakeSettings, KeepsWhatWasTakenAndTellsTheFirstRefusal) {
  SettingTexts texts{};
  texts.fill("");
  texts[0] = "1";
  texts[kBobbin] = " 2,5 ";
  texts[2] = "0.05";
  texts[3] = "abc";
  texts[4] = "0.3";
  texts[kFrequency] = "80";
  std::array<std::string, kSettingCount> defaults;  // the texts outlive their views
  for (std::size_t k = kFrequency + 1; k < kSettingCount; ++k) {
    defaults[k] = SettingText(Settings{}, k);
    texts[k] = defaults[k];
  }
  const TakenSettings taken = TakeSettings(Settings{}, texts);
  EXPECT_EQ(taken.taken.plan.grade, 1);
  EXPECT_EQ(taken.taken.plan.bobbin, 2.5);
  EXPECT_EQ(taken.taken.plan.between, Settings{}.plan.between);
  EXPECT_EQ(taken.taken.check.frequency, 50);
  EXPECT_EQ(taken.refusals[kOwnWire1], "");
  EXPECT_TRUE(taken.refusals[kFrequency].starts_with("Частота сети должна"));
  EXPECT_EQ(taken.FirstRefusal(), taken.refusals[3]);
  EXPECT_TRUE(taken.FirstRefusal().starts_with("Толщина изоляции между обмотками"));
}

}  // namespace
}  // namespace account
