#include "batch/line_reader.h"

#include <algorithm>
#include <cstring>

namespace batch {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

std::string_view WithoutCarriageReturn(const char* begin, const char* end) {
  if (end != begin && end[-1] == '\r') --end;
  return {begin, static_cast<std::size_t>(end - begin)};
}

}  // namespace

LineReader::LineReader(std::FILE* stream, std::size_t max_line_bytes)
    : stream_(stream),
      max_line_bytes_(max_line_bytes),
      buffer_(std::min(kBlockSize, max_line_bytes + 1)) {}

bool LineReader::Refill() {
  if (at_end_) return false;
  // Keep the partial line at the front; grow when one line fills the whole buffer.
  std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  if (end_ == buffer_.size()) {
    if (end_ > max_line_bytes_) {
      at_end_ = too_long_ = true;
      return false;
    }
    buffer_.resize(std::min(buffer_.size() * 2, max_line_bytes_ + 1));
  }
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, stream_);
  end_ += got;
  if (got == 0) {
    at_end_ = true;
    failed_ = std::ferror(stream_) != 0;
    return false;
  }
  return true;
}

std::optional<std::string_view> LineReader::Next() {
  std::size_t scanned = begin_;
  while (true) {
    const char* data = buffer_.data();
    const char* newline =
        static_cast<const char*>(std::memchr(data + scanned, '\n', end_ - scanned));
    if (newline != nullptr) {
      const char* line = data + begin_;
      begin_ = static_cast<std::size_t>(newline - data) + 1;
      return WithoutCarriageReturn(line, newline);
    }
    const std::size_t unscanned_from = end_ - begin_;
    if (!Refill()) break;
    scanned = unscanned_from;
  }
  if (begin_ == end_ || too_long_) return std::nullopt;
  const char* line = buffer_.data() + begin_;
  begin_ = end_;
  return WithoutCarriageReturn(line, buffer_.data() + end_);
}

}  // namespace batch
