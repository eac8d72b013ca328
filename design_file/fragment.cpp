#include "design_file/fragment.h"

#include <array>
#include <cstdint>
#include <optional>

#include "design_file/design_file.h"

namespace design_file {

namespace {

constexpr std::string_view kPrefix = "design=";
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::size_t kMaxEncoded = (kMaxDocumentBytes + 2) / 3 * 4;
constexpr std::uint8_t kNotInAlphabet = 64;

constexpr std::array<std::uint8_t, 256> SextetTable() {
  std::array<std::uint8_t, 256> table{};
  table.fill(kNotInAlphabet);
  for (std::size_t k = 0; k < kAlphabet.size(); ++k) {
    table[static_cast<unsigned char>(kAlphabet[k])] = static_cast<std::uint8_t>(k);
  }
  return table;
}

constexpr std::array<std::uint8_t, 256> kSextets = SextetTable();

std::string Encoded(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::uint32_t bits = 0;
  int held = 0;
  for (const char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    held += 8;
    while (held >= 6) {
      held -= 6;
      out += kAlphabet[(bits >> held) & 63];
    }
  }
  if (held > 0) out += kAlphabet[(bits << (6 - held)) & 63];
  return out;
}

// Decodes base64url without padding into `bytes`, or says why `text` is none. Bits left over
// must be zero, so that each design has one fragment.
std::optional<std::string> Decode(std::string_view text, std::string& bytes) {
  if (text.size() % 4 == 1) return "ссылка обрезана";
  bytes.reserve(text.size() / 4 * 3 + 2);
  std::uint32_t bits = 0;
  int held = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const std::uint8_t sextet = kSextets[static_cast<unsigned char>(text[k])];
    if (sextet == kNotInAlphabet) {
      return "ссылка повреждена: недопустимый знак на месте " +
             std::to_string(kPrefix.size() + k + 1);
    }
    bits = (bits << 6) | sextet;
    held += 6;
    if (held >= 8) {
      held -= 8;
      bytes += static_cast<char>((bits >> held) & 0xFF);
    }
  }
  if ((bits & ((1u << held) - 1)) != 0) return "ссылка повреждена";
  return std::nullopt;
}

}  // namespace

std::string EncodeFragment(const Design& design) {
  return std::string(kPrefix) + Encoded(WriteCompact(design));
}

std::variant<Design, std::string> DecodeFragment(std::string_view fragment) {
  if (fragment.starts_with('#')) fragment.remove_prefix(1);
  if (!fragment.starts_with(kPrefix)) return std::string("в ссылке нет проекта");
  fragment.remove_prefix(kPrefix.size());
  if (fragment.size() > kMaxEncoded) return std::string("ссылка длиннее, чем бывает у проекта");
  std::string document;
  if (auto refusal = Decode(fragment, document)) return *std::move(refusal);
  return Read(document);
}

}  // namespace design_file
