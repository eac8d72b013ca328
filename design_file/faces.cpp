#include "design_file/faces.h"

#include <algorithm>

#include "account/control_table.h"
#include "calc/utf8_text.h"
#include "design_file/design_file.h"
#include "windings/kinds.h"

namespace design_file {

namespace {

// UTF-16 units of a title in a caption or on the sheet; a title may hold 64 KiB.
constexpr std::size_t kTitleUnits = 80;

// Characters no file name may hold on the usual systems, and the line breaks of a title.
constexpr std::string_view kNotInFileNames = "/\\:*?\"<>|";

std::string OneLine(std::string_view title) {
  std::string line(title);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  return line;
}

}  // namespace

std::string ShortTitle(std::string_view title) {
  return calc::ShortenedUtf8(OneLine(title), kTitleUnits, "…");
}

std::string Caption(std::string_view title) {
  const std::string shown = ShortTitle(title);
  if (shown.empty()) return std::string(account::kWindowTitle);
  return shown + " — " + std::string(account::kWindowTitle);
}

std::string SuggestedFileName(std::string_view title) {
  std::string name = ShortTitle(title);
  std::replace_if(
      name.begin(), name.end(),
      [](char c) { return kNotInFileNames.find(c) != std::string_view::npos; }, '_');
  // A name of dots alone would be a folder, or hidden.
  if (name.find_first_not_of('.') == std::string::npos) name = "Проект";
  return name + std::string(kExtension);
}

std::string FileRefusal(std::string_view name, std::string_view reason) {
  return "Проект «" + calc::ShortenedUtf8(name, kTitleUnits, "…") +
         "» не открыт: " + std::string(reason) + ".";
}

std::string LinkRefusal(std::string_view reason) {
  return "Проект из ссылки не открыт: " + std::string(reason) + ".";
}

}  // namespace design_file
