#include "batch/check_columns.h"

#include <optional>
#include <string_view>

#include "check/figures.h"
#include "plan/figures.h"
#include "values/number_text.h"

namespace batch {

namespace {

// Verdict, the design's figures, two refined turns, refined plan verdict and fill, refined
// verdict and figures.
constexpr std::size_t kFields =
    1 + check::kDesignFigures.size() + 2 + 2 + 1 + check::kRefinedFigures.size();
static_assert(kFields == 27);

void AppendEmpty(std::size_t fields, std::string& out) { out.append(fields, '\t'); }

void AppendNumber(std::optional<double> x, int decimals, std::string& out) {
  out += '\t';
  if (x) values::AppendExactFixed(*x, decimals, out);
}

void AppendVerdictField(const check::DesignCheck& design, std::string& out) {
  out += '\t';
  check::AppendVerdict(design, out);
}

void AppendFigure(const check::DesignCheck& design, check::Figure which, std::string& out) {
  const check::DesignFigure& figure = check::FigureOf(which);
  AppendNumber(figure.value(design), figure.decimals, out);
}

std::optional<double> Turns(const check::Refined& refined, std::size_t winding) {
  if (winding >= refined.turns.size()) return std::nullopt;
  return static_cast<double>(refined.turns[winding]);
}

void AppendRefined(const check::Refined& refined, std::string& out) {
  AppendNumber(Turns(refined, 0), check::kTurnsDecimals, out);
  // Without refined turns, W1r alone may be known, and why the rest is not.
  const bool refined_turns = refined.check.has_value();
  AppendNumber(refined_turns ? Turns(refined, 1) : std::nullopt, check::kTurnsDecimals, out);
  out += '\t';
  out += plan::VerdictCode(refined.plan.verdict);
  if (!refined_turns) return AppendEmpty(2 + check::kRefinedFigures.size(), out);
  AppendNumber(refined.plan.fill * 100, check::kRefinedFillDecimals, out);
  AppendVerdictField(*refined.check, out);
  for (const check::Figure which : check::kRefinedFigures) AppendFigure(*refined.check, which, out);
}

}  // namespace

void AppendCheckFields(const account::Planned& planned, std::string& out) {
  if (!planned.input) return AppendEmpty(kFields, out);
  const check::Check* check = &planned.check;
  if (!check->calculated) {
    out += '\t';
    out += check::kNoneCode;
    return AppendEmpty(kFields - 1, out);
  }
  AppendVerdictField(*check->calculated, out);
  for (const check::DesignFigure& figure : check::kDesignFigures) {
    AppendNumber(figure.value(*check->calculated), figure.decimals, out);
  }
  AppendRefined(check->refined, out);
}

void AppendCheckHeader(std::string& out) {
  const auto name = [&out](std::string_view prefix, std::string_view text) {
    out.append("\t").append(prefix).append(text);
  };
  name("", check::kVerdictName);
  for (const check::DesignFigure& figure : check::kDesignFigures)
    name(check::kCalculatedPrefix, figure.name);
  name("", check::kRefinedPrimaryName);
  name("", check::kRefinedSecondaryName);
  name("", check::kRefinedPlanName);
  name("", check::kRefinedFillName);
  name("", check::kRefinedVerdictName);
  for (const check::Figure which : check::kRefinedFigures) {
    name(check::kRefinedPrefix, check::FigureOf(which).name);
  }
}

}  // namespace batch
