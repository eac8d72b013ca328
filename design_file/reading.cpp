#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "calc/utf8_text.h"
#include "design_file/design_file.h"
#include "design_file/file_settings.h"

namespace design_file {

namespace {

using Json = nlohmann::json;

// Why a document is refused; thrown by the reading steps and caught by Read.
struct Refused {
  std::string reason;
};

// A design nests its containers no deeper than this: the document, "secondaries", a secondary.
constexpr std::size_t kMaxDepth = 3;

// An echoed key or value is cut here, so a reason stays one readable line.
constexpr std::size_t kEchoUnits = 40;

std::string Quoted(std::string_view text) {
  return "«" + calc::ShortenedUtf8(text, kEchoUnits, "…") + "»";
}

// The parser would keep the last of repeated keys without a word; a hand-edited file with two
// "fields" is refused instead. Nesting deeper than a design's is refused before it is built.
class Watch {
 public:
  bool Event(Json::parse_event_t event, const Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        if (open_.size() == kMaxDepth) throw Refused{"вложенность глубже, чем бывает в проекте"};
        open_.emplace_back();
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        open_.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!open_.back().insert(parsed.get_ref<const std::string&>()).second) {
          throw Refused{"ключ " + Quoted(parsed.get_ref<const std::string&>()) + " повторяется"};
        }
        break;
      case Json::parse_event_t::value:
        break;
    }
    return true;
  }

 private:
  std::vector<std::set<std::string, std::less<>>> open_;  // keys of each open container
};

std::string Where(std::string_view text, std::size_t byte) {
  const std::string_view before = text.substr(0, std::min(text.size(), byte - 1));
  const std::size_t line_start = before.rfind('\n') + 1;  // npos + 1 is 0
  const auto lines = std::count(before.begin(), before.end(), '\n') + 1;
  // UTF-8 continuation bytes are 10xxxxxx.
  const auto column = std::count_if(before.begin() + static_cast<long>(line_start), before.end(),
                                    [](char c) { return (c & 0xC0) != 0x80; }) +
                      1;
  return "строке " + std::to_string(lines) + ", в позиции " + std::to_string(column);
}

Json Parse(std::string_view text) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) throw Refused{"пусто"};
  Watch watch;
  const Json::parser_callback_t callback = [&watch](int, Json::parse_event_t event, Json& parsed) {
    return watch.Event(event, parsed);
  };
  try {
    return Json::parse(text.begin(), text.end(), callback);
  } catch (const Json::parse_error& error) {
    throw Refused{"не JSON: ошибка в " + Where(text, error.byte)};
  } catch (const Json::out_of_range&) {
    // The parser's only one: a number beyond the double range.
    throw Refused{"не JSON: число слишком велико"};
  }
}

const std::string& Text(const Json& value, std::string_view what) {
  const std::string& text = value.get_ref<const std::string&>();
  if (text.size() > kMaxTextBytes) throw Refused{std::string(what) + " длиннее 64 КиБ"};
  return text;
}

void ReadTitle(const Json& value, Design& design) {
  if (!value.is_string()) throw Refused{"название (\"title\") должно быть строкой"};
  design.title = Text(value, "название");
}

void ReadFields(const Json& value, Design& design) {
  if (!value.is_array() || value.size() != design.fields.size()) {
    throw Refused{"\"fields\" должен быть списком из 9 строк — полей окна"};
  }
  for (std::size_t k = 0; k < design.fields.size(); ++k) {
    const std::string field = "поле " + std::to_string(k + 1);
    if (!value[k].is_string()) throw Refused{field + " должно быть строкой"};
    design.fields[k] = Text(value[k], field);
  }
}

double Number(const Json& value, std::string_view key, const std::string& whose) {
  if (!value.is_number()) {
    throw Refused{whose + ": \"" + std::string(key) + "\" должно быть числом, а не " +
                  Quoted(value.dump())};
  }
  return value.get<double>() + 0.0;
}

windings::Kind Kind(const Json& value, const std::string& whose) {
  const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
  if (value.is_string()) {
    if (const std::optional<windings::Kind> kind = windings::FindKind(text)) return *kind;
  }
  throw Refused{whose + ": неизвестный вид обмотки " + Quoted(text) + " (" + windings::KindCodes() +
                ")"};
}

// Secondary k (from 1); the first has only its kind, its U and I being Text3 and Text4.
void ReadSecondary(const Json& value, std::size_t k, Design& design) {
  const std::string whose = "вторичная обмотка " + std::to_string(k);
  if (!value.is_object()) throw Refused{whose + " должна быть объектом"};
  for (const auto& [key, member] : value.items()) {
    if (key == "kind") continue;
    if (k == 1 && (key == "U" || key == "I")) {
      throw Refused{whose + ": ее U и I — поля 3 и 4, здесь у нее только \"kind\""};
    }
    if (k == 1 || (key != "U" && key != "I")) {
      throw Refused{whose + ": неизвестный ключ " + Quoted(key)};
    }
  }
  for (const std::string_view key : {"U", "I", "kind"}) {
    if ((k > 1 || key == "kind") && !value.contains(key)) {
      throw Refused{whose + ": нет \"" + std::string(key) + "\""};
    }
  }
  if (k == 1) {
    design.windings.first = Kind(value.at("kind"), whose);
    return;
  }
  design.windings.further.push_back({.voltage = Number(value.at("U"), "U", whose),
                                     .current = Number(value.at("I"), "I", whose),
                                     .kind = Kind(value.at("kind"), whose)});
}

void ReadSecondaries(const Json& value, Design& design) {
  if (!value.is_array() || value.empty() || value.size() > windings::kMaxSecondaries) {
    throw Refused{"\"secondaries\" должен быть списком из 1–8 вторичных обмоток"};
  }
  for (std::size_t k = 0; k < value.size(); ++k) ReadSecondary(value[k], k + 1, design);
}

void ReadSettings(const Json& value, Design& design) {
  if (!value.is_object()) throw Refused{"\"settings\" должен быть объектом"};
  for (const auto& [key, member] : value.items()) {
    const std::optional<FileSetting> setting = FindFileSetting(key);
    if (!setting) throw Refused{"неизвестный параметр " + Quoted(key)};
    std::optional<std::string> refusal;
    if (member.is_null()) {
      refusal = Store(design, *setting, std::nullopt);
    } else if (member.is_number()) {
      refusal = Store(design, *setting, member.get<double>());
    } else {
      refusal = values::Refusal(RuleOf(*setting), member.dump());
    }
    if (refusal) throw Refused{*refusal};
  }
}

struct Member {
  std::string_view key;
  void (*read)(const Json& value, Design& design);
};

constexpr Member kMembers[] = {
    {"title", ReadTitle},
    {"fields", ReadFields},
    {"secondaries", ReadSecondaries},
    {"settings", ReadSettings},
};

void CheckFormat(const Json& document) {
  if (!document.is_object()) throw Refused{"не проект: в JSON не объект"};
  const auto format = document.find(kFormatKey);
  if (format == document.end()) {
    throw Refused{"не проект: в JSON нет ключа \"" + std::string(kFormatKey) + "\""};
  }
  if (!format->is_number_integer()) {
    throw Refused{"версия формата должна быть целым числом, а не " + Quoted(format->dump())};
  }
  if (format->is_number_unsigned() && format->get<std::uint64_t>() > kFormatVersion) {
    throw Refused{"версия формата " + format->dump() + " новее этой программы: она читает версию " +
                  std::to_string(kFormatVersion)};
  }
  if (*format != kFormatVersion) throw Refused{"неизвестная версия формата " + format->dump()};
}

Design ReadDocument(const Json& document) {
  CheckFormat(document);
  Design design;
  for (const auto& member : document.items()) {
    const std::string& key = member.key();
    if (key == kFormatKey) continue;
    const auto known = std::find_if(std::begin(kMembers), std::end(kMembers),
                                    [&key](const Member& m) { return m.key == key; });
    if (known == std::end(kMembers)) throw Refused{"неизвестный ключ " + Quoted(key)};
    known->read(member.value(), design);
  }
  if (!document.contains("fields")) throw Refused{"нет \"fields\" — девяти полей окна"};
  return design;
}

}  // namespace

std::variant<Design, std::string> Read(std::string_view text) {
  if (text.size() > kMaxDocumentBytes) return std::string("больше 1 МиБ");
  try {
    Design design = ReadDocument(Parse(text));
    // Escapes and members written anew may outgrow a document at the limit; a design read is
    // one that can be written and read again.
    if (Write(design).size() > kMaxDocumentBytes) {
      throw Refused{"больше 1 МиБ, если записать заново"};
    }
    return design;
  } catch (const Refused& refused) {
    return refused.reason;
  }
}

}  // namespace design_file
