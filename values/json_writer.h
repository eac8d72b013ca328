#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "values/number_text.h"

namespace values {

/// An object key with its quotes and colon, made while compiling: `"name"_key`.
class JsonKey {
 public:
  static constexpr std::size_t kCapacity = 16;

  /// Refuses to compile a key that needs an escape or does not fit.
  consteval explicit JsonKey(std::string_view name) : size_(name.size() + 3) {
    if (name.size() + 3 > kCapacity) throw "a key of JsonKey::kCapacity - 3 characters at most";
    text_[0] = '"';
    for (std::size_t k = 0; k < name.size(); ++k) {
      const char c = name[k];
      if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) throw "an escape";
      text_[k + 1] = c;
    }
    text_[name.size() + 1] = '"';
    text_[name.size() + 2] = ':';
  }

 private:
  friend class JsonWriter;
  char text_[kCapacity]{};
  std::size_t size_;
};

inline namespace json_literals {
/// The key `"name":`, built while compiling.
consteval JsonKey operator""_key(const char* name, std::size_t size) {
  return JsonKey(std::string_view(name, size));
}
}  // namespace json_literals

/// Builds one JSON text; the page reads the engine's answers from it.
class JsonWriter {
 public:
  /// Writes into a text of its own.
  JsonWriter() = default;
  /// Appends to `out`, which must outlive the writer; what is written reaches `out` by text(),
  /// Flush() or the writer's end.
  explicit JsonWriter(std::string& out) : out_(&out) {}
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;
  ~JsonWriter() { Flush(); }

  JsonWriter& Open(char bracket) {
    char* at = Separate(Room(2));
    *at++ = bracket;
    Commit(at);
    first_ = true;
    return *this;
  }
  JsonWriter& Close(char bracket) {
    char* at = Room(1);
    *at++ = bracket;
    Commit(at);
    first_ = false;
    return *this;
  }
  JsonWriter& Key(std::string_view name);
  JsonWriter& Key(const JsonKey& key) {
    char* at = Separate(Room(1 + JsonKey::kCapacity));
    std::memcpy(at, key.text_, JsonKey::kCapacity);
    Commit(at + key.size_);
    first_ = true;
    return *this;
  }
  /// A UTF-8 string; control characters are escaped.
  JsonWriter& String(std::string_view text);
  /// The shortest number that reads back exactly ("0.05", "1e+300"); null when not finite.
  JsonWriter& Number(double x);
  /// x with exactly `decimals` decimals, halves away from zero, no exponent; null when not finite.
  JsonWriter& Fixed(double x, int decimals) {
    char* at = Separate(Room(1 + kExactFixedCapacity));
    if (char* end = WriteExactFixed(x, decimals, at)) {
      Commit(end);
    } else {
      LongFixed(x, decimals, at);
    }
    return *this;
  }
  /// Key(key) then Fixed(x, decimals), in one step: the figures of a design are most of a line.
  JsonWriter& FixedMember(const JsonKey& key, double x, int decimals);
  /// x as "%.15g" writes it; null when not finite.
  JsonWriter& General(double x);
  JsonWriter& Integer(std::int64_t n);
  JsonWriter& Bool(bool value);
  JsonWriter& Null() { return Word("null"); }
  /// Everything written so far.
  const std::string& text() {
    Flush();
    return *out_;
  }
  /// Puts what the writer holds into its text.
  void Flush();

 private:
  // Longer strings go straight to the text, escaped there.
  static constexpr std::size_t kLongString = 256;
  // Room for a string below kLongString escaped throughout and a number, with their separator.
  static constexpr std::size_t kStaged = 2048;

  // A pointer to `size` free chars at the end of what is staged.
  char* Room(std::size_t size) {
    if (kStaged - staged_ < size) Flush();
    return stage_ + staged_;
  }
  // The separator at `at`, if one is due; returns the char after it.
  char* Separate(char* at) {
    if (!first_) *at++ = ',';
    first_ = false;
    return at;
  }
  void Commit(const char* end) { staged_ = static_cast<std::size_t>(end - stage_); }
  // `text` quoted and escaped at `at`, then `after`; returns its end.
  static char* Quote(std::string_view text, char after, char* at);
  // Kept out of Key and String, so that a short string pays for none of its registers.
  [[gnu::noinline]] void LongString(std::string_view text, std::string_view after);
  // What WriteExactFixed leaves: a number too long for the stage at `at`, or null.
  void LongFixed(double x, int decimals, char* at);
  JsonWriter& Word(std::string_view word) {
    char* at = Separate(Room(1 + word.size()));
    Commit(std::copy(word.begin(), word.end(), at));
    return *this;
  }

  std::string own_;
  std::string* out_ = &own_;
  bool first_ = true;
  // A batch line writes about a thousand keys, strings and numbers: they gather here and reach
  // the text a few kilobytes at a time.
  std::size_t staged_ = 0;
  char stage_[kStaged];
};

}  // namespace values
