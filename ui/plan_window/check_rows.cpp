#include "ui/plan_window/check_rows.h"

#include <optional>

#include "check/figures.h"
#include "check/settings.h"
#include "plan/figures.h"
#include "ui/common/check_words.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

/// A figure compared with what the run or the settings ask: shown on a line of its own after
/// it, with its decimals.
struct Reference {
  check::Figure after;
  QString (*caption)();
  double (*value)(const PlannedRun&);
};

// The limit is named as its setting is.
QString LimitCaption() {
  const values::SettingRule& rule = check::RuleOf(check::Setting::Limit);
  return FromUtf8(rule.name) + QStringLiteral(", ") + FromUtf8(rule.unit);
}

const Reference kReferences[] = {
    {check::Figure::FluxDensity, [] { return QStringLiteral("Bmax по таблице, Тл"); },
     [](const PlannedRun& p) { return p.check_input->bmax; }},
    {check::Figure::FullLoadVoltage, [] { return QStringLiteral("U2 по заданию, В"); },
     [](const PlannedRun& p) { return p.check_input->run.windings.at(1).voltage; }},
    {check::Figure::Temperature, LimitCaption,
     [](const PlannedRun& p) { return p.check_settings.limit; }},
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

struct Design {
  const check::DesignCheck* check = nullptr;
  const plan::Plan* plan = nullptr;
};

std::array<Design, 2> Designs(const PlannedRun& planned) {
  const check::Refined& refined = planned.check.refined;
  return {Design{&*planned.check.calculated, &planned.calculated},
          Design{refined.check ? &*refined.check : nullptr, &refined.plan}};
}

CheckRow TurnsRow(const std::array<Design, 2>& designs, std::size_t j) {
  CheckRow row{QStringLiteral("Число витков W%1").arg(j + 1), {}};
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr || designs[d].plan->windings.size() <= j) continue;
    row.values[d] =
        Figure(static_cast<double>(designs[d].plan->windings[j].turns), check::kTurnsDecimals);
  }
  return row;
}

CheckRow FigureRow(const std::array<Design, 2>& designs, const check::DesignFigure& figure) {
  CheckRow row{FromUtf8(figure.name), {}};
  const std::optional<check::Flag> flag = FlagOf(figure.which);
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr) continue;
    const std::optional<double> value = figure.value(*designs[d].check);
    row.values[d] = value ? Figure(*value, figure.decimals) : QStringLiteral("—");
    row.flagged[d] = flag && designs[d].check->flags[static_cast<std::size_t>(*flag)];
  }
  return row;
}

CheckRow ReferenceRow(const PlannedRun& planned, const Reference& reference, int decimals) {
  const QString value = Figure(reference.value(planned), decimals);
  return {reference.caption(), {value, value}};
}

void AddPlanRows(const std::array<Design, 2>& designs, std::vector<CheckRow>& rows) {
  CheckRow verdict{QStringLiteral("План намотки"), {}};
  CheckRow fill{QStringLiteral("Заполнение окна, %"), {}};
  for (std::size_t d = 0; d < designs.size(); ++d) {
    if (designs[d].check == nullptr) continue;
    const plan::Plan& plan = *designs[d].plan;
    verdict.values[d] = FromUtf8(plan::VerdictText(plan.verdict));
    verdict.flagged[d] = plan.verdict != plan::Verdict::Fits;
    fill.values[d] = Figure(plan.fill * 100, plan::kFillDecimals);
    fill.flagged[d] = verdict.flagged[d];
  }
  rows.push_back(verdict);
  rows.push_back(fill);
}

QString NoRefinedReason(const PlannedRun& planned) {
  const check::Refined& refined = planned.check.refined;
  if (refined.turns.empty()) {
    return QStringLiteral(
        "уточнить витки нельзя: число витков первичной обмотки выходит за "
        "1 … 1 000 000.");
  }
  if (refined.plan.verdict == plan::Verdict::No && refined.plan.windings.empty()) {
    return QStringLiteral("уточненные витки не ложатся в слой.");
  }
  return QStringLiteral(
      "уточнить витки нельзя: падение напряжения в первичной обмотке съедает все напряжение "
      "сети или вторичной обмотке нужно слишком много витков.");
}

}  // namespace

const std::array<QString, 2> kCheckHeadings = {QStringLiteral("Расчетные витки"),
                                               QStringLiteral("Уточненные витки")};

std::vector<CheckRow> CheckRows(const PlannedRun& planned) {
  const std::array<Design, 2> designs = Designs(planned);
  std::vector<CheckRow> rows = {TurnsRow(designs, 0), TurnsRow(designs, 1)};
  for (const check::DesignFigure& figure : check::kDesignFigures) {
    rows.push_back(FigureRow(designs, figure));
    for (const Reference& reference : kReferences) {
      if (reference.after == figure.which) {
        rows.push_back(ReferenceRow(planned, reference, figure.decimals));
      }
    }
  }
  AddPlanRows(designs, rows);
  return rows;
}

QStringList CheckVerdicts(const PlannedRun& planned) {
  QStringList lines;
  const std::array<Design, 2> designs = Designs(planned);
  for (std::size_t d = 0; d < designs.size(); ++d) {
    const QString heading = kCheckHeadings[d] + QStringLiteral(": ");
    if (designs[d].check == nullptr) {
      lines << heading + NoRefinedReason(planned);
      continue;
    }
    const QStringList flags =
        FlagSentences(*planned.check_input, *designs[d].check, planned.check_settings);
    lines << heading + (flags.isEmpty() ? QStringLiteral("замечаний нет.") : flags.join(' '));
  }
  return lines;
}

bool AnyFlag(const PlannedRun& planned) {
  for (const Design& design : Designs(planned)) {
    if (design.check != nullptr && !design.check->ok()) return true;
  }
  return false;
}

}  // namespace ui
