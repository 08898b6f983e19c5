#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vocari {

QString installQtItalian() {
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QString::fromLatin1(kQtTranslation), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return {};
  }
  QCoreApplication::installTranslator(translator);
  return translator->filePath();
}

}  // namespace vocari
