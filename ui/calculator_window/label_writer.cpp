#include "ui/calculator_window/label_writer.h"

#include "ui/common/utf8.h"

namespace ui {

void LabelWriter::SetLabel(int number, std::string_view text) {
  const auto result = static_cast<std::size_t>(number - calc::kFirstResultLabel);
  labels_[result]->ShowResult(FromUtf8(text));
  written_.set(result);
}

}  // namespace ui
