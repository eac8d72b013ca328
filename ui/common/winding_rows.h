#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "windings/design.h"
#include "windings/settings.h"

namespace ui {

/// A further secondary as typed in the windings table: its texts are kept as they are.
struct WindingRow {
  QString voltage;
  QString current;
  windings::Kind kind = windings::Kind::Ac;

  friend bool operator==(const WindingRow&, const WindingRow&) = default;
};

/// The windings table: the described secondary's kind and the further rows, at most seven.
struct WindingRows {
  windings::Kind first = windings::Kind::Ac;
  std::vector<WindingRow> further;

  friend bool operator==(const WindingRows&, const WindingRows&) = default;
};

/// Whether the table asks for more than the described run: further rows, or a kind not `ac`.
bool AsksAllWindings(const WindingRows& rows);

/// The number a cell holds; none for a text that is not a number.
std::optional<double> CellNumber(const QString& text);

/// What the engine is asked: a cell that is not a number reads as 0, which is out of bounds.
windings::Request RequestOf(const WindingRows& rows);

/// The table that asks `request`, each number in its shortest text.
WindingRows RowsOf(const windings::Request& request);

/// The table the user last kept; empty before the first.
WindingRows LoadRows();

/// Keeps the table for the next session.
void StoreRows(const WindingRows& rows);

/// The rectifier settings the user last kept; a value no longer accepted reads as its default.
windings::Settings LoadRectifier();

/// Keeps the rectifier settings for the next session.
void StoreRectifier(const windings::Settings& settings);

}  // namespace ui
