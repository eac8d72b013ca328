// Any bytes as the lines of one batch input on one record: lines split into exactly the fields
// they hold, and every run ends complete or in one of the four faults with sixteen number or
// verdict texts, valid UTF-8, and an outcome keyword. A second record runs the same lines with
// notes: its lines start with the same seventeen fields and name only known notes, in order.
// A third runs them with a plan under settings picked by the input: 26 more fields, a known
// verdict exactly for a run whose core fits, and finite plain numbers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_session.h"
#include "calc/result_labels.h"

namespace {

constexpr std::size_t kOutputFields = calc::kResultLabelCount + 1;
constexpr std::size_t kVerdict = 33 - calc::kFirstResultLabel;

[[noreturn]] void Fail(const char* what, std::string_view line, std::string_view output) {
  std::fprintf(stderr, "%s\n  line = \"%.*s\"\n  output = \"%.*s\"\n", what,
               static_cast<int>(line.size()), line.data(), static_cast<int>(output.size()),
               output.data());
  std::abort();
}

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    unsigned min = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000;
    } else {
      return false;
    }
    if (s.size() - i <= extra) return false;
    unsigned code = lead & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

bool IsNumberText(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e';
  });
}

void CheckSplit(std::string_view line, batch::LineKind kind, const calc::InputTexts& fields) {
  const bool skip = line.empty() || line.front() == '#';
  const auto tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
  const batch::LineKind expected = skip                         ? batch::LineKind::Skip
                                   : tabs >= batch::kFieldCount ? batch::LineKind::TooManyFields
                                                                : batch::LineKind::Run;
  if (kind != expected) Fail("line sorted wrongly", line, "");
  if (kind != batch::LineKind::Run) return;
  std::string joined;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > tabs) {
      if (!fields[i].empty()) Fail("a missing field is not empty", line, "");
      continue;
    }
    if (i > 0) joined += '\t';
    joined += fields[i];
  }
  if (joined != line) Fail("fields do not make up the line", line, "");
}

void CheckOutput(std::string_view line, std::string_view out) {
  if (out.empty() || out.back() != '\n' || out.find('\n') != out.size() - 1) {
    Fail("a run must write exactly one line", line, out);
  }
  std::array<std::string_view, kOutputFields> parts;
  std::string_view rest = out.substr(0, out.size() - 1);
  for (std::size_t i = 0; i < kOutputFields; ++i) {
    const std::size_t tab = rest.find('\t');
    if ((tab == std::string_view::npos) != (i + 1 == kOutputFields)) {
      Fail("output has not seventeen fields", line, out);
    }
    parts[i] = rest.substr(0, tab);
    rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
  }
  const std::string_view status = parts.back();
  if (status != "ok" && status != "overflow" && status != "division-by-zero" &&
      status != "invalid-argument" && status != "type-mismatch") {
    Fail("unknown outcome", line, out);
  }
  const std::string_view verdict = parts[kVerdict];
  if (verdict != "" && verdict != calc::kFitVerdict && verdict != calc::kNotFitVerdict) {
    Fail("unknown verdict", line, out);
  }
  if (status == "ok" && verdict.empty()) Fail("a completed run without verdict", line, out);
  for (std::size_t i = 0; i < calc::kResultLabelCount; ++i) {
    if (!IsValidUtf8(parts[i])) Fail("label text is not UTF-8", line, out);
    if (i != kVerdict && !IsNumberText(parts[i])) Fail("label is not a number", line, out);
    if (verdict == calc::kNotFitVerdict && i != 0 && i != kVerdict && !parts[i].empty()) {
      Fail("a core that does not fit shows figures", line, out);
    }
  }
}

// Every code a note can have, in the order notes come: by field, then by table, then the fault.
std::vector<std::string> KnownCodes() {
  std::vector<std::string> codes;
  for (int k = 1; k <= 9; ++k) {
    const std::string field = ":Text" + std::to_string(k);
    for (const char* kind : {"empty", "no-number", "partly-read"}) codes.push_back(kind + field);
    codes.push_back((k == 1 ? "form" : "nonpositive") + field);
  }
  for (const char* c : {"kpd", "cosFi", "Bmax", "J", "Ko", "Ks", "dU1", "dU2"}) {
    codes.push_back(std::string("carried:") + c);
    codes.push_back(std::string("unset:") + c);
  }
  for (const char* q :
       {"N", "Pn", "Pi", "Ss", "So", "I1", "Ps", "fit", "S1", "S2", "D1", "D2", "W1", "W2"}) {
    codes.push_back(std::string("fault-at:") + q);
  }
  return codes;
}

void CheckNotes(std::string_view line, std::string_view plain, std::string_view noted) {
  if (plain.size() > noted.size() ||
      noted.substr(0, plain.size() - 1) != plain.substr(0, plain.size() - 1) ||
      noted[plain.size() - 1] != '\t' || noted.back() != '\n') {
    Fail("notes change the results", line, noted);
  }
  static const std::vector<std::string> known = KnownCodes();
  std::string_view codes = noted.substr(plain.size(), noted.size() - plain.size() - 1);
  const bool ok = plain.ends_with("\tok\n");
  std::size_t last = 0;
  bool first = true;
  bool fault_seen = false;
  while (!codes.empty()) {
    const std::size_t blank = codes.find(' ');
    const std::string_view code = codes.substr(0, blank);
    codes.remove_prefix(blank == std::string_view::npos ? codes.size() : blank + 1);
    const auto at = std::find(known.begin(), known.end(), code);
    if (at == known.end()) Fail("unknown note", line, noted);
    const auto position = static_cast<std::size_t>(at - known.begin());
    // One note a field or table at most, so the positions rise strictly.
    if (!first && position <= last) Fail("notes out of order", line, noted);
    fault_seen = code.starts_with("fault-at:");
    last = position;
    first = false;
  }
  if (fault_seen == ok) Fail("fault note and outcome disagree", line, noted);
}

constexpr std::size_t kPlanFields = 26;

// Settings from the whole range, the bounds included, chosen by the input.
plan::Settings PickSettings(std::string_view input) {
  constexpr double kThicknesses[] = {0, 0.01, 0.05, 0.3, 1, 2.5, 10, 100};
  const std::size_t h = std::hash<std::string_view>{}(input);
  plan::Settings settings;
  settings.grade = 1 + static_cast<int>(h & 1);
  settings.bobbin = kThicknesses[(h >> 1) & 7];
  settings.interlayer = kThicknesses[(h >> 4) & 7];
  settings.between = kThicknesses[(h >> 7) & 7];
  settings.wrap = kThicknesses[(h >> 10) & 7];
  return settings;
}

bool IsPlainNumber(std::string_view s) {
  if (s.starts_with('-')) s.remove_prefix(1);
  const std::size_t point = s.find('.');
  const auto digits = [](std::string_view d) {
    return !d.empty() &&
           std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return point == std::string_view::npos
             ? digits(s)
             : digits(s.substr(0, point)) && digits(s.substr(point + 1));
}

void CheckPlan(std::string_view line, std::string_view plain, std::string_view planned) {
  if (plain.size() > planned.size() ||
      planned.substr(0, plain.size() - 1) != plain.substr(0, plain.size() - 1) ||
      planned[plain.size() - 1] != '\t' || planned.back() != '\n') {
    Fail("the plan changes the results", line, planned);
  }
  std::string_view rest = planned.substr(plain.size(), planned.size() - plain.size() - 1);
  std::array<std::string_view, kPlanFields> fields;
  for (std::size_t i = 0; i < kPlanFields; ++i) {
    const std::size_t tab = rest.find('\t');
    if ((tab == std::string_view::npos) != (i + 1 == kPlanFields)) {
      Fail("the plan has not 26 fields", line, planned);
    }
    fields[i] = rest.substr(0, tab);
    rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
  }
  const std::string_view verdict = fields[0];
  const bool fits = plain.find(std::string("\t") + std::string(calc::kFitVerdict) + "\t") !=
                        std::string_view::npos &&
                    plain.ends_with("\tok\n");
  if (verdict.empty() == fits)
    Fail("a plan for a run whose core does not fit, or none", line, planned);
  if (!verdict.empty() && verdict != "fits" && verdict != "tight" && verdict != "no" &&
      verdict != "none" && verdict != "no-wire") {
    Fail("unknown plan verdict", line, planned);
  }
  const bool figures =
      verdict == "fits" || verdict == "tight" || (verdict == "no" && !fields[1].empty());
  for (std::size_t i = 1; i < kPlanFields; ++i) {
    const bool hole = i == 3;
    if (fields[i].empty() ? figures && !hole : !figures || !IsPlainNumber(fields[i])) {
      Fail("a plan figure is missing, extra or not a finite number", line, planned);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  batch::Session session;
  batch::Session noted_session(batch::Columns{.notes = true});
  batch::Session planned_session(batch::Columns{.plan = PickSettings(input)});
  calc::InputTexts fields;
  std::string out;
  std::string noted;
  while (!input.empty()) {
    const std::size_t newline = input.find('\n');
    std::string_view line = input.substr(0, newline);
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const batch::LineKind kind = batch::SplitLine(line, fields);
    CheckSplit(line, kind, fields);
    if (kind != batch::LineKind::Run) continue;
    out.clear();
    session.Run(fields, out);
    CheckOutput(line, out);
    noted.clear();
    noted_session.Run(fields, noted);
    CheckNotes(line, out, noted);
    noted.clear();
    planned_session.Run(fields, noted);
    CheckPlan(line, out, noted);
  }
  return 0;
}
