#include <memory>
#include <ostream>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/common/qt_translations.h"
#include "window_driver.h"

namespace {

const char kStartResultsText[] =
    "Форма магнитопровода: 1-броневой пластинчатый, 2-броневой ленчатый, 3-кольцевой ленточный\t3\n"
    "Напряжение первичной обмотки U1, В\t220\n"
    "Напряжение вторичной обмотки U2, В\t12\n"
    "Максимальный ток нагрузки l2, А\t1.5\n"
    "a,см\t2\n"
    "b,см\t5\n"
    "c,см\t7\n"
    "h,см\t12\n"
    "Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)\t0.2\n"
    "Мощность нагрузки Pn, Вт\t18\n"
    "Магнитная индукция Bmax\t1.7\n"
    "Плотность тока J\t4.7\n"
    "Коэффициент заполнения окна\t0.19\n"
    "Площадь сечения магнитопровода Ss\t10\n"
    "Площадь окна в магнитопроводе Sok\t38.47\n"
    "Макс. мощность железа Ps\t570\n"
    "Резюме: подходит или нет выбранное вами железо\tПодходит\n"
    "Cos(Fi)\t0.93\n"
    "Номинальный ток первичной обмотки: I1\t0.10\n"
    "Сечение провода в 1-й обмотке\t0.02\n"
    "Сечение провода во 2-й обмотке\t0.32\n"
    "Диаметр провода в 1-й обмотке\t0.16\n"
    "Диаметр провода во 2-й обмотке\t0.64\n"
    "Число витков в 1-й обмотке трансформатора\t562\n"
    "Число витков во 2-й обмотке трансформатора\t50\n"
    "Замечания к расчету\tПроверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице "
    "1.700), под нагрузкой 18.45 В вместо 12 В. Уточненные витки: W1 662, W2 40 — окно «План "
    "намотки и проверка» (F4)\n";

const char* const kFocusable[] = {"Text1", "Text2", "Text3", "Text4",    "Text5",   "Text6",
                                  "Text7", "Text8", "Text9", "Command1", "Command2"};

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

class WindowMenu : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QGuiApplication::clipboard()->clear();
  }

  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  QWidget* Child(const char* name) const {
    return window_->findChild<QWidget*>(QString::fromLatin1(name));
  }

  // The menu a right click on `name` opens.
  QMenu* RightClick(const char* name) const {
    QWidget* under = Child(name);
    const QPoint at = under->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, under->mapToGlobal(at));
    QApplication::sendEvent(under, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  static QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    return texts;
  }

  static QAction* Item(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
      if (action->text() == text) return action;
    }
    return nullptr;
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
};

TEST_F(WindowMenu, CopyResultsGivesACaptionAndValueLineForEachInputAndResult) {
  Calculate(*window_, kStartInputs);
  WindowAction(*window_, "copyResults")->trigger();
  EXPECT_EQ(Clipboard(), QString::fromUtf8(kStartResultsText));
}

TEST_F(WindowMenu, CopiedInputsAreTheOnesTheResultsCameFrom) {
  Calculate(*window_, kStartInputs);
  qobject_cast<QLineEdit*>(Child("Text2"))->setText("230");
  WindowAction(*window_, "copyResults")->trigger();
  EXPECT_EQ(Clipboard(), QString::fromUtf8(kStartResultsText));
}

// "1,5" reads as 1: the copy must say so beside the "1,5" it quotes, and so must the plan's.
TEST_F(WindowMenu, CopiesSayTheRunsNotesInWords) {
  Calculate(*window_, {"3", "220", "12", "1,5", "2", "5", "7", "12", "0.2"});
  WindowAction(*window_, "copyResults")->trigger();
  const QString note = QStringLiteral(
      "Замечания к расчету\tI2: Прочитано 1: запятая не считается десятичным знаком, пишите "
      "1.5\n");
  // The check's words on the turns come after the run's own notes.
  EXPECT_TRUE(Clipboard().contains(note + QStringLiteral("Замечания к расчету\tПроверка: ")))
      << Clipboard().toStdString();
  EXPECT_TRUE(Clipboard().contains(QStringLiteral("Максимальный ток нагрузки l2, А\t1,5\n")));
  OpenPlan(*window_)->findChild<QPushButton*>(QStringLiteral("copyPlan"))->click();
  EXPECT_TRUE(Clipboard().contains(note));
}

struct FaultCopyCase {
  const char* name;
  Inputs faulting;    // after the start run
  const char* power;  // the load power's line as the faulting run left it
  const char* fault;
};

void PrintTo(const FaultCopyCase& c, std::ostream* os) { *os << c.name; }

class CopyAfterAFault : public WindowMenu, public testing::WithParamInterface<FaultCopyCase> {};

// A fault keeps the labels of the start run; the copy pairs the faulting run's inputs with
// only what that run wrote, as a window that never ran before would show it, and names the
// fault.
TEST_P(CopyAfterAFault, HoldsOnlyWhatTheFaultingRunWroteAndTheFault) {
  const auto fresh = QuietWindow();
  Calculate(*fresh, GetParam().faulting);
  WindowAction(*fresh, "copyResults")->trigger();
  const QString expected = Clipboard();
  Calculate(*window_, kStartInputs);
  Calculate(*window_, GetParam().faulting);
  WindowAction(*window_, "copyResults")->trigger();
  EXPECT_EQ(Clipboard(), expected);
  EXPECT_TRUE(Clipboard().contains(QString::fromUtf8(GetParam().power)));
  EXPECT_TRUE(Clipboard().endsWith(
      QStringLiteral("\nРасчет остановлен\t%1\n").arg(QString::fromUtf8(GetParam().fault))))
      << Clipboard().toStdString();
}

// clang-format off
const FaultCopyCase kFaultCopyCases[] = {
    {"AtTheFirstResult", {"3", "220", "1e200", "1e200", "2", "5", "7", "12", "0.2"},
     "\nМощность нагрузки Pn, Вт\t\n", "Ошибка 6: Переполнение"},
    {"HalfWay", {"3", "0", "12", "1.5", "2", "5", "7", "12", "0.2"},
     "\nМощность нагрузки Pn, Вт\t18\n", "Ошибка 11: Деление на ноль"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Faults, CopyAfterAFault, testing::ValuesIn(kFaultCopyCases),
                         [](const testing::TestParamInfo<FaultCopyCase>& info) {
                           return info.param.name;
                         });

TEST_F(WindowMenu, CopyBeforeAnyRunGivesTheFieldsAndEmptyResults) {
  WindowAction(*window_, "copyResults")->trigger();
  const QStringList lines = Clipboard().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 25);
  EXPECT_EQ(lines[1], "Напряжение первичной обмотки U1, В\t220");
  EXPECT_EQ(lines[24], "Число витков во 2-й обмотке трансформатора\t");
}

TEST_F(WindowMenu, CtrlShiftCCopiesWhateverControlHasTheFocus) {
  Calculate(*window_, kStartInputs);
  for (const char* name : kFocusable) {
    SCOPED_TRACE(name);
    QGuiApplication::clipboard()->clear();
    Child(name)->setFocus();
    QTest::keyClick(Child(name), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), QString::fromUtf8(kStartResultsText));
    EXPECT_EQ(QApplication::focusWidget(), Child(name));
  }
}

TEST_F(WindowMenu, F4OpensThePlanFromAField) {
  Calculate(*window_, kStartInputs);
  Child("Text5")->setFocus();
  QTest::keyClick(Child("Text5"), Qt::Key_F4);
  const auto* plan = window_->findChild<ui::PlanWindow*>();
  ASSERT_NE(plan, nullptr);
  EXPECT_TRUE(plan->isVisible());
  EXPECT_EQ(qobject_cast<QLineEdit*>(Child("Text5"))->text(), "2");
}

TEST_F(WindowMenu, ActionsTakeNoFocusStop) {
  for (QAction* action : window_->actions()) {
    EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut) << action->text().toStdString();
  }
  EXPECT_EQ(WindowAction(*window_, "openPlan")->shortcut(), QKeySequence(Qt::Key_F4));
  EXPECT_EQ(WindowAction(*window_, "copyResults")->shortcut(),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}

TEST_F(WindowMenu, RightClickOnTheWindowOffersBothCommands) {
  for (const char* name : {"Label10", "Image2", "Command2", "Label2"}) {
    SCOPED_TRACE(name);
    QMenu* menu = RightClick(name);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(*menu), (QStringList{"План намотки и проверка…", "Копировать результаты"}));
    menu->close();
  }
  QMenu* menu = RightClick("Label33");
  ASSERT_NE(menu, nullptr);
  Item(*menu, "План намотки и проверка…")->trigger();
  menu->close();
  EXPECT_NE(window_->findChild<ui::PlanWindow*>(), nullptr);
}

TEST_F(WindowMenu, RightClickOnASelectedResultCopiesTheSelection) {
  Calculate(*window_, kStartInputs);
  auto* label = qobject_cast<QLabel*>(Child("Label31"));
  label->setSelection(0, 2);
  QMenu* menu = RightClick("Label31");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Texts(*menu), (QStringList{"Копировать выделенное", "План намотки и проверка…",
                                       "Копировать результаты"}));
  Item(*menu, "Копировать выделенное")->trigger();
  menu->close();
  EXPECT_EQ(Clipboard(), "38");
}

TEST_F(WindowMenu, RightClickOnAFieldKeepsItsEditMenuInRussianWithBothCommands) {
  QMenu* menu = RightClick("Text3");
  ASSERT_NE(menu, nullptr);
  const QStringList texts = Texts(*menu);
  ASSERT_GE(texts.size(), 4);
  EXPECT_TRUE(texts.join(' ').remove('&').contains(QStringLiteral("Вставить\tCtrl+V")))
      << texts.join(' ').toStdString();
  EXPECT_EQ(texts.mid(texts.size() - 2),
            (QStringList{"План намотки и проверка…", "Копировать результаты"}));
  for (const QString& text : texts) {
    EXPECT_FALSE(text.section(QLatin1Char('\t'), 0, 0).contains(QRegularExpression("[A-Za-z]")))
        << text.toStdString();
  }
  Item(*menu, "Копировать результаты")->trigger();
  EXPECT_TRUE(Clipboard().startsWith("Форма магнитопровода"));
}

// The platform turns the Menu key into a keyboard context menu event on the window, which Qt
// hands to the control that has the focus.
TEST_F(WindowMenu, MenuKeyOpensTheMenuOfTheControlWithTheFocus) {
  const struct {
    const char* focus;
    int items;  // the window's two commands, or a field's edit menu besides
  } cases[] = {{"Command1", 2}, {"Text4", 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    Child(c.focus)->setFocus();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(window_->windowHandle(), &key);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QStringList texts = Texts(*menu);
    EXPECT_EQ(texts.size(), c.items);
    EXPECT_EQ(texts.mid(texts.size() - 2),
              (QStringList{"План намотки и проверка…", "Копировать результаты"}));
    menu->close();
  }
}

TEST_F(WindowMenu, ResultsAreSelectedWithTheMouseWithoutTakingTheFocus) {
  Child("Text6")->setFocus();
  QTest::mouseClick(Child("Label26"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Child("Text6"));
  Calculate(*window_, kStartInputs);
  Child("Text6")->setFocus();
  auto* label = qobject_cast<QLabel*>(Child("Label32"));
  EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, label->height() / 2));
  QTest::mouseMove(label, QPoint(label->width() - 1, label->height() / 2));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 1, label->height() / 2));
  EXPECT_EQ(label->selectedText(), "570");
  EXPECT_EQ(QApplication::focusWidget(), Child("Text6"));
}

QString Hint(const QWidget& label) { return label.toolTip(); }

TEST_F(WindowMenu, DiameterHintsNameTheStandardWireAfterARunThatFits) {
  EXPECT_TRUE(Hint(*Child("Label38")).isEmpty());
  Calculate(*window_, kStartInputs);
  EXPECT_EQ(Hint(*Child("Label38")),
            "Провод 0.180 мм по ГОСТ Р МЭК 60317-0-1 (IEC 60317-0-1), ряд R20; в изоляции "
            "класса 2 — до 0.217 мм");
  EXPECT_EQ(Hint(*Child("Label39")),
            "Провод 0.710 мм по ГОСТ Р МЭК 60317-0-1 (IEC 60317-0-1), ряд R20; в изоляции "
            "класса 2 — до 0.789 мм");
  for (const char* name : {"Label38", "Label39"}) {
    EXPECT_EQ(Child(name)->accessibleDescription(), Hint(*Child(name)));
  }
  Calculate(*window_, {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"});  // does not fit
  EXPECT_TRUE(Hint(*Child("Label38")).isEmpty());
  EXPECT_TRUE(Child("Label39")->accessibleDescription().isEmpty());
}

TEST_F(WindowMenu, DiameterHintsFollowThePlansGrade) {
  Calculate(*window_, kStartInputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  plan->findChild<QComboBox*>(QStringLiteral("grade"))->setCurrentIndex(0);
  EXPECT_TRUE(Hint(*Child("Label38")).endsWith("в изоляции класса 1 — до 0.204 мм"));
  EXPECT_TRUE(Hint(*Child("Label39")).endsWith("в изоляции класса 1 — до 0.762 мм"));
}

TEST_F(WindowMenu, DiameterHintsNameTheOwnWireThePlanWinds) {
  Calculate(*window_, kStartInputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  plan->findChild<QLineEdit*>(QStringLiteral("ownWire2"))->setText(QStringLiteral("0.75"));
  EXPECT_TRUE(Hint(*Child("Label38")).startsWith("Провод 0.180 мм по ГОСТ"));
  EXPECT_EQ(Hint(*Child("Label39")),
            "Свой провод 0.750 мм из настроек плана намотки; в изоляции класса 2 — до 0.834 мм");
  EXPECT_EQ(Child("Label39")->accessibleDescription(), Hint(*Child("Label39")));
  plan->findChild<QLineEdit*>(QStringLiteral("ownWire2"))->clear();
  EXPECT_TRUE(Hint(*Child("Label39")).startsWith("Провод 0.710 мм по ГОСТ"));
}

TEST_F(WindowMenu, VerdictHintSaysHowToOpenThePlan) {
  const QString hint = Hint(*Child("Label33"));
  EXPECT_TRUE(hint.contains("F4")) << hint.toStdString();
  EXPECT_TRUE(hint.contains("«План намотки и проверка…»"));
  EXPECT_EQ(Child("Label33")->accessibleDescription(), hint);
}

}  // namespace

namespace {

// Qt's own texts come from its translations, which scripts/setup.sh installs.
TEST(QtTexts, SaveDialogAndEditMenuSpeakRussian) {
  EnsureQtApp();
  ASSERT_TRUE(ui::UseRussianQtTexts());
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << action->text();
  EXPECT_TRUE(texts.join(' ').contains(QStringLiteral("Копировать")))
      << texts.join(' ').toStdString();
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog.labelText(QFileDialog::Accept).contains(QStringLiteral("Сохранить")))
      << dialog.labelText(QFileDialog::Accept).toStdString();
}

}  // namespace
