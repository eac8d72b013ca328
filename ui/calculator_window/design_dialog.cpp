#include "ui/calculator_window/design_dialog.h"

#include <QDir>
#include <QFileDialog>

#include "design_file/design_file.h"
#include "ui/common/qt_translations.h"
#include "ui/common/utf8.h"

namespace ui {

QString AskDesignFile(QWidget* window, DesignChoice choice, const QString& folder,
                      const QString& name) {
  UseRussianQtTexts();
  const bool open = choice == DesignChoice::Open;
  QFileDialog dialog(window,
                     open ? QStringLiteral("Открыть проект") : QStringLiteral("Сохранить проект"));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  const QString extension = FromUtf8(design_file::kExtension);
  dialog.setNameFilters(
      {QStringLiteral("Проекты (*%1)").arg(extension), QStringLiteral("Все файлы (*)")});
  dialog.setDefaultSuffix(extension.mid(1));
  dialog.setDirectory(folder.isEmpty() ? QDir::homePath() : folder);
  if (!open) dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace ui
