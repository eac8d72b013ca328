#include "batch/batch_tool.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "batch/batch_session.h"
#include "batch/decimal_comma.h"
#include "batch/help_text.h"
#include "batch/line_reader.h"
#include "batch/line_warnings.h"
#include "batch/options.h"
#include "batch/secondaries_line.h"

namespace batch {

namespace {

constexpr std::string_view kProgram = "transformer-sizer-batch";
constexpr std::string_view kStdinName = "<стандартный ввод>";
constexpr std::size_t kFlushSize = 1 << 16;

constexpr std::string_view kVersion = "transformer-sizer-batch " TS_VERSION "\n";

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

// What the files of one call share: the record, the output and how lines are read.
struct Call {
  Session session;
  Output output;
  bool decimal_comma;
  const Columns& columns;
  bool header_waits;  // with --decimal-comma it takes the separator of the first run line
};

void AppendHeaderLine(Call& call, char separator) {
  std::string& out = call.output.text();
  const std::size_t from = out.size();
  AppendHeader(call.columns, out);
  std::replace(out.begin() + static_cast<long>(from), out.end(), '\t', separator);
  call.header_waits = false;
}

std::string Place(std::string_view name, long long number) {
  return std::string(name) + ":" + std::to_string(number) + ": ";
}

// A line with secondaries: its nine texts, and what it asks beyond them or why it is refused.
LineKind SplitWithSecondaries(std::string_view line, SecondaryFields& wide,
                              calc::InputTexts& fields) {
  if (line.empty() || line.front() == '#') return LineKind::Skip;
  SplitSecondaryFields(line, wide);
  fields = RunTexts(wide);
  return LineKind::Run;
}

// Runs one line into the output; false, already reported, when its secondaries are refused.
bool RunLine(const calc::InputTexts& fields, const SecondaryFields& wide, std::string_view name,
             long long number, Call& call, std::FILE* err) {
  std::string& out = call.output.text();
  if (!call.columns.json) {
    call.session.Run(fields, out);
    return true;
  }
  if (!call.columns.secondaries) {
    call.session.RunJson(fields, nullptr, out);
    return true;
  }
  const auto read = ReadSecondaries(wide);
  if (const std::string* refusal = std::get_if<std::string>(&read)) {
    Complain(err, Place(name, number) + *refusal);
    return false;
  }
  call.session.RunJson(fields, &std::get<windings::Request>(read), out);
  return true;
}

// Runs every line of one stream; false after an input or output error, already reported.
bool RunStream(std::FILE* stream, std::string_view name, Call& call, std::FILE* err) {
  LineReader reader(stream);
  calc::InputTexts fields;
  SecondaryFields wide;
  long long number = 0;
  LineWarnings warnings(kProgram, name, call.decimal_comma);
  std::string warned;
  std::string sheet_line;
  bool first_run = true;
  while (const auto read = reader.Next()) {
    ++number;
    std::string_view line = number == 1 ? WithoutByteOrderMark(*read) : *read;
    const std::string_view as_typed = line;
    char separator = '\t';
    if (call.decimal_comma && !line.empty() && line.front() != '#') {
      if (IsEmptySheetRow(line)) continue;
      separator = ToDecimalPoint(line, sheet_line);
      line = sheet_line;
      // A sheet's first row names its columns.
      if (std::exchange(first_run, false) && SplitLine(line, fields) == LineKind::Run &&
          IsHeaderRow(as_typed, fields)) {
        continue;
      }
    }
    const LineKind kind = call.columns.secondaries ? SplitWithSecondaries(line, wide, fields)
                                                   : SplitLine(line, fields);
    if (kind == LineKind::Skip) continue;
    if (kind == LineKind::Run) {
      warnings.Check(number, as_typed, fields, warned);
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
    if (call.header_waits) AppendHeaderLine(call, separator);
    const std::size_t start = call.output.text().size();
    if (!RunLine(fields, wide, name, number, call, err)) return false;
    if (call.decimal_comma && !call.columns.json) {
      ToDecimalComma(call.output.text(), start, separator);
    }
    if (!call.output.FlushIfFull()) {
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

bool RunFile(const char* path, Call& call, std::FILE* in, std::FILE* err) {
  if (std::string_view(path) == "-") return RunStream(in, kStdinName, call, err);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
  if (!file) {
    Complain(err, std::string(path) + ": не удается открыть: " + Reason(errno));
    return false;
  }
  return RunStream(file.get(), path, call, err);
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
  if (options.help) return Answer(HelpText(), out);
  if (options.version) return Answer(kVersion, out);
  // A JSON line names its members itself.
  const bool header = options.header && !options.columns.json;
  Call call{Session(options.columns), Output(out), options.decimal_comma, options.columns,
            header && options.decimal_comma};
  if (header && !options.decimal_comma) AppendHeader(options.columns, call.output.text());
  bool ok = true;
  try {
    if (options.paths.empty()) {
      ok = RunStream(in, kStdinName, call, err);
    } else {
      for (const char* path : options.paths) {
        if (!(ok = RunFile(path, call, in, err))) break;
      }
    }
    // A header without a run line has read no separator.
    if (call.header_waits) AppendHeaderLine(call, '\t');
  } catch (const std::bad_alloc&) {
    Complain(err, "недостаточно памяти; обработка остановлена");
    ok = false;
  }
  if (!call.output.Flush()) {
    if (ok) Complain(err, "ошибка записи: " + Reason(errno));
    ok = false;
  }
  return ok ? kExitOk : kExitInputError;
}

}  // namespace batch
