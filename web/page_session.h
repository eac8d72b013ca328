#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "account/planned.h"
#include "account/press.h"
#include "account/settings.h"
#include "account/windings_json.h"
#include "calc/calculator.h"
#include "windings/design_check.h"

namespace web {

/// The page's calculator: one record for all presses of Calculate, as in the window, and the
/// settings of the plan and the check as last typed. Answers are the account of the last press
/// as JSON.
class PageSession {
 public:
  PageSession();

  /// One press of Calculate on the nine field texts.
  std::string Calculate(const calc::InputTexts& texts);

  /// The settings of the plan and the check as typed: each one taken or refused, and the last
  /// press planned and checked again with those taken.
  std::string SetSettings(const account::SettingTexts& texts);

  /// The windings table as typed: row 1's kind code, the diode drop, then each further row's U,
  /// I and kind code; the plan and check follow the design of all windings it asks for.
  std::string SetWindings(std::span<const std::string_view> texts);

  /// Which turns the plan is laid for, the refined ones when there are such; the check shows
  /// both.
  std::string ChooseTurns(account::Turns turns);

  /// The results as the copy puts them on the clipboard; before the first press, with the
  /// fields' texts.
  std::string ResultsText(const calc::InputTexts& fields) const;

  /// The window's layout and texts, and the settings' rules, for the page to be built from.
  static std::string Layout();

 private:
  std::string Answer();
  account::WindingsAccount Windings() const;

  /// Whether the table asks for more than the described run: a plan of all windings.
  bool Several() const;

  account::Calculator calculator_;
  account::TakenSettings settings_;
  account::Planned planned_;
  calc::CalculatorState
      before_;  ///< the record before the last press: all windings are sized on it
  std::array<std::string, 9> pressed_;  ///< the texts of the last press
  windings::Request request_;
  std::vector<std::array<std::string, 2>> further_;  ///< U and I of rows 2, 3, … as typed
  windings::Settings rectifier_;
  std::string diode_text_;
  std::string diode_refusal_;
  windings::Outcome outcome_;

  account::Turns turns_ = account::Turns::Refined;
};

}  // namespace web
