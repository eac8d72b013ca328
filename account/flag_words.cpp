#include "account/flag_words.h"

#include <cmath>
#include <cstddef>

#include "account/figure_text.h"
#include "calc/note_words.h"
#include "check/figures.h"

namespace account {

namespace {

std::string Shown(check::Figure which, double value) {
  return FigureText(value, check::FigureOf(which).decimals);
}

std::string FluxSentence(const check::CheckInput& input, const check::DesignCheck& design) {
  return "Сталь перегружена: индукция без нагрузки " +
         Shown(check::Figure::FluxDensity, design.flux_density) + " Тл, а по таблице " +
         Shown(check::Figure::FluxDensity, input.bmax) +
         " Тл — больше ток холостого хода, нагрев и гул.";
}

std::string HotSentence(const check::DesignCheck& design, const check::Settings& settings) {
  return "Обмотки нагреются до " + Shown(check::Figure::Temperature, design.temperature) +
         " °C, а изоляция выдерживает " + Shown(check::Figure::Temperature, settings.limit) +
         " °C.";
}

// What secondary `k` gives at full load against what was asked of it.
std::string VoltsSentence(const check::CheckInput& input, const check::DesignCheck& design,
                          std::size_t k) {
  const double asked = input.run.windings.at(k + 1).voltage;
  const double given = design.outputs.at(k).full_load;
  const auto volts = [](double v) { return Shown(check::Figure::FullLoadVoltage, v); };
  return "Под полной нагрузкой на выходе " + volts(given) + " В вместо " + volts(asked) +
         " В: на " + volts(std::fabs(given - asked)) + " В " +
         (given > asked ? "больше" : "меньше") + ".";
}

}  // namespace

std::vector<std::string> FlagSentences(const check::CheckInput& input,
                                       const check::DesignCheck& design,
                                       const check::Settings& settings) {
  std::vector<std::string> sentences;
  for (const check::Flag flag : check::kAllFlags) {
    if (!design.flags[static_cast<std::size_t>(flag)]) continue;
    switch (flag) {
      case check::Flag::FluxHigh:
        sentences.push_back(FluxSentence(input, design));
        break;
      case check::Flag::Hot:
        sentences.push_back(HotSentence(design, settings));
        break;
      case check::Flag::Volts:
        for (std::size_t k = 0; k < design.outputs.size(); ++k) {
          if (design.outputs[k].volts_off) sentences.push_back(VoltsSentence(input, design, k));
        }
        break;
    }
  }
  return sentences;
}

std::string FlagSummary(const check::CheckInput& input, const check::DesignCheck& design,
                        const check::Settings& settings) {
  const std::vector<std::string> sentences = FlagSentences(input, design, settings);
  return sentences.empty() ? "Замечаний нет." : calc::Join(sentences, " ");
}

}  // namespace account
