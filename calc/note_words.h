#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/run_notes.h"
#include "values/fault.h"

namespace calc {

/// A run as its notes are explained: the texts it read and the record it left.
struct NotedRun {
  const InputTexts& texts;
  const CalculatorState& record;
  const RunNotes& notes;
};

/// For each input field, what its notes say in Russian (UTF-8), one sentence a line; empty when
/// none.
std::array<std::string, 9> FieldWords(const NotedRun& run);

/// The start of a field's text as the notes and the sheet quote it: valid UTF-8, trimmed, at
/// most 24 characters, with "…" where it was cut. A field may hold a megabyte.
std::string Shortened(std::string_view text);

/// What one note says in Russian, one sentence.
std::string NoteSentence(const NotedRun& run, const RunNote& note);

/// Each note of the run as one Russian sentence, a field's note led by the field's symbol
/// («I2: Прочитано 1: …»), in the notes' order; empty when the run has none.
std::vector<std::string> NoteLines(const NotedRun& run);

/// Where a fault's words send the user for the notes of the fields it marked: their tooltips.
inline constexpr std::string_view kMarkedFieldsWords =
    "\nПоля с замечаниями выделены цветом, подробности - в их подсказках.";

/// For a run that faulted: what could not be computed and the likely cause, in Russian.
std::string FaultWords(const NotedRun& run, const values::Fault& fault);

/// The parts with `separator` between them.
std::string Join(const std::vector<std::string>& parts, std::string_view separator);

/// "Ошибка 11: Деление на ноль".
std::string FaultMessage(const values::Fault& fault);

}  // namespace calc
