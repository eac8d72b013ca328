#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

/// `text` as valid UTF-8 (each bad byte becomes U+FFFD), without surrounding white space, and
/// cut to `units` UTF-16 units with `mark` appended when it is longer. When more text `follows`
/// the part given, its end is no end of the text: not trimmed, and cut with the mark.
std::string ShortenedUtf8(std::string_view text, std::size_t units, std::string_view mark,
                          bool follows = false);

/// How many bytes of white space lead `text`, as ShortenedUtf8 trims it.
std::size_t LeadingSpaceBytes(std::string_view text);

}  // namespace calc
