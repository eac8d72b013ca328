#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/calculator_window/wrapped_caption.h"

namespace {

enum Kind { kCaption, kHeading, kResult, kField, kButton, kPicture };

struct Expected {
  const char* name;
  int index;
  Kind kind;
  int left, top, width, height;  // twips
  int tabIndex;
  const char* text;
};

// clang-format off
const Expected kWindowControls[] = {
    {"Label1", -1, kCaption, 360, 30, 4455, 495, 0, "Форма магнитопровода: 1-броневой пластинчатый, 2-броневой ленчатый, 3-кольцевой ленточный....................."},
    {"Label3", 1, kCaption, 360, 600, 4455, 255, 32, "Напряжение первичной обмотки U1, В................................. "},
    {"Label3", 0, kCaption, 360, 960, 4455, 255, 1, "Напряжение вторичной обмотки U2, В................................."},
    {"Label4", -1, kCaption, 360, 1320, 4455, 255, 2, "Максимальный ток нагрузки l2, А........................................."},
    {"Label5", -1, kCaption, 360, 1680, 4455, 255, 3, "a,см.........................................................................................."},
    {"Label6", -1, kCaption, 360, 2040, 4455, 255, 4, "b,см.........................................................................................."},
    {"Label7", -1, kCaption, 360, 2400, 4455, 255, 5, "c,см.........................................................................................."},
    {"Label8", -1, kCaption, 360, 2760, 4455, 255, 6, "h,см.........................................................................................."},
    {"Label9", -1, kCaption, 360, 3120, 4455, 255, 7, "Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)..............."},
    {"Label10", -1, kCaption, 360, 3480, 4455, 255, 8, "Мощность нагрузки Pn, Вт ...................................................."},
    {"Label11", -1, kCaption, 360, 3840, 4455, 255, 9, "Магнитная индукция Bmax ...................................................."},
    {"Label12", -1, kCaption, 360, 4200, 4455, 255, 10, "Плотность тока J ..................................................................."},
    {"Label13", -1, kCaption, 360, 4560, 4455, 255, 11, "Коэффициент заполнения окна ..........................................."},
    {"Label14", -1, kCaption, 360, 4920, 4455, 255, 12, "Площадь сечения магнитопровода Ss................................. "},
    {"Label15", -1, kCaption, 360, 5280, 4455, 255, 13, "Площадь окна в магнитопроводе Sok.................................."},
    {"Label16", -1, kCaption, 360, 5640, 4455, 255, 14, "Макс. мощность железа Ps................................................... "},
    {"Label17", -1, kCaption, 360, 6000, 4455, 255, 15, "Резюме: подходит или нет выбранное вами железо.........."},
    {"Label18", -1, kCaption, 360, 6360, 4455, 255, 16, "Cos(Fi)......................................................................................."},
    {"Label19", -1, kCaption, 360, 6720, 4455, 255, 17, "Номинальный ток первичной обмотки: I1............................ "},
    {"Label20", -1, kCaption, 360, 7080, 4455, 255, 18, "Сечение провода в 1-й обмотке ..........................................."},
    {"Label21", -1, kCaption, 360, 7440, 4455, 255, 19, "Сечение провода во 2-й обмотке ........................................."},
    {"Label22", -1, kCaption, 360, 7800, 4455, 255, 20, "Диаметр провода в 1-й обмотке .........................................."},
    {"Label23", -1, kCaption, 360, 8160, 4455, 255, 21, "Диаметр провода во 2-й обмотке ........................................"},
    {"Label24", -1, kCaption, 360, 8520, 4455, 255, 22, "Число витков в 1-й обмотке трансформатора ..................."},
    {"Label25", -1, kCaption, 360, 8880, 4455, 255, 23, "Число витков во 2-й обмотке трансформатора ................."},
    {"Text1", -1, kField, 4920, 120, 1935, 285, 35, "3"},
    {"Text2", -1, kField, 4920, 480, 1935, 285, 24, "220"},
    {"Text3", -1, kField, 4920, 840, 1935, 285, 25, "12"},
    {"Text4", -1, kField, 4920, 1200, 1935, 285, 26, "1.5"},
    {"Text5", -1, kField, 4920, 1560, 1935, 285, 27, "2"},
    {"Text6", -1, kField, 4920, 1920, 1935, 285, 28, "5"},
    {"Text7", -1, kField, 4920, 2280, 1935, 285, 29, "7"},
    {"Text8", -1, kField, 4920, 2640, 1935, 285, 30, "12"},
    {"Text9", -1, kField, 4920, 3000, 1935, 285, 31, "0.2"},
    {"Label26", -1, kResult, 4920, 3360, 1935, 255, 37, ""},
    {"Label27", -1, kResult, 4920, 3720, 1935, 255, 38, ""},
    {"Label28", -1, kResult, 4920, 4080, 1935, 255, 39, ""},
    {"Label29", -1, kResult, 4920, 4440, 1935, 255, 40, ""},
    {"Label30", -1, kResult, 4920, 4800, 1935, 255, 41, ""},
    {"Label31", -1, kResult, 4920, 5160, 1935, 255, 42, ""},
    {"Label32", -1, kResult, 4920, 5520, 1935, 255, 43, ""},
    {"Label33", -1, kResult, 4920, 5880, 1935, 255, 44, ""},
    {"Label34", -1, kResult, 4920, 6240, 1935, 255, 45, ""},
    {"Label35", -1, kResult, 4920, 6600, 1935, 255, 46, ""},
    {"Label36", -1, kResult, 4920, 6960, 1935, 255, 47, ""},
    {"Label37", -1, kResult, 4920, 7320, 1935, 255, 48, ""},
    {"Label38", -1, kResult, 4920, 7680, 1935, 255, 49, ""},
    {"Label39", -1, kResult, 4920, 8040, 1935, 255, 50, ""},
    {"Label40", -1, kResult, 4920, 8400, 1935, 255, 51, ""},
    {"Label41", -1, kResult, 4920, 8760, 1935, 255, 52, ""},
    {"Label2", -1, kHeading, 7200, 120, 3135, 405, 33, "Выберите необходимый номер формы сердечника"},
    {"Image1", -1, kPicture, 7200, 600, 3300, 2700, -1, ""},
    {"Image2", -1, kPicture, 7200, 3480, 3300, 2700, -1, ""},
    {"Image3", -1, kPicture, 7200, 6360, 3300, 2700, -1, ""},
    {"Command2", -1, kButton, 360, 9240, 3015, 735, 36, "Вычислить"},
    {"Command1", -1, kButton, 7320, 9240, 3015, 735, 34, "Выход"},
};

const struct {
  const char* field;
  const char* name;
} kAccessibleNames[] = {
    {"Text1", "Форма магнитопровода: 1-броневой пластинчатый, 2-броневой ленчатый, 3-кольцевой ленточный"},
    {"Text2", "Напряжение первичной обмотки U1, В"},
    {"Text3", "Напряжение вторичной обмотки U2, В"},
    {"Text4", "Максимальный ток нагрузки l2, А"},
    {"Text5", "a,см"},
    {"Text6", "b,см"},
    {"Text7", "c,см"},
    {"Text8", "h,см"},
    {"Text9", "Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)"},
    {"Label26", "Мощность нагрузки Pn, Вт"},
    {"Label27", "Магнитная индукция Bmax"},
    {"Label28", "Плотность тока J"},
    {"Label29", "Коэффициент заполнения окна"},
    {"Label30", "Площадь сечения магнитопровода Ss"},
    {"Label31", "Площадь окна в магнитопроводе Sok"},
    {"Label32", "Макс. мощность железа Ps"},
    {"Label33", "Резюме: подходит или нет выбранное вами железо"},
    {"Label34", "Cos(Fi)"},
    {"Label35", "Номинальный ток первичной обмотки: I1"},
    {"Label36", "Сечение провода в 1-й обмотке"},
    {"Label37", "Сечение провода во 2-й обмотке"},
    {"Label38", "Диаметр провода в 1-й обмотке"},
    {"Label39", "Диаметр провода во 2-й обмотке"},
    {"Label40", "Число витков в 1-й обмотке трансформатора"},
    {"Label41", "Число витков во 2-й обмотке трансформатора"},
};
// clang-format on

constexpr int kTwips = 15;

QString TextOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return field->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return {};
}

bool KindMatches(const QWidget* widget, Kind kind) {
  switch (kind) {
    case kField:
      return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case kButton:
      return qobject_cast<const QPushButton*>(widget) != nullptr;
    default:
      return qobject_cast<const QLabel*>(widget) != nullptr;
  }
}

class FormLayout : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  ui::Form1 window_;
};

TEST_F(FormLayout, EveryControlStandsWithItsTextAndLooks) {
  EXPECT_EQ(window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            std::size(kWindowControls));
  for (const Expected& control : kWindowControls) {
    SCOPED_TRACE(testing::Message() << control.name << " index " << control.index);
    const QWidget* widget = Control(window_, control.name, control.index);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(KindMatches(widget, control.kind));
    EXPECT_EQ(widget->geometry(), QRect(control.left / kTwips, control.top / kTwips,
                                        control.width / kTwips, control.height / kTwips));
    EXPECT_EQ(TextOf(widget), QString::fromUtf8(control.text));
    EXPECT_EQ(widget->property("tabIndex"),
              control.tabIndex < 0 ? QVariant() : QVariant(control.tabIndex));
    const bool focusable = control.kind == kField || control.kind == kButton;
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, focusable);
    EXPECT_FALSE(widget->testAttribute(Qt::WA_SetFont));

    const bool result = control.kind == kResult;
    EXPECT_EQ(widget->autoFillBackground(), result);
    EXPECT_EQ(widget->testAttribute(Qt::WA_SetPalette), result);
    if (result) {
      EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(192, 255, 192));
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
      EXPECT_EQ(label->wordWrap(), control.height > 255 && control.kind != kPicture);
      if (control.kind == kPicture) {
        EXPECT_EQ(label->pixmap().deviceIndependentSize(), QSizeF(220, 180));
      } else {
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
      }
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
    }
  }
}

TEST_F(FormLayout, WindowIsFixedWithItsTitleAndPlace) {
  EXPECT_EQ(window_.objectName(), "Form1");
  EXPECT_EQ(window_.windowTitle(), "Расчет трансформатора");
  EXPECT_EQ(window_.geometry(), QRect(215, 92, 697, 677));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
}

// The runs of full stops may be cut at the field; the words before them must show whole.
TEST_F(FormLayout, CaptionWordsFitTheirBoxes) {
  for (const Expected& control : kWindowControls) {
    if (control.kind != kCaption && control.kind != kHeading) continue;
    SCOPED_TRACE(control.name);
    const auto* label = qobject_cast<const QLabel*>(Control(window_, control.name, control.index));
    ASSERT_NE(label, nullptr);
    const QString words = label->text().remove(QRegularExpression(QStringLiteral("[. ]+$")));
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed =
        metrics.boundingRect(QRect(box.topLeft(), QSize(box.width(), 1000)), flags, words);
    EXPECT_LE(needed.width(), box.width());
    EXPECT_LE(needed.height(), box.height());
  }
}

// A two-line caption keeps its words and as many full stops as its two lines hold.
TEST_F(FormLayout, TwoLineCaptionsDrawNoThirdLine) {
  for (const char* name : {"Label1", "Label2"}) {
    SCOPED_TRACE(name);
    const auto* caption = qobject_cast<const ui::WrappedCaption*>(Control(window_, name));
    ASSERT_NE(caption, nullptr);
    const QString shown = caption->ShownText();
    const QString words = caption->text().remove(QRegularExpression(QStringLiteral("[.]+$")));
    EXPECT_TRUE(caption->text().startsWith(shown));
    EXPECT_TRUE(shown.startsWith(words));
    const QRect box = caption->contentsRect();
    const QRect needed = QFontMetrics(caption->font())
                             .boundingRect(QRect(box.topLeft(), QSize(box.width(), 1000)),
                                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    EXPECT_LE(needed.height(), box.height());
  }
}

TEST_F(FormLayout, FieldsAndResultsAreNamedByTheirCaptions) {
  for (const auto& row : kAccessibleNames) {
    SCOPED_TRACE(row.field);
    QWidget* field = Control(window_, row.field);
    ASSERT_NE(field, nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(row.name));
  }
}

}  // namespace
