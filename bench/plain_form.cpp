// The second yardstick of bench/startup.sh: the calculator's 56 controls, with their places,
// texts and pictures, as plain Qt widgets: no accessibility names, menus, marks, tints, wrapped
// captions or screen fitting. What the window costs beyond this is its own.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "app/first_paint_probe.h"
#include "ui/calculator_window/control_table.h"
#include "ui/pictures/core_pictures.h"

namespace {

constexpr int kOneLineTwips = 285;  // taller captions hold two lines, as in the window

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Make(const ui::ControlSpec& row, int& picture, QWidget* form) {
  switch (row.kind) {
    case ui::ControlKind::CaptionLabel:
    case ui::ControlKind::HeadingLabel: {
      auto* label = new QLabel(Text(row.text), form);
      label->setWordWrap(row.height > kOneLineTwips);
      return label;
    }
    case ui::ControlKind::ResultLabel: {
      auto* label = new QLabel(form);
      label->setAutoFillBackground(true);
      QPalette colours = label->palette();
      colours.setColor(QPalette::Window, QColor(192, 255, 192));
      label->setPalette(colours);
      return label;
    }
    case ui::ControlKind::InputField:
      return new QLineEdit(Text(row.text), form);
    case ui::ControlKind::PushButton:
      return new QPushButton(Text(row.text), form);
    case ui::ControlKind::Picture: {
      auto* label = new QLabel(form);
      label->setPixmap(ui::CorePicture(++picture, form->devicePixelRatioF()));
      return label;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget form;
  form.setWindowTitle(Text(ui::kWindowTitle));
  form.setGeometry(ui::Pixels(ui::kClientLeft), ui::Pixels(ui::kClientTop),
                   ui::Pixels(ui::kClientWidth), ui::Pixels(ui::kClientHeight));
  int picture = 0;
  for (const ui::ControlSpec& row : ui::kControls) {
    Make(row, picture, &form)
        ->setGeometry(ui::Pixels(row.left), ui::Pixels(row.top), ui::Pixels(row.width),
                      ui::Pixels(row.height));
  }
  ui::ExitAfterFirstPaintIfAsked(form);
  form.show();
  return QApplication::exec();
}
