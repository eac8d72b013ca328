#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "design_file/design.h"

namespace design_file {

/// The design as a URL's fragment, without the "#": "design=" and the compact document in
/// base64url without padding. Only letters, digits, "-", "_" and one "=".
std::string EncodeFragment(const Design& design);

/// The design a fragment holds ("#" in front allowed), or a Russian reason as Read gives; the
/// encoding is checked as strictly as the document.
std::variant<Design, std::string> DecodeFragment(std::string_view fragment);

}  // namespace design_file
