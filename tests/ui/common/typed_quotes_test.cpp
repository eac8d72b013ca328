// What the user typed is quoted as typed wherever a tooltip quotes it: a field's note and a
// setting's refusal, even when the text looks like markup.
#include <memory>

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "window_driver.h"

namespace {

// The words the tooltip of `widget` shows a reader, as Qt draws them.
QString ShownToolTip(QWidget& widget) {
  QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget.mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(&widget, &help);
  const QString shown = QToolTip::text();
  QToolTip::hideText();
  if (!Qt::mightBeRichText(shown)) return shown;
  QTextDocument document;
  document.setHtml(shown);
  return document.toPlainText();
}

class TypedQuotes : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override { window_->show(); }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
};

TEST_F(TypedQuotes, FieldNoteQuotesMarkupAsTyped) {
  Calculate(*window_, {"3", "220", "12", "1.5", "<b>2</b>", "5", "7", "12", "0.2"});
  auto* field = window_->findChild<QLineEdit*>(QStringLiteral("Text5"));
  ASSERT_TRUE(field->toolTip().contains(QStringLiteral("«<b>2</b>»")));
  EXPECT_TRUE(ShownToolTip(*field).contains(QStringLiteral("«<b>2</b>»")))
      << ShownToolTip(*field).toStdString();
}

TEST_F(TypedQuotes, SettingRefusalQuotesMarkupAsTyped) {
  Calculate(*window_, kStartInputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  auto* field = plan->findChild<QLineEdit*>(QStringLiteral("bobbin"));
  field->setText(QStringLiteral("<b>2</b>"));
  EXPECT_TRUE(ShownToolTip(*field).contains(QStringLiteral("а не «<b>2</b>»")))
      << ShownToolTip(*field).toStdString();
}

}  // namespace
