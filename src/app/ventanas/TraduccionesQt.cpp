#include "app/ventanas/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarTraduccionesQt(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  auto* traductor = new QTranslator(&app);
  if (!traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traductor;
    return false;
  }
  return QCoreApplication::installTranslator(traductor);
}
