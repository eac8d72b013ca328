#include "web/page_session.h"

#include "account/account_json.h"
#include "account/copied_text.h"
#include "account/hints.h"
#include "design_file/design_file.h"
#include "design_file/faces.h"
#include "design_file/fragment.h"
#include "values/json_writer.h"

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

}  // namespace

std::string PageSession::Calculate(const calc::InputTexts& texts) {
  account::Follow(calculator_.CalculateInWords(texts), planned_);
  return Answer();
}

std::string PageSession::SetSettings(const account::SettingTexts& texts) {
  settings_ = account::TakeSettings(settings_.taken, texts);
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
  return design;
}

std::string PageSession::Opened(std::variant<design_file::Design, std::string> read,
                                std::string (*refusal)(std::string_view name,
                                                       std::string_view reason),
                                std::string_view name) {
  if (const auto* reason = std::get_if<std::string>(&read)) return Refusal(refusal(name, *reason));
  design_file::Design& design = std::get<design_file::Design>(read);
  if (const auto reason = design_file::NotShown(design)) return Refusal(refusal(name, *reason));
  design_ = std::move(design);
  settings_ = {.taken = {design_.plan, design_.check}, .refusals = {}};
  values::JsonWriter json;
  json.Open('{').Key("title").String(design_.title).Key("fields").Open('[');
  for (const std::string& field : design_.fields) json.String(field);
  json.Close(']').Key("settings").Open('[');
  for (std::size_t k = 0; k < account::kSettingCount; ++k) {
    json.String(account::SettingText(settings_.taken, k));
  }
  return json.Close(']').Close('}').text();
}

std::string PageSession::Answer() {
  account::Replan(settings_.taken, settings_.FirstRefusal(), turns_, planned_);
  return account::AccountJson({calculator_.press(), settings_, planned_});
}

}  // namespace web
