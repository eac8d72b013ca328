// What the page calls: texts go in as bytes with their lengths (NUL and invalid UTF-8 reach
// the engine as typed), answers come back as NUL-terminated UTF-8 JSON.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <emscripten/emscripten.h>

#include "design_file/design_file.h"
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

calc::InputTexts Fields(const std::array<std::string_view, 10>& texts) {
  calc::InputTexts fields;
  std::copy_n(texts.begin(), fields.size(), fields.begin());
  return fields;
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

// Design files: the nine fields and the title in, or a file's name and bytes, or a fragment.
EMSCRIPTEN_KEEPALIVE const char* ts_design_file(const char* bytes, const std::uint32_t* lengths) {
  const auto texts = Texts<10>(bytes, lengths);
  return Answer(Session().DesignFile(Fields(texts), texts[9]));
}

EMSCRIPTEN_KEEPALIVE const char* ts_design_fragment(const char* bytes,
                                                    const std::uint32_t* lengths) {
  const auto texts = Texts<10>(bytes, lengths);
  return Answer(Session().DesignFragment(Fields(texts), texts[9]));
}

EMSCRIPTEN_KEEPALIVE const char* ts_design_open(const char* bytes, const std::uint32_t* lengths) {
  const auto texts = Texts<2>(bytes, lengths);
  return Answer(Session().OpenDesign(texts[0], texts[1]));
}

EMSCRIPTEN_KEEPALIVE const char* ts_design_open_fragment(const char* bytes,
                                                         const std::uint32_t* lengths) {
  return Answer(Session().OpenFragment(Texts<1>(bytes, lengths)[0]));
}

EMSCRIPTEN_KEEPALIVE const char* ts_design_unreadable(const char* bytes,
                                                      const std::uint32_t* lengths) {
  return Answer(web::PageSession::UnreadableDesign(Texts<1>(bytes, lengths)[0]));
}

/// The most bytes of a file the page hands over: one more than a design file may hold.
EMSCRIPTEN_KEEPALIVE std::uint32_t ts_design_max_bytes() {
  return static_cast<std::uint32_t>(design_file::kMaxDocumentBytes + 1);
}
}
