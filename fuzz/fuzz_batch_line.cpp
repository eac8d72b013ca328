// Any bytes as the lines of one batch input on one record: lines split into exactly the fields
// they hold, and every run ends complete or in one of the four faults with sixteen number or
// verdict texts, valid UTF-8, and an outcome keyword. A second record runs the same lines with
// notes: its lines start with the same seventeen fields and name only known notes, in order.
// A third runs them with a plan under settings picked by the input: 26 more fields, a known
// verdict exactly for a run whose core fits, and finite plain numbers. A fourth adds the check
// under check settings picked by the input: the same plan, then 27 fields, a verdict exactly
// when there is a plan, `none` when the plan has no figures, known verdicts and flags in their
// order, and finite plain numbers where the check has them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
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
constexpr std::size_t kCheckFields = 27;

bool HasFigures(const std::array<std::string_view, kPlanFields>& plan) {
  return plan[0] == "fits" || plan[0] == "tight" || (plan[0] == "no" && !plan[1].empty());
}

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

// Check settings from the whole range, the bounds included, from other bits of the same hash.
check::Settings PickCheckSettings(std::string_view input) {
  constexpr double kFrequencies[] = {40, 50, 60, 70};
  constexpr double kSteelLosses[] = {1e-9, 0.5, 1.5, 20};
  constexpr double kAmbients[] = {-40, 0, 40, 100};
  constexpr double kLimits[] = {50, 105, 155, 250};
  constexpr std::optional<double> kRefineFluxes[] = {std::nullopt, 0.1, 1.2, 2.5};
  const std::size_t h = std::hash<std::string_view>{}(input) >> 13;
  check::Settings settings;
  settings.frequency = kFrequencies[h & 3];
  settings.steel_loss = kSteelLosses[(h >> 2) & 3];
  settings.ambient = kAmbients[(h >> 4) & 3];
  settings.limit = kLimits[(h >> 6) & 3];
  settings.refine_flux = kRefineFluxes[(h >> 8) & 3];
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

// The `count` TAB-separated fields of `out` after its first `prefix` bytes, up to the line end.
template <std::size_t count>
std::array<std::string_view, count> FieldsAfter(std::string_view line, std::string_view out,
                                                std::size_t prefix, const char* what) {
  std::string_view rest = out.substr(prefix, out.size() - prefix - 1);
  std::array<std::string_view, count> fields;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t tab = rest.find('\t');
    if ((tab == std::string_view::npos) != (i + 1 == count)) Fail(what, line, out);
    fields[i] = rest.substr(0, tab);
    rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
  }
  return fields;
}

void CheckPlan(std::string_view line, std::string_view plain, std::string_view planned) {
  if (plain.size() > planned.size() ||
      planned.substr(0, plain.size() - 1) != plain.substr(0, plain.size() - 1) ||
      planned[plain.size() - 1] != '\t' || planned.back() != '\n') {
    Fail("the plan changes the results", line, planned);
  }
  const auto fields =
      FieldsAfter<kPlanFields>(line, planned, plain.size(), "the plan has not 26 fields");
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
  const bool figures = HasFigures(fields);
  for (std::size_t i = 1; i < kPlanFields; ++i) {
    const bool hole = i == 3;
    if (fields[i].empty() ? figures && !hole : !figures || !IsPlainNumber(fields[i])) {
      Fail("a plan figure is missing, extra or not a finite number", line, planned);
    }
  }
}

// "ok", or flags from the known ones in their order, one blank apart.
bool IsCheckVerdict(std::string_view verdict) {
  if (verdict == "ok") return true;
  constexpr std::array<std::string_view, 3> kFlags{"flux-high", "hot", "volts"};
  std::size_t next = 0;
  while (!verdict.empty()) {
    const std::size_t blank = verdict.find(' ');
    const std::string_view flag = verdict.substr(0, blank);
    const auto at = std::find(kFlags.begin() + static_cast<long>(next), kFlags.end(), flag);
    if (at == kFlags.end()) return false;
    next = static_cast<std::size_t>(at - kFlags.begin()) + 1;
    if (blank == std::string_view::npos) return true;
    verdict.remove_prefix(blank + 1);
    if (verdict.empty()) return false;
  }
  return false;
}

bool IsRefinedPlanVerdict(std::string_view v) {
  return v == "fits" || v == "tight" || v == "no" || v == "none";
}

// Fields numbered from 1 as the tool's help numbers them; a whole number for turn counts.
void CheckCheck(std::string_view line, std::string_view plain, std::string_view planned,
                std::string_view checked) {
  if (planned.size() > checked.size() ||
      checked.substr(0, planned.size() - 1) != planned.substr(0, planned.size() - 1) ||
      checked[planned.size() - 1] != '\t' || checked.back() != '\n') {
    Fail("the check changes the results or the plan", line, checked);
  }
  const auto plan = FieldsAfter<kPlanFields>(line, planned, plain.size(), "the plan is not whole");
  const auto f =
      FieldsAfter<kCheckFields>(line, checked, planned.size(), "the check has not 27 fields");
  const auto field = [&f](std::size_t number) { return f[number - 1]; };
  if (field(1).empty() != plan[0].empty()) Fail("a check without a plan, or none", line, checked);
  if (!HasFigures(plan) && !plan[0].empty() && field(1) != "none") {
    Fail("a check of a plan without figures", line, checked);
  }
  const auto expect = [&](std::size_t number, bool filled, const char* what) {
    if (field(number).empty() == filled) Fail(what, line, checked);
    if (filled && number != 19 && number != 21 && !IsPlainNumber(field(number))) {
      Fail("a check figure is not a plain finite number", line, checked);
    }
  };
  if (field(1).empty() || field(1) == "none") {
    for (std::size_t i = 2; i <= kCheckFields; ++i) expect(i, false, "a figure of no check");
    return;
  }
  if (!IsCheckVerdict(field(1))) Fail("unknown check verdict", line, checked);
  for (std::size_t i = 2; i <= 16; ++i) {
    // Regulation, efficiency and the ring's height may have no value.
    if (i == 5 || i == 10 || i == 14) {
      if (!field(i).empty()) expect(i, true, "");
      continue;
    }
    expect(i, true, "a figure of the check is missing");
  }
  if (!field(17).empty()) expect(17, true, "");
  if (!IsRefinedPlanVerdict(field(19))) Fail("unknown refined plan verdict", line, checked);
  const bool refined = !field(21).empty();
  if (refined && field(17).empty()) Fail("refined turns without W1r", line, checked);
  if (!refined && (field(19) == "fits" || field(19) == "tight")) {
    Fail("a refined plan that fits without its check", line, checked);
  }
  for (std::size_t i : {18, 20, 22, 23, 24, 25, 26, 27}) expect(i, refined, "refined figures");
  if (refined && !IsCheckVerdict(field(21))) Fail("unknown refined verdict", line, checked);
  for (std::size_t i : {17, 18}) {
    if (!field(i).empty() && field(i).find('.') != std::string_view::npos) {
      Fail("a turn count is not whole", line, checked);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  batch::Session session;
  batch::Session noted_session(batch::Columns{.notes = true});
  const plan::Settings plan_settings = PickSettings(input);
  batch::Session planned_session(batch::Columns{.plan = true, .plan_settings = plan_settings});
  batch::Session checked_session(batch::Columns{.plan = true,
                                                .check = true,
                                                .plan_settings = plan_settings,
                                                .check_settings = PickCheckSettings(input)});
  calc::InputTexts fields;
  std::string out;
  std::string noted;
  std::string checked;
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
    checked.clear();
    checked_session.Run(fields, checked);
    CheckCheck(line, out, noted, checked);
  }
  return 0;
}
