// The second yardstick of bench/startup.sh: the calculator's 56 controls, with their places,
// texts and pictures, as plain Qt widgets: no accessibility names, menus, marks, tints, wrapped
// captions or screen fitting. What the window costs beyond this is its own.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "account/control_table.h"
#include "app/first_paint_probe.h"
#include "ui/pictures/core_pictures.h"

namespace {

constexpr int kOneLineTwips = 285;  // taller captions hold two lines, as in the window

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Make(const account::ControlSpec& row, int& picture, QWidget* form) {
  switch (row.kind) {
    case account::ControlKind::CaptionLabel:
    case account::ControlKind::HeadingLabel: {
      auto* label = new QLabel(Text(row.text), form);
      label->setWordWrap(row.height > kOneLineTwips);
      return label;
    }
    case account::ControlKind::ResultLabel: {
      auto* label = new QLabel(form);
      label->setAutoFillBackground(true);
      QPalette colours = label->palette();
      colours.setColor(QPalette::Window, QColor(192, 255, 192));
      label->setPalette(colours);
      return label;
    }
    case account::ControlKind::InputField:
      return new QLineEdit(Text(row.text), form);
    case account::ControlKind::PushButton:
      return new QPushButton(Text(row.text), form);
    case account::ControlKind::Picture: {
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
  form.setWindowTitle(Text(account::kWindowTitle));
  form.setGeometry(account::Pixels(account::kClientLeft), account::Pixels(account::kClientTop),
                   account::Pixels(account::kClientWidth), account::Pixels(account::kClientHeight));
  int picture = 0;
  for (const account::ControlSpec& row : account::kControls) {
    Make(row, picture, &form)
        ->setGeometry(account::Pixels(row.left), account::Pixels(row.top),
                      account::Pixels(row.width), account::Pixels(row.height));
  }
  ui::ExitAfterFirstPaintIfAsked(form);
  form.show();
  return QApplication::exec();
}
