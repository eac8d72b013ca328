// Designs the account's tests share: the start input and a valve amplifier's windings.
#pragma once

#include "account/press.h"

namespace account::examples {

inline const calc::InputTexts kStart{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
inline const calc::InputTexts kValve{"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"};
/// A centre tap feeding two diodes and a capacitor, and two heaters.
inline const windings::Request kValveWindings{
    windings::Kind::CtC, {{6.3, 2, windings::Kind::Ac}, {5, 2, windings::Kind::Ac}}};

/// The design of all windings with the default settings.
inline windings::Outcome DesignOf(const calc::InputTexts& texts, const windings::Request& request) {
  Calculator calculator;
  windings::Outcome outcome;
  calculator.CalculateAll(texts, {}, request, {}, outcome);
  return outcome;
}

}  // namespace account::examples
