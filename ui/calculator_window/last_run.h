#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "account/press.h"
#include "calc/result_labels.h"

namespace ui {

/// The window's last press in the window's texts, as its plan's sheet shows it.
struct RunView {
  account::End end = account::End::NotYet;
  std::array<QString, 9> inputs;  ///< the texts the press read (the fields before one)
  /// What Label26 … Label41 show; after a fault only what the press wrote, the rest empty.
  std::array<QString, calc::kResultLabelCount> results;
  QString fault;      ///< "Ошибка 6: …" when the press stopped with a fault
  QStringList notes;  ///< the press's notes in words, one sentence a note
};

/// The window's texts of `press`.
RunView ViewOf(const account::Press& press);

}  // namespace ui
