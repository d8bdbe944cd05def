#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vellaro::app {

// The language the window speaks: `--lang xx` on the command line, else the first of
// LANGUAGE, else the system's locale as Qt reads it (LC_ALL, LC_MESSAGES, LANG).
// `language_variable` is LANGUAGE's value; `system` the name of QLocale::system().
QString ChosenLanguage(const QStringList& args, const QString& language_variable,
                       const QString& system);

// Where the compiled translations are, found from the program's own place.
QString TranslationsFolder();

// Installs the translation of `language` from `folder` (de_DE finds de) and makes the
// locale the default one for numbers shown to a person. Returns false, and leaves the
// window in English, when there is none for it.
bool InstallLanguage(QCoreApplication& application, const QString& language, const QString& folder);

// The locale of numbers written for a person: the language's, or English where the system
// names none (the "C" locale writes no thousands separators).
QLocale PersonLocale();

}  // namespace vellaro::app
