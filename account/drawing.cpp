#include "account/drawing.h"

#include <algorithm>

#include "account/figure_text.h"
#include "account/reasons.h"
#include "account/tables.h"
#include "plan/figures.h"
#include "windings/design_plan.h"

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

std::vector<Tap> Taps(const Planned& planned) {
  std::vector<Tap> taps;
  for (const std::size_t j : planned.tapped) {
    const windings::TapPlace place =
        windings::TapOf(*planned.input, planned.plan, planned.settings, j);
    taps.push_back({j, place.turn, place.layer, place.depth});
  }
  return taps;
}

std::string TapWords(const Planned& planned, const Tap& tap) {
  const char* from = planned.plan.hole_left ? " мм от стенки." : " мм от стержня.";
  return WindingName(tap.winding) + ": отвод от середины после витка " + std::to_string(tap.turn) +
         " — слой " + std::to_string(tap.layer) + " из " +
         std::to_string(planned.plan.windings[tap.winding].layers) + ", " +
         FigureText(tap.depth, plan::kDepthDecimals) + from;
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
  std::string words = "Обмотки — " + TurnsWords(planned) + ". " +
                      (planned.plan.hole_left ? RingWords(planned) : ShellWords(planned));
  for (const Tap& tap : Taps(planned)) words += " " + TapWords(planned, tap);
  return words;
}

}  // namespace account
