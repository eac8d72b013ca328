#include "ui/calculator_window/design_io.h"

#include <optional>
#include <string>
#include <string_view>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "design_file/design_file.h"
#include "design_file/faces.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

QString Refused(const QString& path, std::string_view reason) {
  return FromUtf8(design_file::FileRefusal(QDir::toNativeSeparators(path).toStdString(), reason));
}

// Why the file cannot be read at all, if it cannot.
std::optional<std::string_view> Unreadable(const QFileInfo& info, const QFile& file) {
  if (!info.exists()) return "такого файла нет";
  if (info.isDir()) return "это папка, а не файл";
  if (file.error() == QFileDevice::PermissionsError) return "нет прав на чтение файла";
  if (file.error() != QFileDevice::NoError) return design_file::kUnreadable;
  return std::nullopt;
}

}  // namespace

std::variant<design_file::Design, QString> ReadDesignFile(const QString& path) {
  const QFileInfo info(path);
  QFile file(path);
  QByteArray bytes;
  // One byte over the limit is enough for the reader to refuse a larger file.
  if (info.exists() && !info.isDir() && file.open(QIODevice::ReadOnly)) {
    bytes = file.read(static_cast<qint64>(design_file::kMaxDocumentBytes) + 1);
  }
  if (const auto reason = Unreadable(info, file)) return Refused(path, *reason);
  auto read = design_file::Read(std::string_view(bytes.constData(), bytes.size()));
  if (const auto* reason = std::get_if<std::string>(&read)) return Refused(path, *reason);
  return std::get<design_file::Design>(read);
}

QString WriteDesignFile(const QString& path, const design_file::Design& design) {
  const std::string text = design_file::Write(design);
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) ==
          static_cast<qint64>(text.size()) &&
      file.commit()) {
    return {};
  }
  return QStringLiteral(
             "Проект не сохранен: не удалось записать файл «%1». Проверьте, что папка есть и в "
             "нее можно писать.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace ui
