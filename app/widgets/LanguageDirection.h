#pragma once

#include <QLocale>

class QWidget;

// True when the interface language in the settings is exactly "ar" (the only right-to-left one).
bool IsRightToLeftLanguage();

// Arabic: right-to-left layout for the widget and for the whole application. Any other language:
// the widget goes back to left-to-right when it was right-to-left; the application's default is
// left alone. A null widget is ignored. GUI thread.
void ApplyLanguageDirection(QWidget* widget);

// The number conventions of the interface language in the settings (decimal sign, digits), for
// sizes and rates shown beside its texts; English when no language is set.
QLocale InterfaceLocale();
