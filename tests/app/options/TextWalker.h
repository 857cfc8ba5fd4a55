#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Walks the visible widgets of a window after a language switch and reports, one line each:
//  - a text still in English although the language's translation file translates it (a missing
//    tr() or a text that a loadLanguage() does not set again);
//  - a text (or one line of it) wider than the widget that shows it (clipped).
// Labels, buttons, check boxes, radio buttons, combo boxes, tool-bar actions, tool tips and the
// window title are looked at. The translation file is resources/translations/tidewell_<code>.ts.
QStringList WalkTexts(QWidget* window, const QString& code);

// Visible texts of the window that are translations into the language of code (the previous
// interface language) rather than texts of the current one.
QStringList LeftoverTexts(QWidget* window, const QString& code);
