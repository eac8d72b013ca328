#include <array>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"

namespace {

using Labels = std::array<const char*, 16>;  // Label26 … Label41

struct Edit {
  const char* field;
  const char* text;
};

struct Press {
  std::vector<Edit> edits;  // typed before the press, on top of what the fields hold
  Labels labels;            // afterwards
  const char* report;       // the fault report, nullptr when the run succeeds
};

struct Scenario {
  const char* name;
  std::vector<Press> presses;
};

const Labels kStartResults = {"18",   "1.7",  "4.7",  "0.19", "10",   "38.47", "570", "Подходит",
                              "0.93", "0.10", "0.02", "0.32", "0.16", "0.64",  "562", "50"};
const Labels kNotFit = {"18", "", "", "", "", "", "", "Неподходит", "", "", "", "", "", "", "", ""};
const Labels kLowPowerFault = {"1.2", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""};
const std::vector<Edit> kSmallCore = {
    {"Text5", "1"}, {"Text6", "1"}, {"Text7", "2"}, {"Text8", "2"}};
const std::vector<Edit> kBigCore = {
    {"Text5", "2"}, {"Text6", "5"}, {"Text7", "7"}, {"Text8", "12"}};

const Scenario kScenarios[] = {
    {"StartInputs", {{{}, kStartResults, nullptr}}},
    {"SameInputsTwice", {{{}, kStartResults, nullptr}, {{}, kStartResults, nullptr}}},
    {"NotFitAfterFit",
     {{{}, kStartResults, nullptr},
      {kSmallCore, kNotFit, nullptr},
      {kBigCore, kStartResults, nullptr}}},
    {"FaultThenGoodRun",
     {{{{"Text4", "0.1"}}, kLowPowerFault, "Ошибка 11: Деление на ноль"},
      {{{"Text4", "1.5"}}, kStartResults, nullptr}}},
    // The core form is read first: its overflow leaves every label as the last run left it.
    {"OverflowKeepsTheLastRun",
     {{{}, kStartResults, nullptr},
      {{{"Text1", "40000"}}, kStartResults, "Ошибка 6: Переполнение"},
      {{{"Text1", "3"}}, kStartResults, nullptr}}},
};

/// A window whose fault reports are recorded instead of shown.
class FormWithRecordedReports : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  FormWithRecordedReports()
      : window_([this](QWidget* over, const QString& message, const QString&) {
          reports_.push_back(message);
          EXPECT_EQ(over, &window_);
          EXPECT_TRUE(window_.isVisible());
          shownAtReport_ = Shown();
        }) {
    window_.show();
  }

  QLabel* Result(int number) const {
    return window_.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
  }

  std::vector<QString> Shown() const {
    std::vector<QString> texts;
    for (int number = 26; number <= 41; ++number) texts.push_back(Result(number)->text());
    return texts;
  }

  void Type(const Edit& edit) {
    auto* field = window_.findChild<QLineEdit*>(edit.field);
    field->selectAll();
    QTest::keyClicks(field, QString::fromUtf8(edit.text));
  }

  void Click(const char* button) {
    QTest::mouseClick(window_.findChild<QPushButton*>(button), Qt::LeftButton);
  }

  std::vector<QString> reports_;
  std::vector<QString> shownAtReport_;
  ui::Form1 window_;
};

class FormCalculate : public FormWithRecordedReports, public testing::WithParamInterface<Scenario> {
 protected:
  static std::vector<QString> Texts(const Labels& labels) {
    std::vector<QString> texts;
    for (const char* text : labels) texts.push_back(QString::fromUtf8(text));
    return texts;
  }
};

TEST_P(FormCalculate, LabelsAndReportsFollowEachPress) {
  for (const Press& press : GetParam().presses) {
    for (const Edit& edit : press.edits) Type(edit);
    reports_.clear();
    EXPECT_EQ(ExecAfter(&window_, [this] { Click("Command2"); }), kLoopWentOn);
    EXPECT_EQ(Shown(), Texts(press.labels));
    if (press.report == nullptr) {
      EXPECT_TRUE(reports_.empty());
    } else {
      EXPECT_EQ(reports_, std::vector<QString>{QString::fromUtf8(press.report)});
      EXPECT_EQ(shownAtReport_, Shown());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Presses, FormCalculate, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                           return info.param.name;
                         });

TEST_F(FormWithRecordedReports, ResultsReachAssistiveTechnologyUnderTheirCaptions) {
  Click("Command2");
  for (int number = 26; number <= 41; ++number) {
    SCOPED_TRACE(number);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Result(number));
    ASSERT_NE(accessible, nullptr);
    // The check finds the start input's turns wrong: they are links to it.
    EXPECT_EQ(accessible->role(), number >= 40 ? QAccessible::Link : QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), Result(number)->accessibleName());
    const QString shown = Result(number)->text();
    EXPECT_EQ(accessible->text(QAccessible::Value), shown);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), shown.size());
    EXPECT_EQ(text->text(0, text->characterCount()), shown);
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Result(33))->text(QAccessible::Value),
            "Подходит");
}

TEST_F(FormWithRecordedReports, PicturesStayAsTheyAreWhateverTheUserDoes) {
  const auto pictures = [this] {
    std::vector<QImage> images;
    for (const char* name : {"Image1", "Image2", "Image3"}) {
      images.push_back(window_.findChild<QLabel*>(name)->grab().toImage());
    }
    return images;
  };
  const std::vector<QImage> at_start = pictures();
  for (const char* name : {"Image1", "Image2", "Image3"}) {
    QTest::mouseClick(window_.findChild<QLabel*>(name), Qt::LeftButton);
  }
  EXPECT_EQ(pictures(), at_start);
  for (const char* form : {"1", "2", "3", "7"}) {
    Type({"Text1", form});
    Click("Command2");
    EXPECT_EQ(pictures(), at_start) << form;
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FormWithRecordedReports, ExitEndsTheEventLoop) {
  EXPECT_EQ(ExecAfter(&window_, [this] { Click("Command1"); }), 0);
}

TEST_F(FormWithRecordedReports, CloseBoxEndsTheEventLoop) {
  EXPECT_EQ(ExecAfter(&window_, [this] { window_.close(); }), 0);
}

TEST(FaultBox, IsAModalWarningOverTheWindowThatTheUserDismisses) {
  EnsureQtApp();
  ui::Form1 window;
  window.show();
  window.findChild<QLineEdit*>("Text4")->setText("0.1");
  bool seen = false;
  QTimer::singleShot(0, &window, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Расчет трансформатора");
    EXPECT_EQ(box->text(), "Ошибка 11: Деление на ноль");
    EXPECT_EQ(window.findChild<QLabel*>("Label26")->text(), "1.2");
    box->button(QMessageBox::Ok)->click();
  });
  window.findChild<QPushButton*>("Command2")->click();
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
