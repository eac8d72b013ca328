#pragma once

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace batch {

/// Lines of a stream read in large blocks; a line's end and a trailing CR are dropped.
class LineReader {
 public:
  explicit LineReader(std::FILE* stream);

  /// The next line, valid until the next call; nothing at the end of the stream.
  std::optional<std::string_view> Next();

  /// Whether reading stopped on an error rather than at the end.
  bool failed() const { return failed_; }

 private:
  bool Refill();

  std::FILE* stream_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the bytes read
  bool at_end_ = false;
  bool failed_ = false;
};

}  // namespace batch
