#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace vellaro::app {

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
