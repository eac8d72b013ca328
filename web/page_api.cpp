// What the page calls: texts go in as bytes with their lengths (NUL and invalid UTF-8 reach
// the engine as typed), answers come back as NUL-terminated UTF-8 JSON.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <emscripten/emscripten.h>

#include "web/page_session.h"

namespace {

web::PageSession& Session() {
  static web::PageSession session;
  return session;
}

const char* Answer(std::string text) {
  static std::string answer;
  answer = std::move(text);
  return answer.c_str();
}

template <std::size_t N>
std::array<std::string_view, N> Texts(const char* bytes, const std::uint32_t* lengths) {
  std::array<std::string_view, N> texts;
  for (std::size_t k = 0; k < N; ++k) {
    texts[k] = std::string_view(bytes, lengths[k]);
    bytes += lengths[k];
  }
  return texts;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void* ts_alloc(std::size_t size) { return std::malloc(size); }

EMSCRIPTEN_KEEPALIVE void ts_free(void* p) { std::free(p); }

EMSCRIPTEN_KEEPALIVE const char* ts_calculate(const char* bytes, const std::uint32_t* lengths) {
  return Answer(Session().Calculate(Texts<9>(bytes, lengths)));
}

EMSCRIPTEN_KEEPALIVE const char* ts_settings(const char* bytes, const std::uint32_t* lengths) {
  return Answer(Session().SetSettings(Texts<account::kSettingCount>(bytes, lengths)));
}

EMSCRIPTEN_KEEPALIVE const char* ts_windings(const char* bytes, const std::uint32_t* lengths,
                                             std::uint32_t count) {
  std::vector<std::string_view> texts(count);
  for (std::string_view& text : texts) {
    text = std::string_view(bytes, *lengths);
    bytes += *lengths++;
  }
  return Answer(Session().SetWindings(texts));
}

EMSCRIPTEN_KEEPALIVE const char* ts_turns(int refined) {
  return Answer(
      Session().ChooseTurns(refined != 0 ? account::Turns::Refined : account::Turns::Calculated));
}

EMSCRIPTEN_KEEPALIVE const char* ts_results(const char* bytes, const std::uint32_t* lengths) {
  return Answer(Session().ResultsText(Texts<9>(bytes, lengths)));
}

EMSCRIPTEN_KEEPALIVE const char* ts_layout() { return Answer(web::PageSession::Layout()); }
}
