// Any bytes as a design file and as a URL fragment: reading never crashes, and either refuses
// with a reason in valid UTF-8 or gives a design that the file, the compact document and the
// fragment each carry back unchanged. A refused input is refused again for the same reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "calc/utf8_text.h"
#include "design_file/design_file.h"
#include "design_file/fragment.h"

namespace {

using Result = std::variant<design_file::Design, std::string>;

[[noreturn]] void Fail(const char* what, std::string_view input, std::string_view detail) {
  std::fprintf(stderr, "%s\n  input = \"%.*s\"\n  detail = \"%.*s\"\n", what,
               static_cast<int>(input.size()), input.data(), static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

// Each of the design's forms reads back as the design itself.
void CheckCarriedBack(const design_file::Design& design, std::string_view input) {
  const std::string file = design_file::Write(design);
  const std::string compact = design_file::WriteCompact(design);
  const std::string fragment = design_file::EncodeFragment(design);
  for (const auto& [form, read] : {std::pair{"file", design_file::Read(file)},
                                   std::pair{"compact", design_file::Read(compact)},
                                   std::pair{"fragment", design_file::DecodeFragment(fragment)}}) {
    if (const auto* reason = std::get_if<std::string>(&read)) Fail(form, input, *reason);
    if (std::get<design_file::Design>(read) != design) Fail(form, input, file);
  }
}

void Check(std::string_view input, Result (*read)(std::string_view)) {
  const Result result = read(input);
  if (const auto* reason = std::get_if<std::string>(&result)) {
    if (reason->empty() || calc::ShortenedUtf8(*reason, reason->size() + 1, "") != *reason) {
      Fail("a reason that is empty or not UTF-8", input, *reason);
    }
    if (std::get<std::string>(read(input)) != *reason) Fail("another reason", input, *reason);
    return;
  }
  CheckCarriedBack(std::get<design_file::Design>(result), input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Check(input, design_file::Read);
  Check(input, design_file::DecodeFragment);
  return 0;
}
