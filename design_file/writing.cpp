#include <string_view>
#include <utility>
#include <vector>

#include "design_file/design_file.h"
#include "design_file/file_settings.h"
#include "values/json_writer.h"

namespace design_file {

namespace {

using values::JsonWriter;

// A file has a member a line, for people and version control; a fragment has every byte count.
enum class Layout { File, Compact };

using Members = std::vector<std::pair<std::string_view, std::string>>;

std::string ObjectText(const Members& members, Layout layout, std::string_view indent) {
  const bool file = layout == Layout::File;
  std::string text = file ? "{\n" : "{";
  for (std::size_t k = 0; k < members.size(); ++k) {
    if (k > 0) text += file ? ",\n" : ",";
    if (file) text.append(indent).append("  ");
    text += JsonWriter().String(members[k].first).text();
    text += file ? ": " : ":";
    text += members[k].second;
  }
  if (file) text.append("\n").append(indent);
  return text + "}";
}

std::string FieldsText(const Design& design) {
  JsonWriter json;
  json.Open('[');
  for (const std::string& field : design.fields) json.String(field);
  return json.Close(']').text();
}

bool HasDefaultSecondaries(const Design& design) { return design.windings == windings::Request{}; }

std::string SecondariesText(const Design& design, Layout layout) {
  const std::string_view between = layout == Layout::File ? "\n    " : "";
  std::string text = "[";
  text.append(between).append(JsonWriter()
                                  .Open('{')
                                  .Key("kind")
                                  .String(windings::FactsOf(design.windings.first).code)
                                  .Close('}')
                                  .text());
  for (const windings::Secondary& s : design.windings.further) {
    JsonWriter json;
    json.Open('{').Key("U").Number(s.voltage).Key("I").Number(s.current);
    json.Key("kind").String(windings::FactsOf(s.kind).code).Close('}');
    text.append(",").append(between).append(json.text());
  }
  return text.append(layout == Layout::File ? "\n  ]" : "]");
}

std::string ValueText(std::optional<double> value) {
  JsonWriter json;
  value ? json.Number(*value) : json.Null();
  return json.text();
}

Members SettingMembers(const Design& design, Layout layout) {
  static const Design defaults;
  Members members;
  for (const FileSetting setting : FileSettings()) {
    const std::optional<double> value = ValueOf(design, setting);
    if (layout == Layout::Compact && value == ValueOf(defaults, setting)) continue;
    members.emplace_back(RuleOf(setting).key, ValueText(value));
  }
  return members;
}

std::string DocumentText(const Design& design, Layout layout) {
  const bool file = layout == Layout::File;
  Members members{{kFormatKey, std::to_string(kFormatVersion)}};
  if (file || !design.title.empty()) {
    members.emplace_back("title", JsonWriter().String(design.title).text());
  }
  members.emplace_back("fields", FieldsText(design));
  if (file || !HasDefaultSecondaries(design)) {
    members.emplace_back("secondaries", SecondariesText(design, layout));
  }
  const Members settings = SettingMembers(design, layout);
  if (!settings.empty()) members.emplace_back("settings", ObjectText(settings, layout, "  "));
  return ObjectText(members, layout, "") + (file ? "\n" : "");
}

}  // namespace

std::string Write(const Design& design) { return DocumentText(design, Layout::File); }

std::string WriteCompact(const Design& design) { return DocumentText(design, Layout::Compact); }

}  // namespace design_file
