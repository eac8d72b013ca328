#include "values/json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "values/number_text.h"
#include "values/setting_rule.h"

namespace values {

namespace {

constexpr std::array<bool, 256> kNeedsEscape = [] {
  std::array<bool, 256> needs{};
  for (std::size_t c = 0; c < 0x20; ++c) needs[c] = true;
  needs['"'] = true;
  needs['\\'] = true;
  return needs;
}();

constexpr std::size_t kEscapedSize = 6;  // \u001f

// The escape of a character that needs one, at `at`; returns its end.
char* Escape(char c, char* at) {
  if (c == '"' || c == '\\') {
    *at++ = '\\';
    *at++ = c;
    return at;
  }
  constexpr std::string_view kHex = "0123456789abcdef";
  const auto code = static_cast<unsigned char>(c);
  at = std::copy_n("\\u00", 4, at);
  *at++ = kHex[code >> 4];
  *at++ = kHex[code & 15];
  return at;
}

}  // namespace

void JsonWriter::Flush() {
  out_->append(stage_, staged_);
  staged_ = 0;
}

char* JsonWriter::Room(std::size_t size) {
  if (kStaged - staged_ < size) Flush();
  return stage_ + staged_;
}

char* JsonWriter::Separate(char* at) {
  if (!first_) *at++ = ',';
  first_ = false;
  return at;
}

char* JsonWriter::Quote(std::string_view text, char after, char* at) {
  *at++ = '"';
  for (const char c : text) {
    if (kNeedsEscape[static_cast<unsigned char>(c)]) {
      at = Escape(c, at);
    } else {
      *at++ = c;
    }
  }
  *at++ = '"';
  if (after != '\0') *at++ = after;
  return at;
}

void JsonWriter::LongString(std::string_view text, std::string_view after) {
  Commit(Separate(Room(1)));
  Flush();
  std::string& out = *out_;
  out += '"';
  std::size_t plain = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (!kNeedsEscape[static_cast<unsigned char>(text[k])]) continue;
    out.append(text.data() + plain, k - plain);
    plain = k + 1;
    char escaped[kEscapedSize];
    out.append(escaped, static_cast<std::size_t>(Escape(text[k], escaped) - escaped));
  }
  out.append(text.data() + plain, text.size() - plain);
  out += '"';
  out.append(after);
}

JsonWriter& JsonWriter::Open(char bracket) {
  char* at = Separate(Room(2));
  *at++ = bracket;
  Commit(at);
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  char* at = Room(1);
  *at++ = bracket;
  Commit(at);
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  if (name.size() < kLongString) {
    Commit(Quote(name, ':', Separate(Room(1 + kEscapedSize * name.size() + 3))));
  } else {
    LongString(name, ":");
  }
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(const JsonKey& key) {
  char* at = Separate(Room(1 + JsonKey::kCapacity));
  std::memcpy(at, key.text_, JsonKey::kCapacity);
  Commit(at + key.size_);
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  if (text.size() < kLongString) {
    Commit(Quote(text, '\0', Separate(Room(1 + kEscapedSize * text.size() + 2))));
  } else {
    LongString(text, {});
  }
  return *this;
}

JsonWriter& JsonWriter::Word(std::string_view word) {
  char* at = Separate(Room(1 + word.size()));
  Commit(std::copy(word.begin(), word.end(), at));
  return *this;
}

JsonWriter& JsonWriter::Number(double x) {
  if (!std::isfinite(x)) return Null();
  return Word(ShortestText(x));
}

JsonWriter& JsonWriter::Fixed(double x, int decimals) {
  if (!std::isfinite(x)) return Null();
  char* at = Separate(Room(1 + kExactFixedCapacity));
  if (char* end = WriteExactFixed(x, decimals, at)) {
    Commit(end);
  } else {
    Commit(at);
    Flush();
    AppendExactFixed(x, decimals, *out_);
  }
  return *this;
}

JsonWriter& JsonWriter::General(double x) {
  if (!std::isfinite(x)) return Null();
  char* at = Separate(Room(1 + kGeneralTextCapacity));
  Commit(at + FormatGeneral(x, at));
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t n) {
  constexpr std::size_t kDigits = 20;  // a sign and 19 digits
  char* at = Separate(Room(1 + kDigits));
  Commit(std::to_chars(at, at + kDigits, n).ptr);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) { return Word(value ? "true" : "false"); }

JsonWriter& JsonWriter::Null() { return Word("null"); }

}  // namespace values
