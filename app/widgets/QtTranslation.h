#pragma once

#include <QString>

class QTranslator;

// Qt's own texts (the file pickers' "Look in", "File name", "Open", "Cancel", the standard
// buttons) in the interface language: Qt's translation of that language, as the system ships it,
// installed beside ours. GUI thread.

// The name Qt's translation files give the language of one of our codes ("ja" for "jp", "pt_BR"
// for "br", the code itself for the others).
QString QtTranslationName(const QString& code);

// Installs Qt's translation for the language of our translator (read from the name of the file it
// was loaded from, "tidewell_<code>.qm") and removes the one installed before, so Qt's texts always
// follow the interface language. English, an unknown language, or a translator loaded from no
// file leaves Qt's texts in English.
void InstallQtTranslationFor(const QTranslator* interfaceTranslator);
