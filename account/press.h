#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/result_labels.h"
#include "calc/run_notes.h"
#include "calc/run_trace.h"
#include "check/design_check.h"
#include "values/fault.h"
#include "windings/design_check.h"

namespace account {

/// How a press of Calculate ended.
enum class End { NotYet, Faulted, NotFit, Fit };

/// What a press works out beyond its labels and status; a face asks only for what it shows.
struct Parts {
  bool notes = false;   ///< the notes, as codes
  bool design = false;  ///< what a plan and a check read of a run whose core fits
};

/// The sixteen result labels as the window shows them after a press.
class Labels final : public calc::LabelDisplay {
 public:
  /// The text of result `k` (0 is Label26).
  std::string_view text(std::size_t k) const { return {texts_[k].data(), sizes_[k]}; }

  /// Whether the last press in words wrote result `k`; after a fault the others keep an earlier
  /// text.
  bool written(std::size_t k) const { return (written_ >> k & 1u) != 0; }

  /// Puts `text` on result `k`. Millions of labels a second: each keeps its largest buffer and
  /// only its length changes.
  void Put(std::size_t k, std::string_view text) {
    std::string& buffer = texts_[k];
    if (text.size() > buffer.size()) buffer.resize(text.size());
    text.copy(buffer.data(), text.size());
    sizes_[k] = text.size();
  }

  /// Which results a press wrote, a bit each.
  void SetWritten(std::uint32_t written) { written_ = written; }

 private:
  void SetLabel(int number, std::string_view text) override {
    Put(static_cast<std::size_t>(number - calc::kFirstResultLabel), text);
  }

  std::array<std::string, calc::kResultLabelCount> texts_;
  std::array<std::size_t, calc::kResultLabelCount> sizes_{};
  std::uint32_t written_ = 0;
};

/// One press of Calculate as every face shows it.
struct Press {
  End end = End::NotYet;
  Labels labels;
  std::optional<values::FaultKind> fault;
  calc::RunTrace trace;
  calc::RunNotes notes;      ///< with Parts::notes
  check::CheckInput design;  ///< with Parts::design, when the core fits
  // With Parts::words:
  std::array<std::string, 9> inputs;       ///< the texts read, as typed
  std::array<std::string, 9> field_words;  ///< each field's notes, a sentence a line; empty if none
  std::vector<std::string> note_lines;     ///< each note, a field's led by its symbol
  std::string fault_message;               ///< «Ошибка 11: Деление на ноль»
  std::string fault_words;                 ///< what could not be computed, and the likely cause
  std::string coefficient_words;           ///< the coefficients the verdict rests on in vain
  std::string capacity_words;  ///< on «Неподходит»: what the core can give; else empty

  /// Whether the core fits and its design can be planned.
  bool fits() const { return end == End::Fit; }
};

/// What result `k` (0 is Label26) says of this press: after a fault only what the press wrote,
/// the rest empty.
std::string_view ResultText(const Press& press, std::size_t k);

/// "ok", or the fault: "overflow", "division-by-zero", "invalid-argument", "type-mismatch".
std::string_view StatusCode(const Press& press);

/// The same of a run that ended with `fault`, or without one.
std::string_view StatusCode(std::optional<values::FaultKind> fault);

/// The calculator of one window, page or batch session: one record for all its presses.
class Calculator {
 public:
  /// One press of Calculate on the nine texts, working out `parts` beyond the labels.
  const Press& Calculate(const calc::InputTexts& texts, Parts parts);

  /// One press with every part, the labels it wrote, and the texts as typed and everything the
  /// press says in words: what a window or a page shows.
  const Press& CalculateInWords(const calc::InputTexts& texts);

  /// Calculate, and the design of all the windings `request` asks for, sized on a copy of the
  /// record as it stood before the press, into `out`.
  const Press& CalculateAll(const calc::InputTexts& texts, Parts parts,
                            const windings::Request& request, const windings::AllSettings& settings,
                            windings::Outcome& out);

  /// The last press.
  const Press& press() const { return press_; }

  /// The record as the presses so far left it.
  const calc::CalculatorState& record() const { return record_; }

 private:
  void Run(const calc::InputTexts& texts, Parts parts, calc::ResultDisplay& display);

  calc::CalculatorState record_;
  Press press_;
};

}  // namespace account
