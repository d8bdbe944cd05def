#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellaro::app {

QString TranslationsFolder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" VELLARO_TRANSLATIONS_FROM_PROGRAM));
}

bool InstallLanguage(QCoreApplication& application, const QString& language,
                     const QString& folder) {
  const QLocale locale(language);
  // English is the source text: nothing to load, and "C" must not become a German default.
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return false;
  auto translator = new QTranslator(&application);
  if (!translator->load(locale, QStringLiteral("vellaro"), QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  // Qt's own words (the file dialogs, an edit's menu), where the system has them
  // (Debian's qt6-translations-l10n); without them those stay English.
  auto* qt_words = new QTranslator(&application);
  if (qt_words->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt_words);
  } else {
    delete qt_words;
  }
  QLocale::setDefault(locale);
  return true;
}

QLocale PersonLocale() {
  const QLocale locale;
  return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

}  // namespace vellaro::app
