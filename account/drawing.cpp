#include "account/drawing.h"

#include <algorithm>

#include "account/figure_text.h"
#include "account/reasons.h"
#include "account/tables.h"
#include "plan/figures.h"

namespace account {

namespace {

// A window far taller than wide drawn whole would be a sliver: it is cut at the bottom once its
// drawing, frame included, would be more than this many times as tall as wide.
constexpr double kTallestShown = 3;

std::string ShellWords(const Planned& planned) {
  const plan::PlanInput& input = *planned.input;
  const plan::Plan& plan = planned.plan;
  std::string words = "Окно c × h = " + FigureText(10 * input.c, 1) + " × " +
                      FigureText(10 * input.h, 1) + " мм; обмотки с изоляцией занимают " +
                      FigureText(plan.depth, plan::kDepthDecimals) + " мм от стержня (" +
                      FigureText(plan.fill * 100, plan::kFillDecimals) + " % ширины окна).";
  if (plan.fill > 1) words += " За красным пунктиром обмотки не помещаются.";
  if (IsCut(SceneOf(input))) words += " Окно много выше своей ширины и показано не на всю высоту.";
  return words;
}

std::string RingWords(const Planned& planned) {
  const plan::Plan& plan = planned.plan;
  return "Отверстие кольца ⌀ " + FigureText(10 * planned.input->c, 1) +
         " мм; обмотки с изоляцией занимают " + FigureText(plan.depth, plan::kDepthDecimals) +
         " мм от стенки (" + FigureText(plan.fill * 100, plan::kFillDecimals) +
         " % радиуса), остается ⌀ " + FigureText(*plan.hole_left, plan::kHoleDecimals) + " мм.";
}

}  // namespace

std::vector<Band> Bands(const Planned& planned) {
  const plan::Settings& settings = planned.settings;
  std::vector<Band> bands;
  double at = 0;
  const auto add = [&](Part part, std::size_t winding, double thickness, std::int64_t layers,
                       double pitch) {
    bands.push_back({part, winding, at, at + thickness, layers, pitch});
    at += thickness;
  };
  add(Part::Bobbin, 0, settings.bobbin, 1, 0);
  for (std::size_t j = 0; j < planned.plan.windings.size(); ++j) {
    if (j > 0) add(Part::Between, 0, settings.between, 1, 0);
    const plan::WindingPlan& winding = planned.plan.windings[j];
    add(Part::Winding, j, winding.build, winding.layers, winding.overall + settings.interlayer);
  }
  add(Part::Wrap, 0, settings.wrap, 1, 0);
  return bands;
}

std::string PartName(Part part, std::size_t winding, bool ring) {
  switch (part) {
    case Part::Core:
      return "Магнитопровод";
    case Part::Bobbin:
      return ring ? "Изоляция на кольце" : "Каркас";
    case Part::Winding:
      return WindingName(winding);
    case Part::Between:
      return "Изоляция между обмотками";
    case Part::Wrap:
      return "Наружная изоляция";
    case Part::Free:
      return "Свободно";
  }
  return {};
}

ShellScene SceneOf(const plan::PlanInput& input) {
  return {10 * input.c, 10 * input.h, std::min(5 * input.a, 10 * input.c)};
}

double ShownHeight(const ShellScene& scene) {
  return std::min(scene.height + 2 * scene.frame, kTallestShown * (scene.width + 2 * scene.frame));
}

bool IsCut(const ShellScene& scene) { return ShownHeight(scene) < scene.height + 2 * scene.frame; }

std::string DrawingWords(const Planned& planned) {
  if (!planned.HasPlan()) return NoPlanReason(planned);
  const std::string turns = "Обмотки — " + TurnsWords(planned) + ". ";
  return turns + (planned.plan.hole_left ? RingWords(planned) : ShellWords(planned));
}

}  // namespace account
