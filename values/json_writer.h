#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace values {

/// Builds one JSON text; the page reads the engine's answers from it.
class JsonWriter {
 public:
  /// Writes into a text of its own.
  JsonWriter() = default;
  /// Appends to `out`, which must outlive the writer.
  explicit JsonWriter(std::string& out) : out_(&out) {}
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  JsonWriter& Key(std::string_view name);
  /// A UTF-8 string; control characters are escaped.
  JsonWriter& String(std::string_view text);
  /// The shortest number that reads back exactly ("0.05", "1e+300"); null when not finite.
  JsonWriter& Number(double x);
  /// x with exactly `decimals` decimals, halves away from zero, no exponent; null when not finite.
  JsonWriter& Fixed(double x, int decimals);
  /// x as "%.15g" writes it; null when not finite.
  JsonWriter& General(double x);
  JsonWriter& Integer(std::int64_t n);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  const std::string& text() const { return *out_; }

 private:
  void Separate();
  // The separator, `text` quoted and escaped, then `after`.
  void Quoted(std::string_view text, std::string_view after);

  std::string own_;
  std::string* out_ = &own_;
  bool first_ = true;
};

}  // namespace values
