#include "batch/batch_tool.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <variant>

#include "batch/batch_session.h"
#include "batch/line_reader.h"
#include "batch/line_warnings.h"
#include "batch/options.h"

namespace batch {

namespace {

constexpr std::string_view kProgram = "transformer-sizer-batch";
constexpr std::string_view kStdinName = "<стандартный ввод>";
constexpr std::size_t kFlushSize = 1 << 16;

constexpr std::string_view kVersion = "transformer-sizer-batch " TS_VERSION "\n";

constexpr std::string_view kHelp =
    "Использование: transformer-sizer-batch [ПАРАМЕТР]... [--] [ФАЙЛ]...\n"
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
    "Строки, которые, скорее всего, записаны не так, как задумано, считаются как\n"
    "есть, но о каждом их виде в stderr выводится одно предупреждение на файл\n"
    "с номером первой такой строки (вывод и код возврата те же):\n"
    "  - в строке нет табуляций, но числа разделены «;» или «,» (таблица сохранена\n"
    "    с другим разделителем);\n"
    "  - десятичная запятая обрывает число в поле (\"1,5\" читается как 1):\n"
    "    отделяйте дробную часть точкой;\n"
    "  - ни одно поле строки не начинается с числа (заголовок таблицы): поставьте\n"
    "    перед ним «#»;\n"
    "  - в строке только пробелы и табуляции (считается с нулями).\n"
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
    "Параметры:\n"
    "  --notes     добавить 18-е поле - замечания к расчету: коды через пробел\n"
    "              (пусто, если замечаний нет):\n"
    "                empty:TextK        поле K пусто, прочитано 0;\n"
    "                no-number:TextK    в начале поля K нет числа, прочитано 0;\n"
    "                partly-read:TextK  число прочитано не целиком (\"0,35\" - это 0);\n"
    "                form:Text1         форма магнитопровода не 1, 2 и не 3;\n"
    "                nonpositive:TextK  значение поля K равно 0 или меньше;\n"
    "                carried:M          коэффициент M взят из прошлого расчета;\n"
    "                unset:M            коэффициент M не задан и считается 0;\n"
    "                fault-at:X         расчет остановился на величине X.\n"
    "              M - kpd, cosFi, Bmax, J, Ko, Ks, dU1, dU2; X - N, Pn, Pi, Ss, So,\n"
    "              I1, Ps, fit (решение о пригодности), S1, S2, D1, D2, W1, W2.\n"
    "  --plan      добавить 26 полей плана намотки (после исхода и замечаний):\n"
    "              вывод (fits - помещается, tight - тесно, заполнение окна больше\n"
    "              90 %, no - не помещается, none - план не составить, no-wire -\n"
    "              нет стандартного провода толще 5 мм; пусто, если расчет\n"
    "              остановился с ошибкой или сердечник не подходит), заполнение окна, %,\n"
    "              глубина намотки, мм, остающееся отверстие кольца, мм, и для 1-й и\n"
    "              2-й обмоток: диаметр провода без изоляции и в изоляции, мм (провод\n"
    "              по ГОСТ Р МЭК 60317-0-1, ряд R20), витков в слое, слоев, толщина\n"
    "              обмотки, мм, длина провода без выводов, м, сопротивление при 20 °C,\n"
    "              Ом, масса меди, г, потери в меди, Вт, падение напряжения, В,\n"
    "              плотность тока, А/мм².\n"
    "  --grade 1|2         класс толщины эмали провода (2).\n"
    "  --bobbin ММ         толщина стенки каркаса или изоляции кольца (1.0).\n"
    "  --interlayer ММ     изоляция между слоями одной обмотки (0.05).\n"
    "  --between ММ        изоляция между обмотками (0.3).\n"
    "  --wrap ММ           наружная изоляция поверх 2-й обмотки (0.3).\n"
    "              Толщины - от 0 до 100 мм; значение можно писать и через «=».\n"
    "  --header    первой строкой вывести названия столбцов.\n"
    "  --help, -h  показать эту справку и выйти.\n"
    "  --version   показать версию и выйти.\n"
    "\n"
    "Код возврата: 0 - все строки обработаны (ошибка расчета - это результат);\n"
    "2 - неверный параметр, строка с более чем девятью полями или длиннее 256 МиБ,\n"
    "нечитаемый файл, нехватка памяти или ошибка вывода: сообщение в stderr,\n"
    "дальнейшие строки не обрабатываются, уже выведенное остается.\n";

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
  LineWarnings warnings(kProgram, name);
  std::string warned;
  while (const auto read = reader.Next()) {
    ++number;
    const std::string_view line = number == 1 ? WithoutByteOrderMark(*read) : *read;
    const LineKind kind = SplitLine(line, fields);
    if (kind == LineKind::Skip) continue;
    if (kind == LineKind::Run) {
      warnings.Check(number, line, fields, warned);
      if (!warned.empty()) {
        std::fwrite(warned.data(), 1, warned.size(), err);
        warned.clear();
      }
    }
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

// Help and version: written whole, and the tool ends.
int Answer(std::string_view text, std::FILE* out) {
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return written && std::fflush(out) == 0 ? kExitOk : kExitInputError;
}

}  // namespace

int RunBatchTool(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err) {
  auto parsed = ParseOptions(args);
  if (const std::string* refusal = std::get_if<std::string>(&parsed)) {
    Complain(err, *refusal);
    return kExitInputError;
  }
  const Options& options = std::get<Options>(parsed);
  if (options.help) return Answer(kHelp, out);
  if (options.version) return Answer(kVersion, out);
  Session session(options.columns);
  Output output(out);
  if (options.header) AppendHeader(options.columns, output.text());
  bool ok = true;
  try {
    if (options.paths.empty()) {
      ok = RunStream(in, kStdinName, session, output, err);
    } else {
      for (const char* path : options.paths) {
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
