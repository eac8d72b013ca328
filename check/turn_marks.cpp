#include "check/turn_marks.h"

#include <cstddef>

#include "check/figures.h"
#include "values/number_text.h"

namespace check {

namespace {

bool Raised(const DesignCheck& design, Flag flag) {
  return design.flags[static_cast<std::size_t>(flag)];
}

void AppendFigure(Figure which, double value, std::string& out) {
  values::AppendExactFixed(value, FigureOf(which).decimals, out);
}

// The voltage as the run read the user's text: "12", "6.3".
void AppendAsked(double volts, std::string& out) {
  char text[values::kGeneralTextCapacity];
  out.append(text, values::FormatGeneral(volts, text));
}

void AppendWinding(std::size_t index, std::string& out) {
  out.append("W").append(std::to_string(index + 1));
}

void AppendFlux(const CheckInput& input, const DesignCheck& design, std::string& out) {
  out += "индукция без нагрузки ";
  AppendFigure(Figure::FluxDensity, design.flux_density, out);
  out += " Тл (по таблице ";
  AppendFigure(Figure::FluxDensity, input.bmax, out);
  out += ")";
}

void AppendVolts(const CheckInput& input, const DesignCheck& design, std::string& out) {
  out += "под нагрузкой";
  const bool named = design.outputs.size() > 1;
  bool first = true;
  for (std::size_t j = 0; j < design.outputs.size(); ++j) {
    const OutputCheck& output = design.outputs[j];
    if (!output.volts_off) continue;
    out += first ? " " : ", ";
    first = false;
    if (named) {
      out += "на ";
      AppendWinding(j + 1, out);
      out += " ";
    }
    AppendFigure(Figure::FullLoadVoltage, output.full_load, out);
    out += " В вместо ";
    AppendAsked(input.run.windings[j + 1].voltage, out);
    out += " В";
  }
}

void AppendRefined(const CheckInput& input, const Refined& refined, std::string& out) {
  if (refined.turns.size() != input.run.windings.size()) {
    out += "Уточненные витки не подобрать";
    return;
  }
  out += "Уточненные витки: ";
  for (std::size_t j = 0; j < refined.turns.size(); ++j) {
    if (j > 0) out += ", ";
    AppendWinding(j, out);
    out.append(" ").append(std::to_string(refined.turns[j]));
  }
  if (refined.plan.verdict == plan::Verdict::No) out += " (в окно не помещаются)";
}

}  // namespace

std::string TurnMarkWords(const CheckInput& input, const Check& check, std::string_view where) {
  if (!check.calculated) return {};
  const DesignCheck& design = *check.calculated;
  const bool flux = Raised(design, Flag::FluxHigh);
  const bool volts = Raised(design, Flag::Volts);
  if (!flux && !volts) return {};
  std::string words = "Проверка: при этих витках ";
  if (flux) AppendFlux(input, design, words);
  if (flux && volts) words += ", ";
  if (volts) AppendVolts(input, design, words);
  words += ". ";
  AppendRefined(input, check.refined, words);
  if (!where.empty()) words.append(" — ").append(where);
  return words;
}

}  // namespace check
