#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "account/planned.h"
#include "account/press.h"
#include "account/settings.h"
#include "account/windings_json.h"
#include "calc/calculator.h"
#include "design_file/design.h"
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

  /// The design of the field texts and `title` as typed with the settings taken, and what the
  /// last design opened held besides, as a file: {"name", "text"} for the download.
  std::string DesignFile(const calc::InputTexts& fields, std::string_view title) const;

  /// The same design as the address's fragment: {"fragment": "design=…"}.
  std::string DesignFragment(const calc::InputTexts& fields, std::string_view title) const;

  /// Opens the design file `name` holding `text`: {"title", "fields", "settings",
  /// "windings": {"first", "further": [[U, I, kind]], "diode"}}, the
  /// texts for the page to put in, its settings taken here; or {"refusal"} naming the file, and
  /// nothing changes.
  std::string OpenDesign(std::string_view name, std::string_view text);

  /// Opens the design an address's fragment holds, as OpenDesign.
  std::string OpenFragment(std::string_view fragment);

  /// {"refusal"} for the file `name` that the page could not read.
  static std::string UnreadableDesign(std::string_view name);

 private:
  std::string Answer();
  design_file::Design Shown(const calc::InputTexts& fields, std::string_view title) const;
  std::string Opened(std::variant<design_file::Design, std::string> read,
                     std::string (*refusal)(std::string_view name, std::string_view reason),
                     std::string_view name);
  account::WindingsAccount Windings() const;

  /// Whether the table asks for more than the described run: a plan of all windings.
  bool Several() const;

  account::Calculator calculator_;
  account::TakenSettings settings_;
  account::Planned planned_;
  design_file::Design design_;  ///< the last opened: what the page does not show it saves again
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
