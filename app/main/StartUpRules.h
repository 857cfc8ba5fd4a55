#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// The interface language a first start chooses from the system locale: one of the eight the
// program ships ("en", "de", "jp", "ru", "es", "br", "ar", "fr"), English for any other.
QString StartLanguageForLocale(const QLocale& locale);

// "tidewell_<code>.qm", the translation file of a language.
QString TranslationFileName(const QString& code);

// Loads the translation of code from folder (or, failing that, from the compiled-in ":/language")
// into a new translator owned by the application, installs it and stores it in g_pTranslator.
// Answers false, installing nothing, when there is no such translation.
bool InstallTranslation(const QString& code, const QString& folder);
