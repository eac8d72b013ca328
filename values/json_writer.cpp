#include "values/json_writer.h"

#include <cmath>
#include <cstdio>

#include "values/number_text.h"
#include "values/setting_rule.h"

namespace values {

void JsonWriter::Separate() {
  if (!first_) *out_ += ',';
  first_ = false;
}

JsonWriter& JsonWriter::Open(char bracket) {
  Separate();
  *out_ += bracket;
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  *out_ += bracket;
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  String(name);
  *out_ += ':';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  Separate();
  std::string& out = *out_;
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
  return *this;
}

JsonWriter& JsonWriter::Number(double x) {
  if (!std::isfinite(x)) return Null();
  Separate();
  *out_ += ShortestText(x);
  return *this;
}

JsonWriter& JsonWriter::Fixed(double x, int decimals) {
  if (!std::isfinite(x)) return Null();
  Separate();
  AppendExactFixed(x, decimals, *out_);
  return *this;
}

JsonWriter& JsonWriter::General(double x) {
  if (!std::isfinite(x)) return Null();
  Separate();
  char text[kGeneralTextCapacity];
  out_->append(text, FormatGeneral(x, text));
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t n) {
  Separate();
  char text[24];
  const int size = std::snprintf(text, sizeof text, "%lld", static_cast<long long>(n));
  out_->append(text, static_cast<std::size_t>(size));
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  Separate();
  *out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  Separate();
  *out_ += "null";
  return *this;
}

}  // namespace values
