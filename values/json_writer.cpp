#include "values/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

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
  Quoted(name, ":");
  first_ = true;
  return *this;
}

namespace {

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

// Appends the escaped form of text that needs it, from its first such character `from`.
void AppendEscaped(std::string_view text, std::size_t from, std::string& out) {
  std::size_t plain = 0;
  for (std::size_t k = from; k < text.size(); ++k) {
    const char c = text[k];
    if (!NeedsEscape(c)) continue;
    out.append(text.data() + plain, k - plain);
    plain = k + 1;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    }
  }
  out.append(text.data() + plain, text.size() - plain);
}

}  // namespace

// A batch line writes hundreds of strings and keys: one that needs no escape, with its
// separator and quotes, is appended in one go.
void JsonWriter::Quoted(std::string_view text, std::string_view after) {
  const bool comma = !first_;
  first_ = false;
  std::string& out = *out_;
  std::size_t k = 0;
  while (k < text.size() && !NeedsEscape(text[k])) ++k;
  if (k == text.size()) {
    const std::size_t at = out.size();
    out.resize(at + comma + text.size() + 2 + after.size());
    char* p = out.data() + at;
    if (comma) *p++ = ',';
    *p++ = '"';
    p = std::copy(text.begin(), text.end(), p);
    *p++ = '"';
    std::copy(after.begin(), after.end(), p);
    return;
  }
  if (comma) out += ',';
  out += '"';
  AppendEscaped(text, k, out);
  out += '"';
  out.append(after);
}

JsonWriter& JsonWriter::String(std::string_view text) {
  Quoted(text, {});
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
  const std::to_chars_result written = std::to_chars(std::begin(text), std::end(text), n);
  out_->append(text, written.ptr);
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
