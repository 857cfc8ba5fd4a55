#pragma once

#include <QString>

class QTranslator;

// Where the interface translations live and how the General page of the preferences replaces the
// installed one, so there is exactly one interface translator (g_pTranslator) at any time. GUI
// thread only.

// The folder of the running program followed by "/language" (TIDEWELL_LANGUAGE_DIR, when set,
// names another folder; for tests).
QString InterfaceLanguageFolder();

// "tidewell_" + code + ".qm".
QString InterfaceTranslationFile(const QString& code);

// Loads the translation of the code from the language folder into a new translator owned by the
// application object. A missing, empty or damaged file answers null and leaves nothing behind.
QTranslator* LoadInterfaceTranslator(const QString& code);

// Makes translator the installed interface translator: the previous g_pTranslator is removed
// from the application and deleted, so no text of an earlier language can shine through where
// the new one has no entry. Installing the current one again only moves it to the front.
// A null translator is ignored.
void InstallInterfaceTranslator(QTranslator* translator);
