#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "calc/note_words.h"
#include "values/fault.h"

namespace ui {

using calc::NotedRun;

/// For each input field, what its notes say in Russian, one sentence a note; empty when none.
std::array<QString, 9> FieldExplanations(const NotedRun& run);

/// What one note says in Russian, one sentence.
QString NoteWords(const NotedRun& run, const calc::RunNote& note);

/// Each note of the run as one Russian sentence, a field's note led by the field's symbol
/// («I2: Прочитано 1: …»), in the notes' order; empty when the run has none.
QStringList NoteLines(const NotedRun& run);

/// For a run that faulted: what could not be computed and the likely cause, in Russian.
QString FaultExplanation(const NotedRun& run, const values::Fault& fault);

}  // namespace ui
