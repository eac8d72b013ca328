#include "web/page_session.h"

#include "account/account_json.h"
#include "account/copied_text.h"
#include "account/hints.h"

namespace web {

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

std::string PageSession::Answer() {
  account::Replan(settings_.taken, settings_.FirstRefusal(), turns_, planned_);
  return account::AccountJson({calculator_.press(), settings_, planned_});
}

}  // namespace web
