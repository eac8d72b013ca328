#include "account/press.h"

#include <cstring>

#include "account/coefficient_words.h"
#include "calc/core_capacity.h"
#include "calc/note_words.h"

namespace account {

namespace {

constexpr std::size_t kVerdict = 33 - calc::kFirstResultLabel;

// Without a trace the verdict's label tells a core that fits; the two verdicts differ in length.
bool SaysFit(std::string_view verdict) {
  return verdict.size() == calc::kFitVerdict.size() &&
         std::memcmp(verdict.data(), calc::kFitVerdict.data(), verdict.size()) == 0;
}

// The labels of a press a face shows, noting which of them the press wrote: the batch tool's
// labels never need it and go straight to their texts.
class NotingDisplay final : public calc::LabelDisplay {
 public:
  explicit NotingDisplay(Labels& labels) : labels_(labels) {}

  std::uint32_t written = 0;

 private:
  void SetLabel(int number, std::string_view text) override {
    const auto k = static_cast<std::size_t>(number - calc::kFirstResultLabel);
    labels_.Put(k, text);
    written |= 1u << k;
  }

  Labels& labels_;
};

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
  press.capacity_words.clear();
  if (press.end == End::NotFit) {
    if (const auto capacity = calc::FindCoreCapacity(record, texts)) {
      press.capacity_words = calc::CapacityWords(*capacity);
    }
  }
}

}  // namespace

std::string_view ResultText(const Press& press, std::size_t k) {
  if (press.end == End::Faulted && !press.labels.written(k)) return {};
  return press.labels.text(k);
}

std::string_view StatusCode(const Press& press) { return StatusCode(press.fault); }

std::string_view StatusCode(std::optional<values::FaultKind> fault) {
  if (!fault) return "ok";
  switch (*fault) {
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
  Run(texts, parts, press_.labels);
  return press_;
}

const Press& Calculator::CalculateAll(const calc::InputTexts& texts, Parts parts,
                                      const windings::Request& request,
                                      const windings::AllSettings& settings,
                                      windings::Outcome& out) {
  // The design is sized on a copy, so that the next press sees only this press's record.
  calc::CalculatorState before = record_;
  Run(texts, parts, press_.labels);
  windings::Evaluate(before, texts, request, settings, out);
  return press_;
}

const Press& Calculator::CalculateInWords(const calc::InputTexts& texts) {
  NotingDisplay display(press_.labels);
  Run(texts, {.notes = true, .design = true}, display);
  press_.labels.SetWritten(display.written);
  PutWords(texts, record_, press_);
  return press_;
}

void Calculator::Run(const calc::InputTexts& texts, Parts parts, calc::ResultDisplay& display) {
  press_.fault.reset();
  press_.trace = {};
  const bool traced = parts.notes || parts.design;
  try {
    // A press whose notes and design nobody reads keeps no trace.
    if (traced) {
      calc::CalculateDesign(record_, texts, display, press_.trace);
    } else {
      calc::CalculateDesign(record_, texts, display);
    }
  } catch (const values::Fault& fault) {
    press_.fault = fault.kind();
  }
  const bool fits = traced ? press_.trace.fits : SaysFit(press_.labels.text(kVerdict));
  press_.end = press_.fault ? End::Faulted : fits ? End::Fit : End::NotFit;
  if (parts.notes) press_.notes = calc::NotesOfRun(texts, record_, press_.trace);
  if (parts.design && press_.fits()) check::ReadRun(record_, press_.design);
}

}  // namespace account
