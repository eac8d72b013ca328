#include "account/tables.h"

#include <array>
#include <optional>
#include <string_view>

#include "account/figure_text.h"
#include "account/flag_words.h"
#include "account/reasons.h"
#include "calc/note_words.h"
#include "check/figures.h"
#include "plan/figures.h"
#include "plan/wire_table.h"

namespace account {

namespace {

constexpr std::array<std::string_view, 2> kDesignHeadings = {"Расчетные витки", "Уточненные витки"};

double Count(std::int64_t n) { return static_cast<double>(n); }

// What the run or the settings ask, shown on a line of its own after the figure it is compared
// with, with that figure's decimals.
struct Reference {
  check::Figure after;
  std::string (*caption)();
  double (*value)(const Planned&);
};

// The limit is named as its setting is.
std::string LimitCaption() {
  const values::SettingRule& rule = check::RuleOf(check::Setting::Limit);
  return std::string(rule.name) + ", " + std::string(rule.unit);
}

const Reference kReferences[] = {
    {check::Figure::FluxDensity, [] { return std::string("Bmax по таблице, Тл"); },
     [](const Planned& p) { return p.check_input->bmax; }},
    {check::Figure::FullLoadVoltage, [] { return std::string("U2 по заданию, В"); },
     [](const Planned& p) { return p.check_input->run.windings.at(1).voltage; }},
    {check::Figure::Temperature, LimitCaption,
     [](const Planned& p) { return p.check_settings.limit; }},
};

// The flag a figure's value raises, if any.
std::optional<check::Flag> FlagOf(check::Figure which) {
  switch (which) {
    case check::Figure::FluxDensity:
      return check::Flag::FluxHigh;
    case check::Figure::Temperature:
      return check::Flag::Hot;
    case check::Figure::FullLoadVoltage:
    case check::Figure::Deviation:
      return check::Flag::Volts;
    default:
      return std::nullopt;
  }
}

// A design of the check's columns: its turns' plan and, when checked, what it does.
struct Design {
  const check::DesignCheck* check = nullptr;
  const plan::Plan* plan = nullptr;
};

std::array<Design, kDesignHeadings.size()> Designs(const Planned& planned) {
  const check::Refined& refined = planned.check.refined;
  return {Design{&*planned.check.calculated, &planned.calculated},
          Design{refined.check ? &*refined.check : nullptr, &refined.plan}};
}

Row EmptyRow(std::string caption, std::size_t columns) {
  return {std::move(caption), std::vector<Cell>(columns)};
}

template <typename Designs>
Row TurnsRow(const Designs& designs, std::size_t j) {
  Row row = EmptyRow("Число витков W" + std::to_string(j + 1), designs.size());
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr || designs[d].plan->windings.size() <= j) continue;
    row.cells[d].text =
        FigureText(Count(designs[d].plan->windings[j].turns), check::kTurnsDecimals);
  }
  return row;
}

template <typename Designs>
Row FigureRow(const Designs& designs, const check::DesignFigure& figure) {
  Row row = EmptyRow(std::string(figure.name), designs.size());
  const std::optional<check::Flag> flag = FlagOf(figure.which);
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr) continue;
    const std::optional<double> value = figure.value(*designs[d].check);
    row.cells[d] = {value ? FigureText(*value, figure.decimals) : "—",
                    flag && designs[d].check->flags[static_cast<std::size_t>(*flag)]};
  }
  return row;
}

Row ReferenceRow(const Planned& planned, const Reference& reference, int decimals,
                 std::size_t columns) {
  Row row = EmptyRow(reference.caption(), columns);
  for (Cell& cell : row.cells) cell.text = FigureText(reference.value(planned), decimals);
  return row;
}

template <typename Designs>
void AddPlanRows(const Designs& designs, std::vector<Row>& rows) {
  Row verdict = EmptyRow("План намотки", designs.size());
  Row fill = EmptyRow("Заполнение окна, %", designs.size());
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr) continue;
    const plan::Plan& plan = *designs[d].plan;
    const bool off = plan.verdict != plan::Verdict::Fits;
    verdict.cells[d] = {std::string(plan::VerdictText(plan.verdict)), off};
    fill.cells[d] = {FigureText(plan.fill * 100, plan::kFillDecimals), off};
  }
  rows.push_back(std::move(verdict));
  rows.push_back(std::move(fill));
}

std::string_view WireKind(const plan::WindingPlan& winding) {
  return winding.own_wire ? "свой провод" : "стандартный";
}

// The turns of each winding: «W1 662, W2 40».
std::string TurnsList(const plan::Plan& plan) {
  std::string list;
  for (std::size_t j = 0; j < plan.windings.size(); ++j) {
    if (j > 0) list += ", ";
    list += "W" + std::to_string(j + 1) + " " + std::to_string(plan.windings[j].turns);
  }
  return list;
}

const plan::Plan& PlanOf(const Planned& planned, Turns turns) {
  return turns == Turns::Refined ? planned.check.refined.plan : planned.calculated;
}

}  // namespace

std::string WindingName(std::size_t winding) { return std::to_string(winding + 1) + "-я обмотка"; }

Table WindingTable(const plan::Plan& plan) {
  Table table;
  const std::size_t count = plan.windings.size();
  if (count == 0) return table;
  for (std::size_t j = 0; j < count; ++j) table.headings.push_back(WindingName(j));
  const auto add = [&](std::string caption, auto text) {
    Row row = EmptyRow(std::move(caption), count);
    for (std::size_t j = 0; j < count; ++j) row.cells[j].text = text(plan.windings[j]);
    table.rows.push_back(std::move(row));
  };
  add("Провод", [](const plan::WindingPlan& w) { return std::string(WireKind(w)); });
  // The turns stand after the wire; the batch tool has them among the run's results.
  constexpr std::size_t kWireFigures = 2;
  for (std::size_t k = 0; k < plan::kWindingFigures.size(); ++k) {
    if (k == kWireFigures) {
      add("Число витков", [](const plan::WindingPlan& w) { return FigureText(Count(w.turns), 0); });
    }
    const plan::WindingFigure& figure = plan::kWindingFigures[k];
    add(std::string(figure.name), [&figure](const plan::WindingPlan& w) {
      return FigureText(figure.value(w), figure.decimals);
    });
  }
  return table;
}

std::vector<Line> SummaryLines(const plan::Plan& plan) {
  if (plan.windings.empty()) return {};
  const bool ring = plan.hole_left.has_value();
  std::vector<Line> lines = {
      {ring ? "Заполнение отверстия кольца по радиусу, %" : "Заполнение окна по ширине, %",
       FigureText(plan.fill * 100, plan::kFillDecimals)},
      {"Глубина намотки от сердечника, мм", FigureText(plan.depth, plan::kDepthDecimals)},
  };
  if (ring) {
    lines.push_back(
        {"Остающееся отверстие кольца, мм", FigureText(*plan.hole_left, plan::kHoleDecimals)});
  }
  return lines;
}

Table CheckTable(const Planned& planned) {
  Table table;
  if (!planned.refusal.empty() || !planned.check.calculated) return table;
  const auto designs = Designs(planned);
  table.headings.assign(kDesignHeadings.begin(), kDesignHeadings.end());
  for (std::size_t j = 0; j < planned.calculated.windings.size(); ++j) {
    table.rows.push_back(TurnsRow(designs, j));
  }
  for (const check::DesignFigure& figure : check::kDesignFigures) {
    table.rows.push_back(FigureRow(designs, figure));
    for (const Reference& reference : kReferences) {
      if (reference.after == figure.which) {
        table.rows.push_back(ReferenceRow(planned, reference, figure.decimals, designs.size()));
      }
    }
  }
  AddPlanRows(designs, table.rows);
  return table;
}

std::vector<std::string> CheckVerdicts(const Planned& planned) {
  std::vector<std::string> lines;
  if (!planned.refusal.empty() || !planned.check.calculated) return lines;
  const auto designs = Designs(planned);
  for (std::size_t d = 0; d < designs.size(); ++d) {
    std::string line = std::string(kDesignHeadings[d]) + ": ";
    if (designs[d].check == nullptr) {
      lines.push_back(line + NoRefinedReason(planned));
      continue;
    }
    const std::vector<std::string> flags =
        FlagSentences(*planned.check_input, *designs[d].check, planned.check_settings);
    lines.push_back(line + (flags.empty() ? "замечаний нет." : calc::Join(flags, " ")));
  }
  return lines;
}

std::vector<Line> SettingLines(const Planned& planned) {
  const Settings settings{planned.settings, planned.check_settings};
  std::vector<Line> lines;
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    lines.push_back({std::string(SettingRule(k).name), SettingWords(settings, k)});
  }
  return lines;
}

std::string TurnsWords(const Planned& planned) {
  std::string words = planned.turns == Turns::Refined ? "уточненные витки" : "расчетные витки";
  if (planned.plan.windings.empty()) return words;
  return words + ": " + TurnsList(planned.plan);
}

std::string TurnsChoice(const Planned& planned, Turns turns) {
  std::string words = turns == Turns::Refined ? "уточненных витков" : "расчетных витков";
  const plan::Plan& plan = PlanOf(planned, turns);
  if (plan.windings.empty()) return words;
  return words + ": " + TurnsList(plan);
}

std::string PlanNote(const plan::Settings& settings) {
  return "Длины провода — без выводов. Каркас (у кольца — изоляция на нем), межслойная изоляция, "
         "изоляция между обмотками и наружная — толщины из настроек. Стандартный провод — по " +
         std::string(plan::kWireStandard) +
         ", диаметр в изоляции — наибольший для класса изоляции " + std::to_string(settings.grade) +
         ".";
}

}  // namespace account
