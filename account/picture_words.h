#pragma once

#include <array>
#include <string_view>

namespace account {

/// A core form's picture in words: a name, and what its letters measure.
struct PictureWords {
  std::string_view name;
  std::string_view description;
};

/// The pictures of core forms 1, 2 and 3, in form order.
extern const std::array<PictureWords, 3> kCorePictureWords;

}  // namespace account
