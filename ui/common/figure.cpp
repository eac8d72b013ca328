#include "ui/common/figure.h"

#include <string>

#include "values/number_text.h"

namespace ui {

QString Figure(double x, int decimals) {
  std::string text;
  values::AppendExactFixed(x, decimals, text);
  return QString::fromStdString(text);
}

}  // namespace ui
