#pragma once

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace batch {

/// Lines of a stream read in large blocks; a line's end and a trailing CR are dropped.
class LineReader {
 public:
  /// Longest line taken by default; a longer one stops the reading instead of all memory.
  static constexpr std::size_t kMaxLineBytes = std::size_t{256} << 20;

  explicit LineReader(std::FILE* stream, std::size_t max_line_bytes = kMaxLineBytes);

  /// The next line, valid until the next call; nothing at the end of the stream.
  std::optional<std::string_view> Next();

  /// Whether reading stopped on an error rather than at the end.
  bool failed() const { return failed_; }

  /// Whether reading stopped at a line longer than the limit.
  bool too_long() const { return too_long_; }

 private:
  bool Refill();

  std::FILE* stream_;
  std::size_t max_line_bytes_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the bytes read
  bool at_end_ = false;
  bool failed_ = false;
  bool too_long_ = false;
};

}  // namespace batch
