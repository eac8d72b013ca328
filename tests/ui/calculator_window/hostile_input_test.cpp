// The window under hostile field texts: every press answers in the labels and, for a fault,
// with one report, and the program goes on.
#include <array>
#include <ostream>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"

namespace {

constexpr int kMegabyte = 1 << 20;
// As far beyond any real field as a megabyte, and a sixteenth of its time (a megabyte of it took
// over two minutes under the sanitizers).
constexpr int kGarbageLength = 1 << 16;

using Labels = std::array<const char*, 16>;  // Label26 … Label41

const Labels kStartResults = {"18",   "1.7",  "4.7",  "0.19", "10",   "38.47", "570", "Подходит",
                              "0.93", "0.10", "0.02", "0.32", "0.16", "0.64",  "562", "50"};
const Labels kEmpty = {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""};
const Labels kAfterLoadPower = {"18", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""};

constexpr const char* kOverflow = "Ошибка 6: Переполнение";
constexpr const char* kDivisionByZero = "Ошибка 11: Деление на ноль";

// Every character of the Basic Multilingual Plane but the surrogates, the same every time.
QString Garbage(int size) {
  QString text(size, QChar());
  unsigned state = 12345;
  for (QChar& c : text) {
    do {
      state = state * 1103515245 + 12345;
      c = QChar(static_cast<char16_t>(state >> 12));
    } while (c.isSurrogate());
  }
  return text;
}

struct Edit {
  const char* field;
  QString text;
};

struct Press {
  std::vector<Edit> edits;  // on top of what the fields hold
  Labels labels;            // afterwards
  const char* report;       // the fault report, nullptr when the run succeeds
};

struct Scenario {
  const char* name;
  std::vector<Press> presses;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

std::vector<Scenario> Scenarios() {
  return {
      {"MegabyteOfNines", {{{{"Text2", QString(kMegabyte, '9')}}, kAfterLoadPower, kOverflow}}},
      {"SixtyFourKiBOfGarbageAfterTheNumber",
       {{{{"Text4", "1.5" + Garbage(kGarbageLength)}}, kStartResults, nullptr}}},
      {"FourHundredDigits",
       {{{{"Text3", "1" + QString(399, '0')}}, kEmpty, kOverflow},
        {{{"Text3", "12." + QString(397, '0')}, {"Text4", "1.5" + QString(397, '0') + "1"}},
         kStartResults,
         nullptr}}},
      {"ExponentsBeyondTheRange",
       {{{{"Text2", "1e400"}}, kAfterLoadPower, kOverflow},
        {{{"Text2", "-1e400"}}, kAfterLoadPower, kOverflow},
        {{{"Text2", "1e-400"}}, kAfterLoadPower, kDivisionByZero}}},
      {"CoreFormBeyondTheRangeKeepsTheLabels",
       {{{}, kStartResults, nullptr},
        {{{"Text1", "1e400"}}, kStartResults, kOverflow},
        {{{"Text1", "3"}}, kStartResults, nullptr}}},
      {"LongerThanQtsDefaultLimitIsReadWhole",
       {{{{"Text2", QString(40000, '0') + "220"}}, kStartResults, nullptr}}},
      {"NulEndsTheNumber", {{{{"Text1", QString("3") + QChar(0) + "x"}}, kStartResults, nullptr}}},
      {"ControlCharactersAreNotBlanks",
       {{{{"Text2", "\v220"}}, kAfterLoadPower, kDivisionByZero},
        {{{"Text2",
           "\x1b"
           "220"}},
         kAfterLoadPower,
         kDivisionByZero}}},
      {"ReplacementCharactersAfterTheNumber",
       {{{{"Text9", QString("0.2") + QChar(QChar::ReplacementCharacter)}},
         kStartResults,
         nullptr}}},
      {"TurnsAtTheLargestDouble",
       {{{{"Text1", "1"}, {"Text2", "5.96935140567308e306"}, {"Text5", "1"}, {"Text6", "1"}},
         {"18", "1.3", "2.6", "0.27", "1", "84.00", "74", "Подходит", "0.93", "0.00", "", "", "",
          "", "", ""},
         kOverflow}}},
  };
}

class WindowHostileInput : public testing::TestWithParam<Scenario> {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  WindowHostileInput()
      : window_([this](QWidget*, const QString& message, const QString&) {
          reports_.push_back(message);
        }) {
    window_.show();
  }

  std::vector<QString> Shown() const {
    std::vector<QString> texts;
    for (int number = 26; number <= 41; ++number) {
      texts.push_back(window_.findChild<QLabel*>(QStringLiteral("Label%1").arg(number))->text());
    }
    return texts;
  }

  static std::vector<QString> Texts(const Labels& labels) {
    std::vector<QString> texts;
    for (const char* text : labels) texts.push_back(QString::fromUtf8(text));
    return texts;
  }

  std::vector<QString> reports_;
  ui::Form1 window_;
};

TEST_P(WindowHostileInput, AnswersEveryPressAndGoesOn) {
  int number = 0;
  for (const Press& press : GetParam().presses) {
    SCOPED_TRACE(++number);
    for (const Edit& edit : press.edits)
      window_.findChild<QLineEdit*>(edit.field)->setText(edit.text);
    reports_.clear();
    QPushButton* calculate = window_.findChild<QPushButton*>("Command2");
    EXPECT_EQ(ExecAfter(&window_, [calculate] { calculate->click(); }), kLoopWentOn);
    EXPECT_EQ(Shown(), Texts(press.labels));
    if (press.report == nullptr) {
      EXPECT_TRUE(reports_.empty());
    } else {
      EXPECT_EQ(reports_, std::vector<QString>{QString::fromUtf8(press.report)});
    }
    EXPECT_TRUE(window_.isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(Window, WindowHostileInput, testing::ValuesIn(Scenarios()),
                         [](const testing::TestParamInfo<Scenario>& info) {
                           return info.param.name;
                         });

}  // namespace
