#include "calc/run_notes.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "calc/coefficients.h"
#include "values/number_text.h"

namespace calc {

namespace {

constexpr std::size_t kForm = 0;          // Text1
constexpr std::size_t kHeight = 7;        // Text8, h: only shell cores have it
constexpr std::size_t kPower[] = {2, 3};  // Text3 and Text4 make the load power U2 × I2
constexpr std::size_t kThickness = 8;     // Text9

constexpr std::string_view kKindCodes[] = {"empty",       "no-number", "partly-read", "form",
                                           "nonpositive", "carried",   "unset",       "fault-at"};
constexpr std::string_view kQuantityCodes[] = {"N",   "Pn", "Pi", "Ss", "So", "I1", "Ps",
                                               "fit", "S1", "S2", "D1", "D2", "W1", "W2"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(std::string_view text) {
  for (char c : text) {
    if (!IsBlank(c)) return false;
  }
  return true;
}

// "0,35", "1 000", "1.2.3": more digits follow where the number stopped, so it was cut short;
// a unit or word after the number ("1.5A", "2 см") is what the user meant.
bool MoreDigitsFollow(std::string_view rest) {
  std::size_t i = 0;
  while (i < rest.size() && IsBlank(rest[i])) ++i;
  if (i == rest.size()) return false;
  if (IsDigit(rest[i])) return true;
  return (rest[i] == ',' || rest[i] == '.') && i + 1 < rest.size() && IsDigit(rest[i + 1]);
}

std::optional<NoteKind> FieldNote(std::size_t field, std::string_view text) {
  const values::LeadingNumber read = values::ReadLeadingNumber(text);
  if (read.length == 0) return IsBlank(text) ? NoteKind::Empty : NoteKind::NoNumber;
  if (MoreDigitsFollow(text.substr(read.length))) return NoteKind::PartlyRead;
  if (field == kForm) {
    if (!IsKnownForm(read.value)) return NoteKind::Form;
  } else if (read.value <= 0) {
    return NoteKind::Nonpositive;
  }
  return std::nullopt;
}

// The core form as the run rounds it; a number beyond 16 bits is no shell core either.
bool ReadsAsShellCore(std::string_view form_text) {
  return IsShellCore(std::nearbyint(values::ReadNumber(form_text)));
}

constexpr std::uint16_t FieldBit(std::size_t field) {
  return static_cast<std::uint16_t>(1u << field);
}

}  // namespace

RunNotes NotesOfRun(const InputTexts& texts, const CalculatorState& record, const RunTrace& trace) {
  RunNotes notes;
  const bool shell = ReadsAsShellCore(texts[kForm]);
  for (std::size_t field = 0; field < texts.size(); ++field) {
    if (field == kHeight && !shell) continue;
    if (const auto kind = FieldNote(field, texts[field])) {
      notes.push_back({*kind, static_cast<std::uint8_t>(field)});
    }
  }
  for (int k = 0; k < kCoefficientCount; ++k) {
    const auto c = static_cast<Coefficient>(k);
    if ((trace.unmatched & RunTrace::Bit(c)) == 0) continue;
    // The voltage drops start empty in every run, so they are never carried.
    const DynamicValue* kept = Kept(record, c);
    notes.push_back({kept == nullptr || kept->IsEmpty() ? NoteKind::Unset : NoteKind::Carried,
                     static_cast<std::uint8_t>(k)});
  }
  if (trace.faulted) notes.push_back({NoteKind::FaultAt, static_cast<std::uint8_t>(trace.at)});
  return notes;
}

char CutShortBy(std::string_view text) {
  const std::size_t length = values::ReadLeadingNumber(text).length;
  if (length == 0 || !MoreDigitsFollow(text.substr(length))) return 0;
  std::size_t next = length;
  while (IsBlank(text[next])) ++next;
  return IsDigit(text[next]) ? ' ' : text[next];
}

std::string_view QuantityCode(Quantity q) { return kQuantityCodes[static_cast<std::size_t>(q)]; }

void AppendCode(const RunNote& note, std::string& out) {
  out += kKindCodes[static_cast<std::size_t>(note.kind)];
  out += ':';
  switch (note.kind) {
    case NoteKind::Carried:
    case NoteKind::Unset:
      out += Facts(note.coefficient()).code;
      break;
    case NoteKind::FaultAt:
      out += QuantityCode(note.quantity());
      break;
    default:
      out += "Text";
      out += static_cast<char>('1' + note.field());
      break;
  }
}

void AppendCodes(const RunNotes& notes, std::string& out) {
  bool first = true;
  for (const RunNote& note : notes) {
    if (!first) out += ' ';
    AppendCode(note, out);
    first = false;
  }
}

std::uint16_t FieldsOf(const RunNote& note, std::int16_t form) {
  switch (note.kind) {
    case NoteKind::Carried:
    case NoteKind::Unset: {
      const Coefficient c = note.coefficient();
      if (KeyedByForm(c) && !IsKnownForm(form)) return FieldBit(kForm);
      if (c == Coefficient::Ks) return FieldBit(kThickness);
      return FieldBit(kPower[0]) | FieldBit(kPower[1]);
    }
    case NoteKind::FaultAt:
      return 0;
    default:
      return FieldBit(static_cast<std::size_t>(note.field()));
  }
}

}  // namespace calc
