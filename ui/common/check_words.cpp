#include "ui/common/check_words.h"

#include <cmath>

#include "check/figures.h"
#include "ui/common/figure.h"

namespace ui {

namespace {

QString Shown(check::Figure which, double value) {
  return Figure(value, check::FigureOf(which).decimals);
}

QString FluxSentence(const check::CheckInput& input, const check::DesignCheck& design) {
  return QStringLiteral(
             "Сталь перегружена: индукция без нагрузки %1 Тл, а по таблице %2 Тл — больше ток "
             "холостого хода, нагрев и гул.")
      .arg(Shown(check::Figure::FluxDensity, design.flux_density),
           Shown(check::Figure::FluxDensity, input.bmax));
}

QString HotSentence(const check::DesignCheck& design, const check::Settings& settings) {
  return QStringLiteral("Обмотки нагреются до %1 °C, а изоляция выдерживает %2 °C.")
      .arg(Shown(check::Figure::Temperature, design.temperature),
           Shown(check::Figure::Temperature, settings.limit));
}

QString VoltsSentence(const check::CheckInput& input, const check::DesignCheck& design) {
  const double asked = input.run.windings.at(1).voltage;
  const double given = design.outputs.at(0).full_load;
  return QStringLiteral("Под полной нагрузкой на выходе %1 В вместо %2 В: на %3 В %4.")
      .arg(Shown(check::Figure::FullLoadVoltage, given),
           Shown(check::Figure::FullLoadVoltage, asked),
           Shown(check::Figure::FullLoadVoltage, std::fabs(given - asked)),
           given > asked ? QStringLiteral("больше") : QStringLiteral("меньше"));
}

}  // namespace

QStringList FlagSentences(const check::CheckInput& input, const check::DesignCheck& design,
                          const check::Settings& settings) {
  QStringList sentences;
  for (const check::Flag flag : check::kAllFlags) {
    if (!design.flags[static_cast<std::size_t>(flag)]) continue;
    switch (flag) {
      case check::Flag::FluxHigh:
        sentences << FluxSentence(input, design);
        break;
      case check::Flag::Hot:
        sentences << HotSentence(design, settings);
        break;
      case check::Flag::Volts:
        sentences << VoltsSentence(input, design);
        break;
    }
  }
  return sentences;
}

QString FlagSummary(const check::CheckInput& input, const check::DesignCheck& design,
                    const check::Settings& settings) {
  const QStringList sentences = FlagSentences(input, design, settings);
  if (sentences.isEmpty()) return QStringLiteral("Замечаний нет.");
  return sentences.join(QLatin1Char(' '));
}

}  // namespace ui
