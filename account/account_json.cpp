#include "account/account_json.h"

#include <string_view>

#include "account/control_table.h"
#include "account/copied_text.h"
#include "account/drawing.h"
#include "account/hints.h"
#include "account/picture_words.h"
#include "account/reasons.h"
#include "account/stale_words.h"
#include "account/tables.h"
#include "account/windings_json.h"
#include "calc/note_words.h"
#include "calc/run_notes.h"
#include "values/json_writer.h"

namespace account {

namespace {

using values::JsonWriter;

constexpr std::string_view kKindNames[] = {"caption", "heading", "result",
                                           "field",   "button",  "picture"};
constexpr std::string_view kEndNames[] = {"not-yet", "faulted", "not-fit", "fit"};
constexpr std::string_view kPartNames[] = {"core", "bobbin", "winding", "between", "wrap", "free"};
constexpr std::string_view kTurnsNames[] = {"calculated", "refined"};

// The page lists the marks' words under the results, where the window has them in tooltips.
constexpr std::string_view kMarkedFieldsOnPage =
    "\nПоля с замечаниями выделены цветом, подробности - в списке «Замечания» под результатами.";

std::string PageFaultWords(std::string words) {
  if (words.ends_with(calc::kMarkedFieldsWords)) {
    words.replace(words.size() - calc::kMarkedFieldsWords.size(), std::string::npos,
                  kMarkedFieldsOnPage);
  }
  return words;
}

template <typename Texts>
void WriteStrings(const Texts& texts, JsonWriter& json) {
  json.Open('[');
  for (const auto& text : texts) json.String(text);
  json.Close(']');
}

void WriteLines(const std::vector<Line>& lines, JsonWriter& json) {
  json.Open('[');
  for (const Line& line : lines) {
    json.Open('{').Key("caption").String(line.caption).Key("value").String(line.value).Close('}');
  }
  json.Close(']');
}

void WritePress(const Press& press, JsonWriter& json) {
  json.Key("inputs").Open('[');
  for (std::size_t k = 0; k < press.inputs.size(); ++k) {
    json.Open('{').Key("caption").String(InputCaption(k)).Key("text").String(press.inputs[k]);
    json.Close('}');
  }
  json.Close(']').Key("labels").Open('[');
  for (std::size_t k = 0; k < calc::kResultLabelCount; ++k) json.String(press.labels.text(k));
  json.Close(']');
  json.Key("end").String(kEndNames[static_cast<std::size_t>(press.end)]);
  json.Key("status").String(StatusCode(press));
  std::string codes;
  calc::AppendCodes(press.notes, codes);
  json.Key("notes").String(codes).Key("fieldWords");
  WriteStrings(press.field_words, json);
  json.Key("noteLines");
  WriteStrings(press.note_lines, json);
  json.Key("fault");
  if (press.fault) {
    json.Open('{').Key("message").String(press.fault_message);
    json.Key("explanation").String(PageFaultWords(press.fault_words)).Close('}');
  } else {
    json.Null();
  }
  json.Key("coefficientWords").String(press.coefficient_words);
  json.Key("capacityWords").String(press.capacity_words);
}

void WriteSettings(const TakenSettings& taken, JsonWriter& json) {
  json.Key("settings").Open('[');
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    json.Open('{').Key("key").String(SettingRule(k).key).Key("caption").String(SettingCaption(k));
    json.Key("text").String(SettingText(taken.taken, k));
    json.Key("refusal").String(taken.refusals[k]).Close('}');
  }
  json.Close(']');
}

void WriteDrawing(const Planned& planned, JsonWriter& json) {
  const plan::PlanInput& input = *planned.input;
  const bool ring = planned.plan.hole_left.has_value();
  json.Open('{').Key("ring").Bool(ring);
  json.Key("a").Number(10 * input.a).Key("c").Number(10 * input.c).Key("h").Number(10 * input.h);
  json.Key("depth").Number(planned.plan.depth).Key("words").String(DrawingWords(planned));
  json.Key("bands").Open('[');
  for (const Band& band : Bands(planned)) {
    json.Open('{').Key("part").String(kPartNames[static_cast<std::size_t>(band.part)]);
    json.Key("winding").Number(static_cast<double>(band.winding));
    json.Key("name").String(PartName(band.part, band.winding, ring));
    json.Key("from").Number(band.from).Key("to").Number(band.to).Close('}');
  }
  json.Close(']').Key("taps").Open('[');
  for (const Tap& tap : Taps(planned)) {
    json.Open('{').Key("winding").Number(static_cast<double>(tap.winding));
    json.Key("depth").Number(tap.depth).Key("label").String(kTapLabel);
    json.Key("words").String(TapWords(planned, tap)).Close('}');
  }
  json.Close(']').Close('}');
}

void WritePlan(const Planned& planned, JsonWriter& json) {
  json.Key("plan");
  if (!planned.HasPlan()) {
    json.Null();
  } else {
    json.Open('{').Key("turns").String(TurnsWords(planned));
    json.Key("shown").String(kTurnsNames[static_cast<std::size_t>(planned.turns)]);
    json.Key("choices").Open('[');
    for (const Turns turns : {Turns::Calculated, Turns::Refined}) {
      json.Open('{').Key("turns").String(kTurnsNames[static_cast<std::size_t>(turns)]);
      json.Key("words").String(TurnsChoice(planned, turns));
      json.Key("enabled").Bool(turns == Turns::Calculated || HasRefined(planned)).Close('}');
    }
    json.Close(']');
    json.Key("verdict").String(plan::VerdictCode(planned.plan.verdict));
    json.Key("verdictWords").String(plan::VerdictText(planned.plan.verdict));
    json.Key("summary");
    WriteLines(SummaryLines(planned.plan), json);
    json.Key("windings");
    WriteTable(WindingTable(planned.plan), json);
    json.Key("drawing");
    WriteDrawing(planned, json);
    json.Key("note").String(PlanNote(planned.settings)).Close('}');
  }
  json.Key("noPlan").String(NoPlanReason(planned));
}

void WriteCheck(const Planned& planned, JsonWriter& json) {
  const std::string missing = NoCheckReason(planned);
  json.Key("check");
  if (!missing.empty()) {
    json.Null();
  } else {
    json.Open('{').Key("table");
    WriteTable(CheckTable(planned), json);
    json.Key("verdicts");
    WriteStrings(CheckVerdicts(planned), json);
    json.Key("flagged").Bool(AnyFlag(planned)).Key("codes").Open('[');
    for (const auto* design : {&planned.check.calculated, &planned.check.refined.check}) {
      std::string code;
      if (*design) check::AppendVerdict(**design, code);
      json.String(code);
    }
    json.Close(']').Close('}');
  }
  json.Key("noCheck").String(missing);
}

}  // namespace

void WriteTable(const Table& table, JsonWriter& json) {
  json.Open('{').Key("headings");
  WriteStrings(table.headings, json);
  json.Key("rows").Open('[');
  for (const Row& row : table.rows) {
    json.Open('{').Key("caption").String(row.caption).Key("cells").Open('[');
    for (const Cell& cell : row.cells) {
      json.Open('{').Key("text").String(cell.text).Key("flagged").Bool(cell.flagged).Close('}');
    }
    json.Close(']').Close('}');
  }
  json.Close(']').Close('}');
}

std::string AccountJson(const Account& account) {
  JsonWriter json;
  json.Open('{');
  WritePress(account.press, json);
  WriteSettings(account.settings, json);
  WritePlan(account.planned, json);
  WriteCheck(account.planned, json);
  json.Key("settingLines");
  WriteLines(SettingLines(account.planned), json);
  const std::string marks = TurnMarkWords(account.planned, kPagePlace);
  json.Key("turnMarks").String(marks);
  json.Key("copies").Open('{').Key("results").String(ResultsText(account.press, marks));
  json.Key("plan").String(PlanText(account.press, account.planned));
  json.Key("check").String(CheckText(account.planned)).Close('}');
  if (account.windings != nullptr) {
    json.Key("windings");
    WriteWindings(*account.windings, json);
  }
  return json.Close('}').text();
}

std::string LayoutJson() {
  JsonWriter json;
  json.Open('{').Key("title").String(kWindowTitle).Key("controls").Open('[');
  for (const ControlSpec& c : kControls) {
    json.Open('{').Key("name").String(c.name).Key("index").Number(c.index);
    json.Key("kind").String(kKindNames[static_cast<std::size_t>(c.kind)]);
    json.Key("left").Number(c.left).Key("top").Number(c.top);
    json.Key("width").Number(c.width).Key("height").Number(c.height);
    json.Key("tab").Number(c.tabIndex).Key("text").String(c.text).Close('}');
  }
  json.Close(']').Key("rows").Open('[');
  std::size_t result = 0;
  for (std::size_t k = 0; k < kRows.size(); ++k) {
    const RowSpec& r = kRows[k];
    const bool input = k < std::tuple_size_v<calc::InputTexts>;
    json.Open('{').Key("caption").String(r.caption).Key("index").Number(r.captionIndex);
    json.Key("field").String(r.field);
    json.Key("name").String(input ? InputCaption(k) : ResultCaption(result));
    json.Key("unit").String(input ? std::string_view() : ResultUnit(result++)).Close('}');
  }
  json.Close(']').Key("pictures").Open('[');
  for (const PictureWords& picture : kCorePictureWords) {
    json.Open('{').Key("name").String(picture.name);
    json.Key("description").String(picture.description).Close('}');
  }
  json.Close(']').Key("stale").Open('{').Key("results").String(kStaleResultsWords);
  json.Key("plan").String(kStalePagePlanWords).Close('}').Key("settings").Open('[');
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    const values::SettingRule& rule = SettingRule(k);
    json.Open('{').Key("key").String(rule.key).Key("name").String(rule.name);
    json.Key("unit").String(rule.unit).Key("text").String(SettingText(Settings{}, k)).Close('}');
  }
  json.Close(']');
  return json.Close('}').text();
}

}  // namespace account
