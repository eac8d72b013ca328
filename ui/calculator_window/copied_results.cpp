#include "ui/calculator_window/copied_results.h"

#include "account/control_table.h"
#include "ui/common/utf8.h"

namespace ui {

QString InputCaption(std::size_t field) { return FromUtf8(account::InputCaption(field)); }

QString ResultCaption(std::size_t result) { return FromUtf8(account::ResultCaption(result)); }

}  // namespace ui
