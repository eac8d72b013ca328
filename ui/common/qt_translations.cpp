#include "ui/common/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool UseRussianQtTexts() {
  static const bool loaded = [] {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete translator;
      return false;
    }
    return QCoreApplication::installTranslator(translator);
  }();
  return loaded;
}

}  // namespace ui
