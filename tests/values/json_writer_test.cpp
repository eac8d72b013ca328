#include "values/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "values/number_text.h"

namespace values {
namespace {

// A string quoted and escaped one character at a time.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
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
  return out + "\"";
}

// Strings and keys of every length around the one that goes straight to the text, escapes
// among them, and numbers too large for the quick digits, over many fills of what the writer
// gathers: the text reaches `out` whole and in order, after what it held before.
TEST(JsonWriter, GathersTheSameTextAsWrittenOneByOne) {
  std::string out = "kept ";
  std::string expected = out + "{";
  {
    JsonWriter json(out);
    json.Open('{');
    for (int k = 0; k < 600; ++k) {
      std::string text(static_cast<std::size_t>(k % 300), 'x');
      if (k % 3 == 0) text += "\"\\\n\x01\x1f";
      if (k > 0) expected += ',';
      const double x = k % 7 == 0 ? 1e300 : k * 0.125;
      json.Key(text).Open('{').Key("s"_key).String(text).Key("x"_key).Fixed(x, k % 4);
      json.Key("n"_key).Integer(-k).Key("none"_key).Null().Close('}');
      expected += Quoted(text) + ":{\"s\":" + Quoted(text) + ",\"x\":";
      AppendExactFixed(x, k % 4, expected);
      expected += ",\"n\":" + std::to_string(-k) + ",\"none\":null}";
    }
    json.Close('}');
  }
  EXPECT_EQ(out, expected + "}");
}

// Strings are copied eight bytes at a time until one needs an escape: each byte that needs one,
// and its neighbours that do not, at every place of strings around a word's length.
TEST(JsonWriter, EscapesAByteAtAnyPlaceOfAString) {
  for (const char c :
       {'"', '\\', '\x00', '\x1f', ' ', '!', '#', '[', ']', '\x7f', '\x80', '\xff'}) {
    for (std::size_t size = 1; size <= 25; ++size) {
      for (std::size_t place = 0; place < size; ++place) {
        std::string text(size, 'a');
        text[place] = c;
        JsonWriter json;
        EXPECT_EQ(json.String(text).text(), Quoted(text)) << int{c} << " at " << place;
      }
    }
  }
}

// A key written together with its figure keeps its place when the figure takes the long way or
// comes out as null.
TEST(JsonWriter, WritesAFigureMemberWhateverItsLength) {
  for (const double x : {std::numeric_limits<double>::infinity(), 1e300, 0.125}) {
    JsonWriter json;
    json.Open('{').FixedMember("a"_key, x, 2).FixedMember("b"_key, -0.5, 0).Close('}');
    std::string expected = "{\"a\":";
    if (std::isfinite(x)) {
      AppendExactFixed(x, 2, expected);
    } else {
      expected += "null";
    }
    EXPECT_EQ(json.text(), expected + ",\"b\":-1}") << x;
  }
}

// A figure that is not finite reaches the fixed writing as a number like any other; it must come
// out as null, with its separator, and leave the writer going on after it.
TEST(JsonWriter, WritesNullForAFigureThatIsNotFinite) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double x : {kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
    JsonWriter json;
    json.Open('[').Fixed(1, 1).Fixed(x, 2).Fixed(x, 0).Number(x).General(x).Fixed(-0.5, 0);
    EXPECT_EQ(json.Close(']').text(), "[1.0,null,null,null,null,-1]") << x;
  }
}

}  // namespace
}  // namespace values
