#pragma once

#include <string>
#include <variant>

#include "design_file/design.h"

namespace design_file {

/// The design of the window's example, with a title and settings off their defaults.
inline Design ExampleDesign() {
  Design design;
  design.title = "Накальный трансформатор «ТН-1»";
  design.fields = {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
  design.windings.first = windings::Kind::Ct;
  design.windings.further = {{.voltage = 6.3, .current = 3, .kind = windings::Kind::Ac},
                             {.voltage = 250, .current = 0.05, .kind = windings::Kind::BridgeC}};
  design.plan.grade = 1;
  design.plan.bobbin = 1.5;
  design.plan.own_wire[1] = 0.45;
  design.check.frequency = 60;
  design.check.ambient = 25.5;
  design.rectifier.diode = 0.7;
  design.check.refine_flux = 1.2;
  return design;
}

/// The reason of a refused read, or "read" when it was not refused.
inline std::string ReasonOf(const std::variant<Design, std::string>& read) {
  return read.index() == 1 ? std::get<1>(read) : "read";
}

}  // namespace design_file
