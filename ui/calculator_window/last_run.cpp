#include "ui/calculator_window/last_run.h"

#include "ui/common/utf8.h"

namespace ui {

RunView ViewOf(const account::Press& press) {
  RunView view{press.end, {}, {}, FromUtf8(press.fault_message), {}};
  for (std::size_t k = 0; k < view.inputs.size(); ++k) view.inputs[k] = FromUtf8(press.inputs[k]);
  for (std::size_t k = 0; k < view.results.size(); ++k) {
    view.results[k] = FromUtf8(account::ResultText(press, k));
  }
  for (const std::string& line : press.note_lines) view.notes << FromUtf8(line);
  return view;
}

}  // namespace ui
