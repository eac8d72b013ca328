#include "ui/calculator_window/label_writer.h"

#include "ui/common/utf8.h"

namespace ui {

void LabelWriter::SetLabel(int number, std::string_view text) {
  labels_[number - calc::kFirstResultLabel]->ShowResult(FromUtf8(text));
}

}  // namespace ui
