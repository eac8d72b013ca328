#include "ui/calculator_window/run_note_words.h"

#include "ui/common/utf8.h"

namespace ui {

// The words come from the engine, so the web page says the same.
std::array<QString, 9> FieldExplanations(const NotedRun& run) {
  const std::array<std::string, 9> words = calc::FieldWords(run);
  std::array<QString, 9> explanations;
  for (std::size_t field = 0; field < words.size(); ++field) {
    explanations[field] = FromUtf8(words[field]);
  }
  return explanations;
}

QStringList NoteLines(const NotedRun& run) {
  QStringList lines;
  for (const std::string& line : calc::NoteLines(run)) lines << FromUtf8(line);
  return lines;
}

QString NoteWords(const NotedRun& run, const calc::RunNote& note) {
  return FromUtf8(calc::NoteSentence(run, note));
}

QString FaultExplanation(const NotedRun& run, const values::Fault& fault) {
  return FromUtf8(calc::FaultWords(run, fault));
}

}  // namespace ui
