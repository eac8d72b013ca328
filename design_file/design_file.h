#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "design_file/design.h"

namespace design_file {

/// The member that makes a JSON document a design; its value is the format's version.
inline constexpr std::string_view kFormatKey = "transformer-sizer-design";
inline constexpr int kFormatVersion = 1;

/// The media type the desktop knows design files by, and their file name's end.
inline constexpr std::string_view kMediaType = "application/x-transformer-sizer+json";
inline constexpr std::string_view kExtension = ".json";

/// Longest document read, and longest title or field text in it, in bytes.
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxTextBytes = std::size_t{64} << 10;

/// The design as a file's text: UTF-8 JSON, a member a line, every setting named (unset ones
/// as null). Texts are written as given and must be UTF-8.
std::string Write(const Design& design);

/// The same on one line without the members that hold their defaults: what a fragment carries.
std::string WriteCompact(const Design& design);

/// The design a document holds, or why it holds none: a Russian reason, lower-case and without
/// a final period, for the caller to put after the file's name. Absent title, secondaries and
/// settings read as the defaults; anything else out of place refuses the whole document.
std::variant<Design, std::string> Read(std::string_view text);

}  // namespace design_file
