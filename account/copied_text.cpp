#include "account/copied_text.h"

#include <string_view>
#include <utility>

#include "account/control_table.h"
#include "account/reasons.h"
#include "account/tables.h"

namespace account {

namespace {

void AppendLine(std::string_view caption, std::string_view value, std::string& out) {
  out.append(caption).append("\t").append(value).append("\n");
}

void AppendTable(const Table& table, std::string& out) {
  for (const std::string& heading : table.headings) out.append("\t").append(heading);
  out += '\n';
  for (const Row& row : table.rows) {
    out += row.caption;
    for (const Cell& cell : row.cells) out.append("\t").append(cell.text);
    out += '\n';
  }
}

std::string CheckLines(const Planned& planned) {
  std::string text = "Проверка\n";
  const std::string missing = NoCheckReason(planned);
  if (!missing.empty()) return text + missing + "\n";
  AppendTable(CheckTable(planned), text);
  for (const std::string& line : CheckVerdicts(planned)) text.append(line).append("\n");
  return text;
}

}  // namespace

std::string Led(const Planned& planned, std::string text) {
  if (planned.power_line.empty()) return text;
  return planned.power_line + '\n' + text;
}

std::string NotesText(const Press& press, std::string_view more) {
  std::string text;
  if (press.note_lines.empty() && more.empty()) AppendLine(kNotesCaption, "нет", text);
  for (const std::string& line : press.note_lines) AppendLine(kNotesCaption, line, text);
  if (!more.empty()) AppendLine(kNotesCaption, more, text);
  return text;
}

std::string ResultsText(const Press& press, std::string_view turn_marks) {
  std::string text;
  for (std::size_t k = 0; k < press.inputs.size(); ++k) {
    AppendLine(InputCaption(k), press.inputs[k], text);
  }
  for (std::size_t k = 0; k < calc::kResultLabelCount; ++k) {
    AppendLine(ResultCaption(k), ResultText(press, k), text);
  }
  if (press.end != End::NotYet) text += NotesText(press, turn_marks);
  if (press.fault) AppendLine("Расчет остановлен", press.fault_message, text);
  return text;
}

std::string CheckText(const Planned& planned) { return Led(planned, CheckLines(planned)); }

std::string PlanText(const Press& press, const Planned& planned) {
  std::string text = "План намотки и проверка\n";
  if (!planned.HasPlan()) {
    AppendLine("Плана нет", NoPlanReason(planned), text);
    return Led(planned, std::move(text));
  }
  AppendLine("План для", TurnsWords(planned), text);
  AppendLine("Вывод", plan::VerdictText(planned.plan.verdict), text);
  for (const Line& line : SummaryLines(planned.plan)) AppendLine(line.caption, line.value, text);
  text += '\n';
  AppendTable(WindingTable(planned.plan), text);
  text += '\n' + CheckLines(planned);
  text += "\nНастройки\n";
  for (const Line& line : SettingLines(planned)) AppendLine(line.caption, line.value, text);
  text += '\n' + NotesText(press);
  text += '\n' + PlanNote(planned.settings) + '\n';
  return Led(planned, std::move(text));
}

}  // namespace account
