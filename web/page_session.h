#pragma once

#include <string>

#include "account/planned.h"
#include "account/press.h"
#include "account/settings.h"
#include "calc/calculator.h"

namespace web {

/// The page's calculator: one record for all presses of Calculate, as in the window, and the
/// settings of the plan and the check as last typed. Answers are the account of the last press
/// as JSON.
class PageSession {
 public:
  /// One press of Calculate on the nine field texts.
  std::string Calculate(const calc::InputTexts& texts);

  /// The settings of the plan and the check as typed: each one taken or refused, and the last
  /// press planned and checked again with those taken.
  std::string SetSettings(const account::SettingTexts& texts);

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

  account::Calculator calculator_;
  account::TakenSettings settings_;
  account::Planned planned_;
  account::Turns turns_ = account::Turns::Refined;
};

}  // namespace web
