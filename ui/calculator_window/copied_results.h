#pragma once

#include <cstddef>

#include <QString>

namespace ui {

/// The caption of input field `field` (0 is Text1) without its run of full stops.
QString InputCaption(std::size_t field);

/// The caption of result `result` (0 is Label26) without its run of full stops.
QString ResultCaption(std::size_t result);

}  // namespace ui
