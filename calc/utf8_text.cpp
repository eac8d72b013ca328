#include "calc/utf8_text.h"

#include <vector>

namespace calc {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point at text[i], advancing i; a bad sequence gives U+FFFD and skips one byte.
char32_t Decode(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return text[i++];
  const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  char32_t c = lead & (0x3F >> (length - 1 > 0 ? length - 1 : 0));
  if (length == 0 || lead > 0xF4 || i + static_cast<std::size_t>(length) > text.size()) {
    ++i;
    return kReplacement;
  }
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += static_cast<std::size_t>(length);
  return c;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// White space as Unicode counts it (separators, controls \t … \r, U+0085).
bool IsSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

}  // namespace

std::string ShortenedUtf8(std::string_view text, std::size_t units, std::string_view mark,
                          bool follows) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) points.push_back(Decode(text, i));
  std::size_t first = 0;
  std::size_t last = points.size();
  while (first < last && IsSpace(points[first])) ++first;
  while (!follows && last > first && IsSpace(points[last - 1])) --last;
  std::string out;
  std::size_t used = 0;
  for (std::size_t k = first; k < last; ++k) {
    const std::size_t width = points[k] >= 0x10000 ? 2 : 1;
    if (used + width > units) {
      // Half of a pair that does not fit shows as U+FFFD.
      if (used < units) Encode(kReplacement, out);
      return out.append(mark);
    }
    used += width;
    Encode(points[k], out);
  }
  return follows ? out.append(mark) : out;
}

std::size_t LeadingSpaceBytes(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t next = at;
    if (!IsSpace(Decode(text, next))) break;
    at = next;
  }
  return at;
}

}  // namespace calc
