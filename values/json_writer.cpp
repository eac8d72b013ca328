#include "values/json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

constexpr std::uint64_t kEachByte = 0x0101'0101'0101'0101;

// Whether a byte of `word` is below `bound` (at most 0x80); exact for the word as a whole.
constexpr bool AnyBelow(std::uint64_t word, std::uint64_t bound) {
  return ((word - kEachByte * bound) & ~word & (kEachByte * 0x80)) != 0;
}

// Whether one of the eight bytes of `word` needs an escape.
constexpr bool AnyNeedsEscape(std::uint64_t word) {
  return AnyBelow(word, 0x20) || AnyBelow(word ^ (kEachByte * '"'), 1) ||
         AnyBelow(word ^ (kEachByte * '\\'), 1);
}

// The word test and the byte table name the same bytes.
static_assert([] {
  for (std::uint64_t c = 0; c < kNeedsEscape.size(); ++c) {
    if (AnyNeedsEscape(kEachByte * c) != kNeedsEscape[c]) return false;
  }
  return true;
}());

// Copies the bytes of `text` to `at` eight at a time while none needs an escape, the last eight
// overlapping the ones before, or a text of four to seven bytes as two overlapping halves of one
// word; returns how many were copied.
std::size_t CopyPlainWords(std::string_view text, char* at) {
  constexpr std::size_t kWord = sizeof(std::uint64_t);
  constexpr std::size_t kHalf = sizeof(std::uint32_t);
  if (text.size() < kHalf) return 0;
  if (text.size() < kWord) {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::memcpy(&first, text.data(), kHalf);
    std::memcpy(&last, text.data() + text.size() - kHalf, kHalf);
    if (AnyNeedsEscape(first | std::uint64_t{last} << 32)) return 0;
    std::memcpy(at, &first, kHalf);
    std::memcpy(at + text.size() - kHalf, &last, kHalf);
    return text.size();
  }
  std::size_t k = 0;
  for (;; k += kWord) {
    const std::size_t start = std::min(k, text.size() - kWord);
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + start, kWord);
    if (AnyNeedsEscape(word)) return start;
    std::memcpy(at + start, &word, kWord);
    if (start + kWord == text.size()) return text.size();
  }
}

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

char* JsonWriter::Quote(std::string_view text, char after, char* at) {
  *at++ = '"';
  const std::size_t plain = CopyPlainWords(text, at);
  at += plain;
  for (const char c : text.substr(plain)) {
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

JsonWriter& JsonWriter::Key(std::string_view name) {
  if (name.size() < kLongString) {
    Commit(Quote(name, ':', Separate(Room(1 + kEscapedSize * name.size() + 3))));
  } else {
    LongString(name, ":");
  }
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

JsonWriter& JsonWriter::Number(double x) {
  if (!std::isfinite(x)) return Null();
  return Word(ShortestText(x));
}

void JsonWriter::LongFixed(double x, int decimals, char* at) {
  if (!std::isfinite(x)) {
    Commit(std::copy_n("null", 4, at));
    return;
  }
  Commit(at);
  Flush();
  AppendExactFixed(x, decimals, *out_);
}

JsonWriter& JsonWriter::FixedMember(const JsonKey& key, double x, int decimals) {
  char* at = Separate(Room(1 + JsonKey::kCapacity + kExactFixedCapacity));
  std::memcpy(at, key.text_, JsonKey::kCapacity);
  at += key.size_;
  if (char* end = WriteExactFixed(x, decimals, at)) {
    Commit(end);
  } else {
    LongFixed(x, decimals, at);
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

}  // namespace values
