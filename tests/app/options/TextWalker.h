#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Walks the visible widgets of a window after a language switch and reports, one line each:
//  - a text still in English although the language's translation file translates it (a missing
//    tr() or a text that a loadLanguage() does not set again);
//  - a text that is not drawn whole in its widget: a line wider than a label, a wrapped text
//    taller than its label, a one-line hint cut with "...", a button text that runs over the
//    button's icon or against its border (for a button drawn from a picture: less than 6 px
//    between the rendered text and its icon or border), a header cut short, a combo value cut;
//  - picture buttons side by side whose texts differ in size by more than one step;
//  - a widget that sticks out of one of its parents (its text is cut by the parent);
//  - a number with a word after it ("5 songs") that no plural form of the language produced,
//    and any text made from a counted text ("song(s)") that is not a plural form.
// Labels, buttons, check boxes, radio buttons, combo boxes, tree headers and the interface texts
// of tree rows, tool-bar actions, tool tips and the window title are looked at. Data (song
// titles, paths) may be cut; interface texts may not. The translation file is
// resources/translations/tidewell_<code>.ts.
QStringList WalkTexts(QWidget* window, const QString& code);

// Visible texts of the window that are translations into the language of code (the previous
// interface language) rather than texts of the current one.
QStringList LeftoverTexts(QWidget* window, const QString& code);

// Every text the walker looks at and every cell of the visible trees under its column's header,
// sorted: two windows that read alike give equal lists.
QStringList VisibleTexts(QWidget* window);
