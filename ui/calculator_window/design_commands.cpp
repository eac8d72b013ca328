// The calculator window's design files: opened into the fields and settings, saved from them,
// and the design's title in the captions.
#include <string>
#include <variant>

#include <QFileInfo>
#include <QLineEdit>

#include "account/settings.h"
#include "design_file/faces.h"
#include "ui/calculator_window/design_io.h"
#include "ui/calculator_window/form1.h"
#include "ui/common/utf8.h"
#include "ui/common/winding_rows.h"
#include "ui/plan_window/plan_window.h"

namespace ui {

bool Form1::OpenDesign(const QString& path) {
  auto read = ReadDesignFile(path);
  if (const auto* refusal = std::get_if<QString>(&read)) {
    report_(this, *refusal, {});
    return false;
  }
  design_ = std::get<design_file::Design>(std::move(read));
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    fields_[k]->setText(FromUtf8(design_.fields[k]));
  }
  keeper_.Replace({design_.plan, design_.check}, RowsOf(design_.windings), design_.rectifier);
  ShowDesignTitle();
  return true;
}

bool Form1::SaveDesign(const QString& path) {
  design_file::Design design = design_;
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    design.fields[k] = fields_[k]->text().toStdString();
  }
  const account::Settings& taken = keeper_.Taken();
  design.plan = taken.plan;
  design.check = taken.check;
  design.windings = RequestOf(keeper_.Rows());
  design.rectifier = keeper_.Rectifier();
  // A design first saved is named after its file, so that its captions and sheet say which.
  if (design.title.empty()) design.title = QFileInfo(path).completeBaseName().toStdString();
  const QString failure = WriteDesignFile(path, design);
  if (!failure.isEmpty()) {
    report_(this, failure, {});
    return false;
  }
  design_ = std::move(design);
  ShowDesignTitle();
  return true;
}

void Form1::AskAndOpenDesign() {
  const QString path = dialog_(this, DesignChoice::Open, keeper_.DesignFolder(), {});
  if (path.isEmpty()) return;
  keeper_.KeepDesignFolder(QFileInfo(path).absolutePath());
  OpenDesign(path);
}

void Form1::AskAndSaveDesign() {
  const QString name = FromUtf8(design_file::SuggestedFileName(design_.title));
  const QString path = dialog_(this, DesignChoice::Save, keeper_.DesignFolder(), name);
  if (path.isEmpty()) return;
  keeper_.KeepDesignFolder(QFileInfo(path).absolutePath());
  SaveDesign(path);
}

void Form1::ShowDesignTitle() {
  setWindowTitle(FromUtf8(design_file::Caption(design_.title)));
  if (plan_window_ != nullptr) plan_window_->ShowDesignTitle(FromUtf8(design_.title));
}

}  // namespace ui
