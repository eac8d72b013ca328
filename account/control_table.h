#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace account {

enum class ControlKind { CaptionLabel, HeadingLabel, ResultLabel, InputField, PushButton, Picture };

inline constexpr int kNoIndex = -1;
inline constexpr int kNoTabIndex = -1;

/// One control of the window. Geometry is in twips from the client area's top-left corner.
struct ControlSpec {
  std::string_view name;
  int index;  ///< tells apart two controls of one name; kNoIndex when the name is unique
  ControlKind kind;
  int left;
  int top;
  int width;
  int height;
  int tabIndex;  ///< kNoTabIndex for the pictures
  std::string_view text;
};

/// A field (input field or result label) and the caption label of its row.
struct RowSpec {
  std::string_view caption;
  int captionIndex;
  std::string_view field;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr std::string_view kWindowName = "Form1";
inline constexpr std::string_view kWindowTitle = "Расчет трансформатора";

/// The client area, and where its top-left corner opens on the screen, in twips.
inline constexpr int kClientLeft = 3225;
inline constexpr int kClientTop = 1380;
inline constexpr int kClientWidth = 10455;
inline constexpr int kClientHeight = 10155;

/// Every control of the window with its text at start; the pictures come in form order 1, 2, 3.
extern const std::array<ControlSpec, 56> kControls;

/// The rows of the window, top to bottom.
extern const std::array<RowSpec, 25> kRows;

/// The caption of input field `field` (0 is Text1) without its run of full stops.
std::string_view InputCaption(std::size_t field);

/// The caption of result `result` (0 is Label26) without its run of full stops.
std::string_view ResultCaption(std::size_t result);

/// The unit of result `result` (0 is Label26), written beside its value; empty for a number
/// without one and for the verdict.
std::string_view ResultUnit(std::size_t result);

}  // namespace account
