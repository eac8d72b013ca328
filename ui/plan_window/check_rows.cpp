#include "ui/plan_window/check_rows.h"

#include "account/tables.h"
#include "ui/common/utf8.h"

namespace ui {

QStringList CheckVerdicts(const PlannedRun& planned) {
  QStringList lines;
  for (const std::string& line : account::CheckVerdicts(planned)) lines << FromUtf8(line);
  return lines;
}

}  // namespace ui
