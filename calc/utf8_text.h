#pragma once

#include <string>
#include <string_view>

namespace calc {

/// `text` as valid UTF-8 (each bad byte becomes U+FFFD), without surrounding white space, and
/// cut to `units` UTF-16 units with `mark` appended when it is longer.
std::string ShortenedUtf8(std::string_view text, std::size_t units, std::string_view mark);

}  // namespace calc
