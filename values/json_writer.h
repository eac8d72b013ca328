#pragma once

#include <string>
#include <string_view>

namespace values {

/// Builds one JSON text; the page reads the engine's answers from it.
class JsonWriter {
 public:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  JsonWriter& Key(std::string_view name);
  /// A UTF-8 string; control characters are escaped.
  JsonWriter& String(std::string_view text);
  /// The shortest number that reads back exactly ("0.05", "1e+300"); null when not finite.
  JsonWriter& Number(double x);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  const std::string& text() const { return out_; }

 private:
  void Separate();

  std::string out_;
  bool first_ = true;
};

}  // namespace values
