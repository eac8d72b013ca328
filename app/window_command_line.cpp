#include "app/window_command_line.h"

#include <cstdlib>
#include <string_view>

namespace app {

namespace {

constexpr std::string_view kHelp =
    "Использование: transformer-sizer [--help] [--version] [ПРОЕКТ.json]\n"
    "\n"
    "Открывает окно расчета малого однофазного сетевого трансформатора на выбранном\n"
    "сердечнике: по форме и размерам магнитопровода, напряжениям и току нагрузки\n"
    "программа решает, подходит ли железо, и считает токи, сечения и диаметры\n"
    "проводов и числа витков обмоток.\n"
    "\n"
    "  ПРОЕКТ.json  открыть проект: поля и настройки из файла, сохраненного окном или\n"
    "               страницей (считает, как всегда, кнопка «Вычислить»)\n"
    "  -h, --help   показать эту справку и выйти\n"
    "  --version    показать версию программы и выйти\n"
    "\n"
    "Другие параметры окно не учитывает; параметры Qt, например -platform, действуют.\n"
    "Файл, имя которого начинается с «-», указывайте после «--».\n"
    "Окну нужен графический дисплей; без него его можно открыть на виртуальном\n"
    "X-сервере: xvfb-run -a transformer-sizer\n"
    "\n"
    "Много расчетов сразу, из файла или скрипта: transformer-sizer-batch --help.\n";

constexpr std::string_view kVersion = "transformer-sizer " TS_VERSION "\n";

int Print(std::string_view text, std::FILE* out) {
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return written && std::fflush(out) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

std::optional<int> AnswerInformationOption(std::span<const char* const> args, std::FILE* out) {
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return Print(kHelp, out);
    if (arg == "--version") return Print(kVersion, out);
  }
  return std::nullopt;
}

std::optional<std::string_view> DesignArgument(std::span<const char* const> args) {
  bool options = true;
  for (const std::string_view arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (!options || !arg.starts_with('-')) {
      return arg;
    }
  }
  return std::nullopt;
}

}  // namespace app
