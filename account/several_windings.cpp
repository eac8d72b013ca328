#include "account/several_windings.h"

#include <array>
#include <functional>
#include <optional>

#include "account/figure_text.h"
#include "account/flag_words.h"
#include "check/figures.h"
#include "plan/winding_plan.h"
#include "values/number_text.h"

namespace account {

namespace {

constexpr int kPercentDecimals = 0;

std::string Number(double x, int decimals) { return FigureText(x, decimals); }

std::string General(double x) {
  char text[values::kGeneralTextCapacity];
  return std::string(text, values::FormatGeneral(x, text));
}

std::string SecondaryName(std::size_t k) { return std::to_string(k + 1) + "-я вторичная"; }

const std::optional<windings::DesignCheck>& CheckOf(const windings::Outcome& outcome,
                                                    WindingTurns turns) {
  return turns == WindingTurns::Refined ? outcome.refined.check : outcome.check;
}

std::vector<double> WireCurrents(const windings::Outcome& outcome, WindingTurns turns) {
  if (turns == WindingTurns::Refined) return outcome.refined.wire_currents;
  std::vector<double> currents;
  for (const windings::SizedWinding& winding : outcome.design.windings) {
    currents.push_back(winding.rms);
  }
  return currents;
}

// «ток обмотки при выпрямителе выше принятого на 30 %: провод греется сильнее».
std::string RmsHighWords(double winding_current, double wire_current) {
  return "ток обмотки при выпрямителе выше принятого на " +
         Number((winding_current / wire_current - 1) * 100, kPercentDecimals) +
         " %: провод греется сильнее";
}

constexpr std::string_view kNoDcWords = "обмотка не отдаст этот постоянный ток";

bool Raised(const windings::Flags& flags, windings::Flag flag) {
  return flags[static_cast<std::size_t>(flag)];
}

// One row of the secondaries table: caption and a cell per secondary.
using CellOf = std::function<Cell(std::size_t)>;

void AddRow(Table& table, std::string caption, std::size_t count, const CellOf& cell) {
  Row row{std::move(caption), {}};
  for (std::size_t k = 0; k < count; ++k) row.cells.push_back(cell(k));
  table.rows.push_back(std::move(row));
}

Cell Text(std::string text) { return {std::move(text), false}; }

Cell Optional(const std::optional<double>& x, int decimals, bool flagged = false) {
  return {x ? Number(*x, decimals) : std::string(), flagged};
}

}  // namespace

std::string_view KindWords(windings::Kind kind) { return windings::FactsOf(kind).words; }

std::string_view CurrentCaption(windings::Kind kind) {
  return windings::IsRectifier(kind) ? "Iпост, А" : "I, А";
}

bool SecondaryInBounds(const calc::InputTexts& texts, const windings::Request& request,
                       std::size_t k) {
  return windings::InBounds(windings::Secondaries(texts, request).at(k));
}

std::string DesignReason(const windings::Outcome& outcome) {
  const windings::Design& design = outcome.design;
  if (design.out_of_bounds) {
    return SecondaryName(*design.out_of_bounds - 1) +
           " обмотка вне границ: U должно быть от 0.001 до 1000000 В, I — от 0.000001 до "
           "1000000 А";
  }
  if (design.fault) return "расчет по всем обмоткам остановился с ошибкой";
  if (design.verdict == windings::Verdict::NotFit) {
    return "сердечник не подходит для всех обмоток вместе";
  }
  if (outcome.plan.plan.windings.empty()) {
    return std::string("план всех обмоток не составляется: ") +
           std::string(plan::VerdictText(outcome.plan.plan.verdict));
  }
  if (!outcome.check) return "проверка всех обмоток не делается: размеры или напряжения вне границ";
  return {};
}

std::string PowerLine(const windings::Outcome& outcome) {
  const windings::Design& design = outcome.design;
  if (design.out_of_bounds) return {};
  return "Расчет по всем обмоткам: вторичных " + std::to_string(design.windings.size()) +
         ", мощность Pt = " + General(design.power) + " Вт";
}

std::string AllWindingsFitNote(const Press& press, const windings::Outcome& outcome) {
  if (!press.fits() || outcome.design.verdict != windings::Verdict::NotFit) return {};
  return "Сердечник подходит для основной вторичной обмотки, но не для всех обмоток вместе "
         "(Pt = " +
         General(outcome.design.power) + " Вт)";
}

Table SecondariesTable(const windings::Outcome& outcome, WindingTurns turns) {
  const windings::Design& design = outcome.design;
  const std::size_t n = design.windings.size();
  Table table;
  if (n == 0) return table;
  for (std::size_t k = 0; k < n; ++k) table.headings.push_back(SecondaryName(k));
  const auto winding = [&design](std::size_t k) -> const windings::SizedWinding& {
    return design.windings[k];
  };
  AddRow(table, "Вид", n,
         [&](std::size_t k) { return Text(std::string(KindWords(winding(k).given.kind))); });
  AddRow(table, "U, В", n, [&](std::size_t k) { return Text(General(winding(k).given.voltage)); });
  AddRow(table, "I, А (Iпост, А у выпрямителя)", n,
         [&](std::size_t k) { return Text(General(winding(k).given.current)); });
  AddRow(table, "Расчетный ток обмотки, А", n,
         [&](std::size_t k) { return Text(General(winding(k).rms)); });
  const bool refined = turns == WindingTurns::Refined && outcome.refined.check;
  AddRow(table, "Сечение провода, мм²", n, [&](std::size_t k) { return Text(winding(k).section); });
  AddRow(table, "Диаметр провода, мм", n, [&](std::size_t k) { return Text(winding(k).diameter); });
  AddRow(table, refined ? "Уточненное число витков" : "Число витков", n, [&](std::size_t k) {
    if (refined) return Text(std::to_string(outcome.refined.turns[k]));
    return Text(winding(k).turns ? std::to_string(*winding(k).turns) : std::string());
  });
  AddRow(table, "Отвод после витка", n, [&](std::size_t k) {
    if (!windings::FactsOf(winding(k).given.kind).centre_tapped || !winding(k).turns) {
      return Text({});
    }
    return Text(std::to_string((refined ? outcome.refined.turns[k] : *winding(k).turns) / 2));
  });
  const std::optional<windings::DesignCheck>& check = CheckOf(outcome, turns);
  if (!check) return table;
  const auto output = [&check](std::size_t k) -> const check::OutputCheck& {
    return check->core.outputs[k];
  };
  const auto secondary = [&check](std::size_t k) -> const windings::SecondaryCheck& {
    return check->secondaries[k];
  };
  const auto dc = [&](std::size_t k) { return secondary(k).rectified; };
  const auto decimals = [](check::Figure which) { return check::FigureOf(which).decimals; };
  AddRow(table, "Напряжение без нагрузки U0, В", n, [&](std::size_t k) {
    return Optional(output(k).no_load, decimals(check::Figure::NoLoadVoltage));
  });
  AddRow(table, "Напряжение под нагрузкой UL, В", n, [&](std::size_t k) {
    return Optional(output(k).full_load, decimals(check::Figure::FullLoadVoltage),
                    output(k).volts_off);
  });
  AddRow(table, "Отклонение от U, %", n, [&](std::size_t k) {
    return Optional(output(k).deviation, decimals(check::Figure::Deviation), output(k).volts_off);
  });
  AddRow(table, "Разница напряжений половин, В", n,
         [&](std::size_t k) { return Optional(secondary(k).imbalance, 2); });
  AddRow(table, "Постоянное напряжение Udc, В", n, [&](std::size_t k) {
    return Optional(dc(k) ? std::optional(dc(k)->dc_voltage) : std::nullopt, 2,
                    Raised(secondary(k).flags, windings::Flag::NoDc));
  });
  AddRow(table, "Действующий ток обмотки, А", n, [&](std::size_t k) {
    return Optional(dc(k) ? std::optional(dc(k)->winding_current) : std::nullopt, 3,
                    Raised(secondary(k).flags, windings::Flag::RmsHigh));
  });
  AddRow(table, "Пиковый ток обмотки, А", n, [&](std::size_t k) {
    return Optional(dc(k) ? std::optional(dc(k)->peak_current) : std::nullopt, 2);
  });
  return table;
}

std::vector<std::string> DesignFlagSentences(const windings::Outcome& outcome,
                                             const check::Settings& settings, WindingTurns turns) {
  const std::optional<windings::DesignCheck>& check = CheckOf(outcome, turns);
  if (!check) return {};
  std::vector<std::string> sentences = FlagSentences(outcome.design.input, check->core, settings);
  const std::vector<double> wires = WireCurrents(outcome, turns);
  for (std::size_t k = 0; k < check->secondaries.size(); ++k) {
    const windings::SecondaryCheck& secondary = check->secondaries[k];
    if (Raised(secondary.flags, windings::Flag::RmsHigh)) {
      sentences.push_back(SecondaryName(k) + ": " +
                          RmsHighWords(secondary.rectified->winding_current, wires[k]));
    }
    if (Raised(secondary.flags, windings::Flag::NoDc)) {
      sentences.push_back(SecondaryName(k) + ": " + std::string(kNoDcWords));
    }
  }
  return sentences;
}

}  // namespace account
