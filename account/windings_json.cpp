#include "account/windings_json.h"

#include "account/several_windings.h"
#include "values/setting_rule.h"
#include "windings/settings.h"

namespace account {

namespace {

// Bounds hold for U and I apart: a value known to be in bounds stands in for the other one.
constexpr double kInBounds = 1;

// The design's own reason for secondary `k` (from 0) out of bounds.
std::string OutOfBounds(std::size_t k) {
  windings::Outcome outcome;
  outcome.design.out_of_bounds = k + 1;
  return DesignReason(outcome);
}

void WriteRow(const WindingRow& row, const windings::Secondary& read, std::size_t k, bool read_yet,
              values::JsonWriter& json) {
  const bool voltage = !read_yet || windings::InBounds({read.voltage, kInBounds, row.kind});
  const bool current = !read_yet || windings::InBounds({kInBounds, read.current, row.kind});
  const std::string reason = voltage && current ? std::string() : OutOfBounds(k);
  json.Open('{').Key("kind").String(windings::FactsOf(row.kind).code);
  json.Key("words").String(KindWords(row.kind));
  json.Key("currentCaption").String(CurrentCaption(row.kind));
  json.Key("U").String(row.voltage).Key("I").String(row.current);
  json.Key("markU").String(voltage ? std::string() : reason);
  json.Key("markI").String(current ? std::string() : reason).Close('}');
}

void WriteDesign(const WindingsAccount& table, values::JsonWriter& json) {
  const windings::Outcome& outcome = table.outcome;
  json.Key("powerLine").String(PowerLine(outcome));
  json.Key("reason").String(DesignReason(outcome));
  json.Key("secondaries");
  WriteTable(SecondariesTable(outcome, WindingTurns::Sized), json);
  json.Key("flags").Open('[');
  for (const std::string& sentence :
       DesignFlagSentences(outcome, table.check_settings, WindingTurns::Sized)) {
    json.String(sentence);
  }
  json.Close(']');
}

}  // namespace

void WriteWindings(const WindingsAccount& table, values::JsonWriter& json) {
  json.Open('{').Key("most").Number(static_cast<double>(windings::kMaxSecondaries));
  json.Key("kinds").Open('[');
  for (const windings::KindFacts& kind : windings::kKinds) {
    json.Open('{').Key("code").String(kind.code).Key("words").String(kind.words).Close('}');
  }
  json.Close(']').Key("rows").Open('[');
  for (std::size_t k = 0; k < table.rows.size(); ++k) {
    // Row 1 is read from the texts of a press.
    WriteRow(table.rows[k], table.read[k], k, k > 0 || table.evaluated, json);
  }
  const values::SettingRule& diode = windings::RuleOf(windings::Setting::Diode);
  json.Close(']').Key("diode").Open('{').Key("caption");
  json.String(std::string(diode.name) + ", " + std::string(diode.unit));
  json.Key("text").String(table.diode_text).Key("refusal").String(table.diode_refusal);
  json.Key("line").Open('{').Key("caption").String(diode.name).Key("value");
  json.String(values::ShortestText(table.diode) + " " + std::string(diode.unit)).Close('}');
  json.Close('}').Key("active").Bool(table.active).Key("design");
  if (table.active && table.evaluated) {
    json.Open('{');
    WriteDesign(table, json);
    json.Close('}');
  } else {
    json.Null();
  }
  json.Close('}');
}

}  // namespace account
