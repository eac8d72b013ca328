#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design_file/design.h"

namespace design_file {

/// Why a face refuses a file it could not read at all.
inline constexpr std::string_view kUnreadable = "файл не читается";

/// The caption of a face that shows a design titled `title`: «ТН-1 — Расчет трансформатора»;
/// without a title the window's own caption.
std::string Caption(std::string_view title);

/// The title on one line and cut to a heading's length, as captions and the sheet show it.
std::string ShortTitle(std::string_view title);

/// The file name a face offers for saving the design titled `title`: the title without the
/// characters a file name cannot hold, «Проект» without one, and the extension.
std::string SuggestedFileName(std::string_view title);

/// What a face says of the file `name` it does not open: «Проект «a.json» не открыт: пусто.»
std::string FileRefusal(std::string_view name, std::string_view reason);

/// What the page says of an address whose design it does not open.
std::string LinkRefusal(std::string_view reason);

}  // namespace design_file
