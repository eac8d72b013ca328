#include "account/press.h"

#include "account/coefficient_words.h"
#include "calc/note_words.h"

namespace account {

namespace {

constexpr std::size_t kVerdict = 33 - calc::kFirstResultLabel;

void PutWords(const calc::InputTexts& texts, const calc::CalculatorState& record, Press& press) {
  for (std::size_t k = 0; k < texts.size(); ++k) press.inputs[k].assign(texts[k]);
  const calc::NotedRun run{texts, record, press.notes};
  press.field_words = calc::FieldWords(run);
  press.note_lines = calc::NoteLines(run);
  press.fault_message.clear();
  press.fault_words.clear();
  if (press.fault) {
    const values::Fault fault(*press.fault);
    press.fault_message = calc::FaultMessage(fault);
    press.fault_words = calc::FaultWords(run, fault);
  }
  // A fault before the fit decision leaves no verdict to rest on anything.
  const bool verdict_shown = !press.fault || press.trace.at > calc::Quantity::Fit;
  press.coefficient_words = verdict_shown ? CoefficientWords(run) : std::string();
}

}  // namespace

std::string_view ResultText(const Press& press, std::size_t k) {
  if (press.end == End::Faulted && !press.labels.written(k)) return {};
  return press.labels.text(k);
}

std::string_view StatusCode(const Press& press) {
  if (!press.fault) return "ok";
  switch (*press.fault) {
    case values::FaultKind::Overflow:
      return "overflow";
    case values::FaultKind::DivisionByZero:
      return "division-by-zero";
    case values::FaultKind::InvalidArgument:
      return "invalid-argument";
    case values::FaultKind::TypeMismatch:
      return "type-mismatch";
  }
  return "ok";
}

const Press& Calculator::Calculate(const calc::InputTexts& texts, Parts parts) {
  parts.notes = parts.notes || parts.words;
  press_.fault.reset();
  press_.trace = {};
  press_.labels.StartPress();
  const bool traced = parts.notes || parts.design;
  try {
    // A press whose notes and design nobody reads keeps no trace.
    if (traced) {
      calc::CalculateDesign(record_, texts, press_.labels, press_.trace);
    } else {
      calc::CalculateDesign(record_, texts, press_.labels);
    }
  } catch (const values::Fault& fault) {
    press_.fault = fault.kind();
  }
  const bool fits = traced ? press_.trace.fits : press_.labels.text(kVerdict) == calc::kFitVerdict;
  press_.end = press_.fault ? End::Faulted : fits ? End::Fit : End::NotFit;
  if (parts.notes) press_.notes = calc::NotesOfRun(texts, record_, press_.trace);
  if ((parts.design || parts.words) && press_.fits()) check::ReadRun(record_, press_.design);
  if (parts.words) PutWords(texts, record_, press_);
  return press_;
}

}  // namespace account
