#include "windings/kinds.h"

namespace windings {

std::optional<Kind> FindKind(std::string_view code) {
  for (std::size_t k = 0; k < kKinds.size(); ++k) {
    if (kKinds[k].code == code) return static_cast<Kind>(k);
  }
  return std::nullopt;
}

std::string KindCodes() {
  std::string codes;
  for (const KindFacts& facts : kKinds) codes.append(codes.empty() ? "" : ", ").append(facts.code);
  return codes;
}

}  // namespace windings
