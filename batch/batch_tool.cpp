#include "batch/batch_tool.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_session.h"
#include "batch/line_reader.h"

namespace batch {

namespace {

constexpr std::string_view kProgram = "transformer-sizer-batch";
constexpr std::string_view kStdinName = "<стандартный ввод>";
constexpr std::size_t kFlushSize = 1 << 16;

constexpr std::string_view kHelp =
    "Использование: transformer-sizer-batch [--help] [--] [ФАЙЛ]...\n"
    "          или: transformer-sizer-batch --version\n"
    "\n"
    "Расчет трансформатора для многих сердечников сразу. Читает ФАЙЛЫ по очереди\n"
    "(или стандартный ввод, если файлов нет или ФАЙЛ равен «-»). Кодировка UTF-8,\n"
    "одна строка на один расчет, поля разделены табуляцией в порядке полей окна:\n"
    "  1 форма магнитопровода (1, 2 или 3)   6 b, см\n"
    "  2 U1, В                               7 c, см\n"
    "  3 U2, В                               8 h, см\n"
    "  4 максимальный ток нагрузки I2, А     9 толщина пластин, ленты, мм\n"
    "  5 a, см\n"
    "Недостающие поля в конце строки пусты. Пустые строки и строки, начинающиеся\n"
    "с «#», пропускаются; символ CR в конце строки и метка BOM в начале файла\n"
    "отбрасываются. Строка длиннее 256 МиБ останавливает обработку.\n"
    "\n"
    "Все строки одного вызова - это последовательные нажатия «Вычислить» в одном\n"
    "окне: коэффициенты переходят от расчета к расчету так же, как в окне.\n"
    "\n"
    "На каждый расчет выводится строка: 16 результатов (Pn, Bmax, J, Ko, Ss, Sok,\n"
    "Ps, вывод «Подходит»/«Неподходит», Cos(Fi), I1, сечения и диаметры проводов,\n"
    "числа витков) в том виде, в каком их показывает окно, и 17-е поле - исход:\n"
    "ok, overflow (переполнение), division-by-zero (деление на ноль),\n"
    "invalid-argument (недопустимый аргумент) или type-mismatch (несоответствие\n"
    "типов). После ошибки расчета обработка продолжается со следующей строки.\n"
    "\n"
    "Код возврата: 0 - все строки обработаны (ошибка расчета - это результат);\n"
    "2 - строка с более чем девятью полями или длиннее 256 МиБ, нечитаемый файл,\n"
    "нехватка памяти или ошибка вывода:\n"
    "сообщение в stderr, дальнейшие строки не обрабатываются, уже выведенное\n"
    "остается.\n";

class Output {
 public:
  explicit Output(std::FILE* stream) : stream_(stream) { text_.reserve(kFlushSize * 2); }

  std::string& text() { return text_; }

  bool FlushIfFull() { return text_.size() < kFlushSize || Flush(); }

  bool Flush() {
    const bool written = std::fwrite(text_.data(), 1, text_.size(), stream_) == text_.size();
    text_.clear();
    return written && std::fflush(stream_) == 0;
  }

 private:
  std::FILE* stream_;
  std::string text_;
};

void Complain(std::FILE* err, std::string_view message) {
  std::string line(kProgram);
  line += ": ";
  line += message;
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), err);
}

// The system's reason in Russian for the failures a user meets; the C library's words otherwise.
std::string Reason(int error) {
  switch (error) {
    case ENOENT:
      return "нет такого файла";
    case EACCES:
      return "нет прав доступа";
    case EISDIR:
      return "это каталог, а не файл";
    case ENOSPC:
      return "нет места на диске";
    default:
      return std::strerror(error);
  }
}

// Spreadsheets save "UTF-8 text" with a byte order mark, which would hide the first number.
std::string_view WithoutByteOrderMark(std::string_view line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.starts_with(kMark)) line.remove_prefix(kMark.size());
  return line;
}

// Runs every line of one stream; false after an input or output error, already reported.
bool RunStream(std::FILE* stream, std::string_view name, Session& session, Output& output,
               std::FILE* err) {
  LineReader reader(stream);
  calc::InputTexts fields;
  long long number = 0;
  while (const auto line = reader.Next()) {
    ++number;
    const LineKind kind = SplitLine(number == 1 ? WithoutByteOrderMark(*line) : *line, fields);
    if (kind == LineKind::Skip) continue;
    if (kind == LineKind::TooManyFields) {
      Complain(err, std::string(name) + ":" + std::to_string(number) +
                        ": больше девяти полей в строке; обработка остановлена");
      return false;
    }
    session.Run(fields, output.text());
    if (!output.FlushIfFull()) {
      Complain(err, "ошибка записи: " + Reason(errno));
      return false;
    }
  }
  if (reader.too_long()) {
    Complain(err, std::string(name) + ":" + std::to_string(number + 1) +
                      ": строка длиннее 256 МиБ; обработка остановлена");
    return false;
  }
  if (reader.failed()) {
    Complain(err, std::string(name) + ": ошибка чтения: " + Reason(errno));
    return false;
  }
  return true;
}

bool RunFile(const char* path, Session& session, Output& output, std::FILE* in, std::FILE* err) {
  if (std::string_view(path) == "-") return RunStream(in, kStdinName, session, output, err);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
  if (!file) {
    Complain(err, std::string(path) + ": не удается открыть: " + Reason(errno));
    return false;
  }
  return RunStream(file.get(), path, session, output, err);
}

}  // namespace

int RunBatchTool(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err) {
  std::vector<const char*> paths;
  bool options_end = false;
  for (const char* arg : args) {
    const std::string_view a(arg);
    if (options_end || a == "-" || !a.starts_with('-')) {
      paths.push_back(arg);
    } else if (a == "--") {
      options_end = true;
    } else if (a == "--help" || a == "-h") {
      std::fwrite(kHelp.data(), 1, kHelp.size(), out);
      return std::fflush(out) == 0 ? kExitOk : kExitInputError;
    } else if (a == "--version") {
      std::fputs("transformer-sizer-batch " TS_VERSION "\n", out);
      return std::fflush(out) == 0 ? kExitOk : kExitInputError;
    } else {
      Complain(err, "неизвестный параметр «" + std::string(a) + "»; см. --help");
      return kExitInputError;
    }
  }
  Session session;
  Output output(out);
  bool ok = true;
  try {
    if (paths.empty()) {
      ok = RunStream(in, kStdinName, session, output, err);
    } else {
      for (const char* path : paths) {
        if (!(ok = RunFile(path, session, output, in, err))) break;
      }
    }
  } catch (const std::bad_alloc&) {
    Complain(err, "недостаточно памяти; обработка остановлена");
    ok = false;
  }
  if (!output.Flush()) {
    if (ok) Complain(err, "ошибка записи: " + Reason(errno));
    ok = false;
  }
  return ok ? kExitOk : kExitInputError;
}

}  // namespace batch
