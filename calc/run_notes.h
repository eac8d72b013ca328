#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/calculator.h"
#include "calc/run_trace.h"

namespace calc {

/// What a note says of its subject.
enum class NoteKind : std::uint8_t {
  Empty,        ///< an input field that is empty or blank, read as 0
  NoNumber,     ///< an input field without a leading number, read as 0
  PartlyRead,   ///< an input field whose number stops where more digits follow
  Form,         ///< Text1 holds a core form other than 1, 2 or 3
  Nonpositive,  ///< one of Text2 … Text9 read as 0 or less
  Carried,      ///< a coefficient kept from an earlier run
  Unset,        ///< a coefficient still empty, counted as 0
  FaultAt,      ///< the quantity whose computation faulted
};

/// One note: its kind and subject, an input field (0 is Text1), a Coefficient or a Quantity.
struct RunNote {
  NoteKind kind;
  std::uint8_t subject;

  int field() const { return subject; }
  Coefficient coefficient() const { return static_cast<Coefficient>(subject); }
  Quantity quantity() const { return static_cast<Quantity>(subject); }

  friend bool operator==(const RunNote&, const RunNote&) = default;
};

/// A run's notes in their order: field notes, coefficient notes, the fault note.
class RunNotes {
 public:
  /// One note per input field and per table at most, and one fault.
  static constexpr std::size_t kCapacity = 9 + kCoefficientCount + 1;

  const RunNote* begin() const { return notes_.data(); }
  const RunNote* end() const { return notes_.data() + size_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  void push_back(RunNote note) { notes_[size_++] = note; }

 private:
  std::array<RunNote, kCapacity> notes_{};
  std::size_t size_ = 0;
};

/// The notes of a run from the texts it read, the record it left and its trace.
RunNotes NotesOfRun(const InputTexts& texts, const CalculatorState& record, const RunTrace& trace);

/// The character that cuts the number of an input text short, as for a "partly-read" note:
/// ',' in "0,35" and "1 ,5", ' ' in "1 000", '.' in "1.2.3"; 0 when the text is read whole or holds
/// none.
char CutShortBy(std::string_view text);

/// Appends the note's code: "partly-read:Text9", "carried:Ks", "fault-at:I1".
void AppendCode(const RunNote& note, std::string& out);

/// Appends the codes of all notes, separated by single blanks.
void AppendCodes(const RunNotes& notes, std::string& out);

/// "N", "Pn", … "fit", … "W2": a quantity as its fault note names it.
std::string_view QuantityCode(Quantity q);

/// The input fields a note concerns for a run on core form `form`: bit k for Text(k+1).
std::uint16_t FieldsOf(const RunNote& note, std::int16_t form);

}  // namespace calc
