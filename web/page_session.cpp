#include "web/page_session.h"

#include "batch/check_columns.h"
#include "batch/plan_columns.h"
#include "calc/note_words.h"
#include "calc/run_notes.h"
#include "check/figures.h"
#include "plan/figures.h"
#include "ui/calculator_window/control_table.h"
#include "values/fault.h"

namespace web {

namespace {

constexpr std::string_view kKindNames[] = {"caption", "heading", "result",
                                           "field",   "button",  "picture"};

void WriteSetting(std::string_view name, std::string_view unit, std::optional<double> value,
                  values::JsonWriter& json) {
  json.Open('{').Key("name").String(name).Key("unit").String(unit).Key("value");
  value ? json.Number(*value) : json.Null();
  json.Close('}');
}

void WriteSettings(const plan::Settings& settings, const check::Settings& check_settings,
                   values::JsonWriter& json) {
  json.Open('[');
  for (const plan::Setting which : plan::kAllSettings) {
    WriteSetting(plan::SettingName(which), plan::SettingUnit(which),
                 plan::SettingValue(settings, which), json);
  }
  for (const check::Setting which : check::kAllSettings) {
    WriteSetting(check::SettingName(which), check::SettingUnit(which),
                 check::SettingValue(check_settings, which), json);
  }
  json.Close(']');
}

void WriteFlags(const std::optional<check::DesignCheck>& design, values::JsonWriter& json) {
  json.Open('[');
  if (design) {
    for (const check::Flag flag : check::kAllFlags) {
      if (design->flags[static_cast<std::size_t>(flag)]) json.String(check::FlagText(flag));
    }
  }
  json.Close(']');
}

}  // namespace

std::string PageSession::Calculate(const calc::InputTexts& texts) {
  std::optional<values::Fault> fault;
  calc::RunTrace trace;
  try {
    calc::CalculateDesign(state_, texts, labels_, trace);
  } catch (const values::Fault& f) {
    fault = f;
  }
  const calc::RunNotes notes = calc::NotesOfRun(texts, state_, trace);
  const calc::NotedRun run{texts, state_, notes};
  planned_.reset();
  if (!fault && trace.fits) planned_ = check::ReadRun(state_);

  values::JsonWriter json;
  json.Open('{').Key("labels").Open('[');
  for (int i = 0; i < calc::kResultLabelCount; ++i) json.String(labels_.text(i));
  json.Close(']');
  std::string codes;
  calc::AppendCodes(notes, codes);
  json.Key("notes").String(codes);
  json.Key("words").Open('[');
  for (const std::string& words : calc::FieldWords(run)) json.String(words);
  json.Close(']');
  json.Key("fault");
  if (fault) {
    json.Open('{').Key("message").String(calc::FaultMessage(*fault));
    json.Key("explanation").String(calc::FaultWords(run, *fault)).Close('}');
  } else {
    json.Null();
  }
  json.Key("plan");
  WritePlan(json);
  return json.Close('}').text();
}

std::string PageSession::SetSettings(const std::array<std::string_view, kSettingCount>& texts) {
  values::JsonWriter json;
  json.Open('{').Key("refused").Open('[');
  constexpr std::size_t kPlanSettings = plan::kAllSettings.size();
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const std::optional<std::string> refusal =
        k < kPlanSettings
            ? plan::SetFromText(settings_, plan::kAllSettings[k], texts[k])
            : check::SetFromText(check_settings_, check::kAllSettings[k - kPlanSettings], texts[k]);
    json.String(refusal.value_or(""));
  }
  json.Close(']').Key("settings");
  WriteSettings(settings_, check_settings_, json);
  json.Key("plan");
  WritePlan(json);
  return json.Close('}').text();
}

void PageSession::WritePlan(values::JsonWriter& json) const {
  if (!planned_) {
    json.Null();
    return;
  }
  const plan::Plan plan = plan::MakePlan(planned_->run, settings_);
  // The batch tool's own columns, so that the page shows its figures to the digit.
  std::string columns;
  batch::AppendPlanFields(&plan, columns);
  json.Open('{').Key("columns").String(columns);
  json.Key("verdictText").String(plan::VerdictText(plan.verdict));
  json.Key("form").Number(planned_->run.form);
  json.Key("a").Number(planned_->run.a).Key("b").Number(planned_->run.b);
  json.Key("c").Number(planned_->run.c).Key("h").Number(planned_->run.h);
  json.Key("depth").Number(plan.depth).Key("fill").Number(plan.fill);
  json.Key("bobbin").Number(settings_.bobbin).Key("interlayer").Number(settings_.interlayer);
  json.Key("between").Number(settings_.between).Key("wrap").Number(settings_.wrap);
  json.Key("windings").Open('[');
  for (const plan::WindingPlan& w : plan.windings) {
    json.Open('{').Key("overall").Number(w.overall).Key("layers").Number(double(w.layers));
    json.Key("turns").Number(double(w.turns)).Key("perLayer").Number(double(w.turns_per_layer));
    json.Key("build").Number(w.build).Close('}');
  }
  json.Close(']');
  // The batch tool's check columns, and the flags in words.
  const check::Check check = check::MakeCheck(*planned_, plan, settings_, check_settings_);
  std::string check_columns;
  batch::AppendCheckFields(&check, check_columns);
  json.Key("check").Open('{').Key("columns").String(check_columns);
  json.Key("refinedPlanText").String(plan::VerdictText(check.refined.plan.verdict));
  json.Key("flags");
  WriteFlags(check.calculated, json);
  json.Key("refinedFlags");
  WriteFlags(check.refined.check, json);
  json.Close('}').Close('}');
}

std::string PageSession::Layout() {
  values::JsonWriter json;
  json.Open('{').Key("title").String(ui::kWindowTitle).Key("controls").Open('[');
  for (const ui::ControlSpec& c : ui::kControls) {
    json.Open('{').Key("name").String(c.name).Key("index").Number(c.index);
    json.Key("kind").String(kKindNames[static_cast<std::size_t>(c.kind)]);
    json.Key("left").Number(c.left).Key("top").Number(c.top);
    json.Key("width").Number(c.width).Key("height").Number(c.height);
    json.Key("tab").Number(c.tabIndex).Key("text").String(c.text).Close('}');
  }
  json.Close(']').Key("rows").Open('[');
  for (const ui::RowSpec& r : ui::kRows) {
    json.Open('{').Key("caption").String(r.caption).Key("index").Number(r.captionIndex);
    json.Key("field").String(r.field).Close('}');
  }
  json.Close(']').Key("settings");
  WriteSettings(plan::Settings{}, check::Settings{}, json);
  std::string header;
  batch::AppendPlanHeader(header);
  json.Key("planHeader").String(header);
  header.clear();
  batch::AppendCheckHeader(header);
  json.Key("checkHeader").String(header);
  json.Key("figureCount").Number(static_cast<double>(check::kDesignFigures.size()));
  return json.Close('}').text();
}

}  // namespace web
