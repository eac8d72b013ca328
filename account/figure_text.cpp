#include "account/figure_text.h"

#include "values/number_text.h"

namespace account {

std::string FigureText(double x, int decimals) {
  std::string text;
  values::AppendExactFixed(x, decimals, text);
  return text;
}

}  // namespace account
