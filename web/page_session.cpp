#include "web/page_session.h"

#include <cmath>
#include <limits>

#include "account/account_json.h"
#include "account/copied_text.h"
#include "account/hints.h"
#include "account/total_planned.h"
#include "design_file/design_file.h"
#include "design_file/faces.h"
#include "design_file/fragment.h"
#include "values/json_writer.h"
#include "values/setting_rule.h"
#include "windings/settings.h"

namespace web {

namespace {

std::string Refusal(std::string_view text) {
  return values::JsonWriter().Open('{').Key("refusal").String(text).Close('}').text();
}

std::string FileRefusal(std::string_view name, std::string_view reason) {
  return design_file::FileRefusal(name, reason);
}

std::string LinkRefusal(std::string_view, std::string_view reason) {
  return design_file::LinkRefusal(reason);
}

// A further row's U and I: what the whole cell holds, "." or "," as the decimal sign; a cell
// that holds no number is out of bounds.
double CellNumber(std::string_view text) {
  return values::ReadSettingNumber(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

windings::Kind KindOf(std::string_view code) {
  return windings::FindKind(code).value_or(windings::Kind::Ac);
}

calc::InputTexts Views(const std::array<std::string, 9>& texts) {
  calc::InputTexts views;
  for (std::size_t k = 0; k < texts.size(); ++k) views[k] = texts[k];
  return views;
}

}  // namespace

PageSession::PageSession() : diode_text_(values::ShortestText(rectifier_.diode)) {}

std::string PageSession::Calculate(const calc::InputTexts& texts) {
  before_ = calculator_.record();
  for (std::size_t k = 0; k < texts.size(); ++k) pressed_[k].assign(texts[k]);
  account::Follow(calculator_.CalculateInWords(texts), planned_);
  return Answer();
}

std::string PageSession::SetSettings(const account::SettingTexts& texts) {
  settings_ = account::TakeSettings(settings_.taken, texts);
  return Answer();
}

std::string PageSession::SetWindings(std::span<const std::string_view> texts) {
  constexpr std::size_t kLead = 2;
  request_ = {};
  further_.clear();
  if (texts.size() >= kLead) {
    request_.first = KindOf(texts[0]);
    diode_text_.assign(texts[1]);
    const auto refusal = windings::SetFromText(rectifier_, windings::Setting::Diode, diode_text_);
    diode_refusal_ = refusal.value_or(std::string());
  }
  for (std::size_t at = kLead;
       at + 3 <= texts.size() && request_.further.size() + 1 < windings::kMaxSecondaries; at += 3) {
    further_.push_back({std::string(texts[at]), std::string(texts[at + 1])});
    request_.further.push_back(
        {CellNumber(texts[at]), CellNumber(texts[at + 1]), KindOf(texts[at + 2])});
  }
  return Answer();
}

std::string PageSession::ChooseTurns(account::Turns turns) {
  turns_ = turns;
  return Answer();
}

std::string PageSession::ResultsText(const calc::InputTexts& fields) const {
  account::Press press = calculator_.press();
  if (press.end == account::End::NotYet) {
    for (std::size_t k = 0; k < fields.size(); ++k) press.inputs[k].assign(fields[k]);
  }
  return account::ResultsText(press, account::TurnMarkWords(planned_, account::kPagePlace));
}

std::string PageSession::Layout() { return account::LayoutJson(); }

std::string PageSession::DesignFile(const calc::InputTexts& fields, std::string_view title) const {
  const design_file::Design design = Shown(fields, title);
  values::JsonWriter json;
  json.Open('{').Key("name").String(design_file::SuggestedFileName(design.title));
  return json.Key("text").String(design_file::Write(design)).Close('}').text();
}

std::string PageSession::DesignFragment(const calc::InputTexts& fields,
                                        std::string_view title) const {
  values::JsonWriter json;
  json.Open('{').Key("fragment").String(design_file::EncodeFragment(Shown(fields, title)));
  return json.Close('}').text();
}

std::string PageSession::OpenDesign(std::string_view name, std::string_view text) {
  return Opened(design_file::Read(text), FileRefusal, name);
}

std::string PageSession::OpenFragment(std::string_view fragment) {
  return Opened(design_file::DecodeFragment(fragment), LinkRefusal, {});
}

std::string PageSession::UnreadableDesign(std::string_view name) {
  return Refusal(design_file::FileRefusal(name, design_file::kUnreadable));
}

design_file::Design PageSession::Shown(const calc::InputTexts& fields,
                                       std::string_view title) const {
  design_file::Design design = design_;
  design.title.assign(title);
  for (std::size_t k = 0; k < fields.size(); ++k) design.fields[k].assign(fields[k]);
  design.plan = settings_.taken.plan;
  design.check = settings_.taken.check;
  // The table as it stands; a cell that holds no number is saved as 0, which a press refuses.
  design.windings = request_;
  for (windings::Secondary& given : design.windings.further) {
    if (!std::isfinite(given.voltage)) given.voltage = 0;
    if (!std::isfinite(given.current)) given.current = 0;
  }
  design.rectifier = rectifier_;
  return design;
}

std::string PageSession::Opened(std::variant<design_file::Design, std::string> read,
                                std::string (*refusal)(std::string_view name,
                                                       std::string_view reason),
                                std::string_view name) {
  if (const auto* reason = std::get_if<std::string>(&read)) return Refusal(refusal(name, *reason));
  design_file::Design& design = std::get<design_file::Design>(read);
  design_ = std::move(design);
  settings_ = {.taken = {design_.plan, design_.check}, .refusals = {}};
  rectifier_ = design_.rectifier;
  diode_text_ = values::ShortestText(rectifier_.diode);
  diode_refusal_.clear();
  values::JsonWriter json;
  json.Open('{').Key("title").String(design_.title).Key("fields").Open('[');
  for (const std::string& field : design_.fields) json.String(field);
  json.Close(']').Key("settings").Open('[');
  for (std::size_t k = 0; k < account::kSettingCount; ++k) {
    json.String(account::SettingText(settings_.taken, k));
  }
  json.Close(']').Key("windings").Open('{');
  json.Key("first").String(windings::FactsOf(design_.windings.first).code).Key("further").Open('[');
  for (const windings::Secondary& given : design_.windings.further) {
    json.Open('[').String(values::ShortestText(given.voltage));
    json.String(values::ShortestText(given.current));
    json.String(windings::FactsOf(given.kind).code).Close(']');
  }
  return json.Close(']').Key("diode").String(diode_text_).Close('}').Close('}').text();
}

bool PageSession::Several() const {
  return !request_.further.empty() || request_.first != windings::Kind::Ac;
}

account::WindingsAccount PageSession::Windings() const {
  account::WindingsAccount table{.outcome = outcome_, .check_settings = settings_.taken.check};
  const calc::InputTexts texts = Views(pressed_);
  table.read = windings::Secondaries(texts, request_);
  table.rows.push_back({request_.first, pressed_[2], pressed_[3]});
  for (std::size_t k = 0; k < further_.size(); ++k) {
    table.rows.push_back({request_.further[k].kind, further_[k][0], further_[k][1]});
  }
  table.active = Several();
  table.evaluated = calculator_.press().end != account::End::NotYet;
  table.diode = rectifier_.diode;
  table.diode_text = diode_text_;
  table.diode_refusal = diode_refusal_;
  return table;
}

std::string PageSession::Answer() {
  account::Replan(settings_.taken, settings_.FirstRefusal(), turns_, planned_);
  const bool several = Several() && calculator_.press().end != account::End::NotYet;
  if (several) {
    calc::CalculatorState record = before_;
    windings::Evaluate(record, Views(pressed_), request_,
                       {settings_.taken.plan, settings_.taken.check, rectifier_}, outcome_);
  }
  const account::WindingsAccount table = Windings();
  std::string refusal(settings_.FirstRefusal());
  if (refusal.empty()) refusal = diode_refusal_;
  const account::Planned shown =
      several ? account::TotalPlanned(outcome_, settings_.taken, refusal, turns_) : planned_;
  return account::AccountJson({calculator_.press(), settings_, shown, &table});
}

}  // namespace web
