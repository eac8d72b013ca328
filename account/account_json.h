#pragma once

#include <string>

#include "account/planned.h"
#include "account/press.h"
#include "account/settings.h"
#include "account/windings_json.h"

namespace account {

/// The account of one press of Calculate: the press, the settings as typed, the plan and check.
struct Account {
  const Press& press;
  const TakenSettings& settings;
  const Planned& planned;
  const WindingsAccount* windings = nullptr;  ///< a face with a windings table
};

/// The account as the page reads it, one JSON object: the inputs as typed, labels, status, the
/// notes and fault in words, what a refused core can give, the settings as taken with each
/// refusal, the plan and the check as rows with their words, the marks of the turns as
/// calculated, the drawing's bands and the texts the copies put on the clipboard;
/// and the windings table when there is one.
std::string AccountJson(const Account& account);

/// The window's controls and the settings' rules, for the page to be built from.
std::string LayoutJson();

}  // namespace account
