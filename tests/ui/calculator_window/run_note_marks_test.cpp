// What the window says about a run's notes: marked fields with tooltips and accessible
// descriptions, their removal, and the explanation under a fault report.
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/common/field_marks.h"

namespace {

struct Edit {
  const char* field;
  const char* text;
};

struct Press {
  std::vector<Edit> edits;                    // typed before the press
  std::map<std::string, std::string> marks;   // field -> exact tooltip; all others unmarked
  std::vector<std::string> explanation_says;  // parts of the fault explanation
};

struct Scenario {
  const char* name;
  std::vector<Press> presses;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

const Edit kShellCore{"Text1", "1"};

const Scenario kScenarios[] = {
    {"StartInputsMarkNothing", {{{}, {}, {}}}},
    {"DecimalCommaInTheThickness",
     {{{kShellCore, {"Text9", "0,35"}},
       {{"Text9",
         "Прочитано 0: запятая не считается десятичным знаком, пишите 0.35\n"
         "Толщины 0 мм нет в таблице для формы 1: коэффициент заполнения сталью не задан и "
         "считается равным 0."}},
       {}}}},
    {"UnknownThicknessAfterAKnownOne",
     {{{kShellCore, {"Text9", "0.35"}}, {}, {}},
      {{{"Text9", "0.5"}},
       {{"Text9",
         "Толщины 0.5 мм нет в таблице для формы 1: коэффициент заполнения сталью 0.93 взят из "
         "прошлого расчета."}},
       {}},
      // The next run without such a note takes the mark away.
      {{{"Text9", "0.35"}}, {}, {}}}},
    {"DecimalCommaInTheCurrent",
     {{{{"Text4", "1,5"}},
       {{"Text4", "Прочитано 1: запятая не считается десятичным знаком, пишите 1.5"}},
       {}}}},
    {"SpaceAndSecondPoint",
     {{{{"Text2", "220 000"}, {"Text7", "7.0.1"}},
       {{"Text2", "Прочитано 220: пробел обрывает число, пишите его без пробелов."},
        {"Text7", "Прочитано 7: вторая точка обрывает число."}},
       {}}}},
    {"FormSevenOnAFirstRun",
     {{{{"Text1", "7"}, {"Text8", ""}},
       {{"Text1",
         "Формы 7 нет: площадь окна посчитана как у кольца. Бывают формы 1 (броневой "
         "пластинчатый), 2 (броневой ленточный) и 3 (кольцевой ленточный).\n"
         "Для формы 7 в таблице нет значений: КПД не задан и считается равным 0."}},
       {"Не удалось вычислить ток первичной обмотки I1.", "для формы 7 в таблице нет КПД"}}}},
    {"LowPowerOnAFirstRun",
     {{{{"Text4", "0.1"}},
       {{"Text3",
         "Для мощности нагрузки 1.2 Вт в таблице нет значений: КПД не задан и считается равным "
         "0.\nДля мощности нагрузки 1.2 Вт в таблице нет значений: коэффициент мощности Cos(Fi) "
         "не задан и считается равным 0."},
        {"Text4",
         "Для мощности нагрузки 1.2 Вт в таблице нет значений: КПД не задан и считается равным "
         "0.\nДля мощности нагрузки 1.2 Вт в таблице нет значений: коэффициент мощности Cos(Fi) "
         "не задан и считается равным 0."}},
       {"Не удалось вычислить ток первичной обмотки I1.", "мощность нагрузки 1.2 Вт не больше 2 Вт",
        "Поля с замечаниями выделены цветом"}}}},
    {"EmptyPrimaryVoltage",
     {{{{"Text2", ""}},
       {{"Text2", "Поле пустое, оно прочитано как 0."}},
       {"Вероятная причина: U1 равно 0."}}}},
    {"NegativeVoltage",
     {{{{"Text2", "-220"}},
       {{"Text2", "Прочитано -220: значение должно быть больше нуля."}},
       {"Не удалось вычислить диаметр провода 1-й обмотки.", "U1 меньше нуля"}}}},
    {"WordsAndNoNumber",
     {{{{"Text5", "abc"}},
       {{"Text5", "В начале поля нет числа («abc»), оно прочитано как 0."}},
       {}}}},
    {"FormBeyondSixteenBits",
     {{{}, {}, {}},
      {{{"Text1", "40000"}},
       {{"Text1",
         "Номер формы 40000 слишком велик, расчет остановлен. Бывают формы 1 (броневой "
         "пластинчатый), 2 (броневой ленточный) и 3 (кольцевой ленточный)."}},
       {"Не удалось прочитать номер формы магнитопровода.", "номер формы 40000 слишком велик"}}}},
    {"WindowAreaBeyondTheRange",
     {{{kShellCore, {"Text7", "1"}, {"Text8", "1.7976931348623157e308"}},
       {},
       {"Не удалось вычислить максимальную мощность железа Ps.",
        "площадь окна Sok слишком велика, чтобы вычислить с ней мощность железа Ps", "(поля h)"}}}},
    {"HugeNumbersOverflow",
     {{{{"Text3", "1e200"}, {"Text4", "1e200"}},
       {},
       {"Не удалось вычислить мощность нагрузки Pn = U2 × I2.", "(поля U2, I2)"}}}},
};

class RunNoteMarks : public testing::TestWithParam<Scenario> {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  RunNoteMarks()
      : window_([this](QWidget*, const QString&, const QString& explanation) {
          explanations_.push_back(explanation);
        }) {
    window_.show();
  }

  QLineEdit* Field(int k) const {
    return window_.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k));
  }

  std::vector<QString> explanations_;
  ui::Form1 window_;
};

TEST_P(RunNoteMarks, FollowEachPress) {
  const QColor unmarked = Field(1)->palette().color(QPalette::Base);
  for (const Press& press : GetParam().presses) {
    for (const Edit& edit : press.edits) {
      window_.findChild<QLineEdit*>(edit.field)->setText(QString::fromUtf8(edit.text));
    }
    explanations_.clear();
    window_.findChild<QPushButton*>("Command2")->click();
    for (int k = 1; k <= 9; ++k) {
      const QLineEdit* field = Field(k);
      SCOPED_TRACE(field->objectName().toStdString());
      const auto mark = press.marks.find(field->objectName().toStdString());
      const bool marked = mark != press.marks.end();
      EXPECT_EQ(ui::FieldMarks::IsMarked(*field), marked);
      EXPECT_EQ(field->toolTip(), marked ? QString::fromStdString(mark->second) : QString());
      EXPECT_EQ(field->accessibleDescription(), field->toolTip());
      EXPECT_EQ(field->palette().color(QPalette::Base) != unmarked, marked);
    }
    if (press.explanation_says.empty()) {
      EXPECT_TRUE(explanations_.empty());
      continue;
    }
    ASSERT_EQ(explanations_.size(), 1u);
    for (const std::string& part : press.explanation_says) {
      EXPECT_TRUE(explanations_.front().contains(QString::fromStdString(part)))
          << explanations_.front().toStdString() << "\n  lacks: " << part;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Presses, RunNoteMarks, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                           return info.param.name;
                         });

TEST(RunNoteMarksOnScreen, ReachScreenReadersAsTheFieldsDescription) {
  EnsureQtApp();
  ui::Form1 window;
  window.show();
  auto* thickness = window.findChild<QLineEdit*>("Text9");
  thickness->setText("0,2");
  window.findChild<QPushButton*>("Command2")->click();
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(thickness);
  ASSERT_NE(accessible, nullptr);
  EXPECT_TRUE(accessible->text(QAccessible::Description).startsWith("Прочитано 0: запятая"));
  // The name stays the caption's words.
  EXPECT_EQ(accessible->text(QAccessible::Name),
            "Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)");
}

TEST(FaultBoxExplanation, StandsUnderTheMessage) {
  EnsureQtApp();
  ui::Form1 window;
  window.show();
  window.findChild<QLineEdit*>("Text4")->setText("0.1");
  bool seen = false;
  QTimer::singleShot(0, &window, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->text(), "Ошибка 11: Деление на ноль");
    EXPECT_TRUE(box->informativeText().startsWith(
        "Не удалось вычислить ток первичной обмотки I1.\nВероятная причина: КПД и коэффициент "
        "мощности еще не заданы: мощность нагрузки 1.2 Вт не больше 2 Вт"))
        << box->informativeText().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  window.findChild<QPushButton*>("Command2")->click();
  EXPECT_TRUE(seen);
}

}  // namespace

namespace {

TEST(RunNoteMarksOnScreen, ReadOnADarkThemeAsOnALightOne) {
  EnsureQtApp();
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(45, 45, 45));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  for (const QPalette& theme : {light, dark}) {
    QApplication::setPalette(theme);
    ui::Form1 window;
    window.show();
    window.findChild<QLineEdit*>("Text9")->setText("0,2");
    window.findChild<QPushButton*>("Command2")->click();
    const QPalette marked = window.findChild<QLineEdit*>("Text9")->palette();
    const int base = theme.color(QPalette::Base).lightness();
    const int tint = marked.color(QPalette::Base).lightness();
    // The tint stays on the theme's side, so the theme's text keeps its contrast.
    EXPECT_NE(marked.color(QPalette::Base), theme.color(QPalette::Base));
    EXPECT_EQ(tint > 128, base > 128) << base << " " << tint;
    EXPECT_EQ(marked.color(QPalette::Text), theme.color(QPalette::Text));
    // Results are drawn dark on their light green whatever the theme.
    EXPECT_EQ(window.findChild<QLabel*>("Label26")->palette().color(QPalette::WindowText),
              QColor(0, 0, 0));
  }
  QApplication::setPalette(light);
}

}  // namespace
