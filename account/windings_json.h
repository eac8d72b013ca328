#pragma once

#include <string>
#include <vector>

#include "account/tables.h"
#include "check/settings.h"
#include "values/json_writer.h"
#include "windings/design_check.h"

namespace account {

/// One row of a windings table: its kind and its U and I as typed (row 1's are Text3 and Text4).
struct WindingRow {
  windings::Kind kind = windings::Kind::Ac;
  std::string voltage;
  std::string current;
};

/// A windings table, the diode drop as typed and the design of all windings they ask for.
struct WindingsAccount {
  const windings::Outcome& outcome;
  const check::Settings& check_settings;
  std::vector<WindingRow> rows{};
  std::vector<windings::Secondary> read{};  ///< each row's U and I as the design reads them
  bool active = false;     ///< whether the plan and check follow the design of all windings
  bool evaluated = false;  ///< whether `outcome` is of the last press
  double diode = 0;        ///< the drop taken, V
  std::string diode_text{};
  std::string diode_refusal{};
};

/// A table of the account as JSON: headings, and rows of a caption and cells.
void WriteTable(const Table& table, values::JsonWriter& json);

/// The table as a face renders it: the kinds offered, each row with its words, current caption
/// and the reason a cell is out of bounds, the diode drop with the line the settings print, and the
/// design's Pt line, reason, secondaries and flags in words.
void WriteWindings(const WindingsAccount& table, values::JsonWriter& json);

}  // namespace account
