#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Scale helpers and the style-sheet templates that image buttons share. Every window of the
// program builds its button looks from these, so a change of look happens in one place.
// Pure functions of their arguments and g_dScale; GUI thread (g_dScale is set before any window).

// value x g_dScale truncated towards zero, the rule for every integer pixel size.
int ScaledInt(double value);
// value x g_dScale, for sizes written into style sheets as doubles.
double ScaledValue(double value);

// The picture at path stretched to (width x scale, height x scale), aspect ratio ignored and
// unsmoothed; a null pixmap when it cannot be read.
QPixmap ScaledPixmap(const QString& path, int width, int height);

// The picture at path as an icon that a view with a scaled icon size draws at the scale: above
// scale 1 it holds a smoothed copy at (width x scale, height x scale) beside the picture, since an
// icon never draws a picture larger than the one it holds. A null icon when it cannot be read.
QIcon ScaledIcon(const QString& path);

// A push button drawn from ":/res/res/win/button/<image>.png" and its "_on", "_down" and
// "_disable" forms, with fixed width/height and bold text of fontPx pixels in the given colour.
// Numbers are written in Qt's 'g' format (84, 24, 12 at scale 1; 105 at 1.25).
QString ImageButtonStyle(const QString& objectName, const QString& image, double width, double height,
                         const QString& colour, double fontPx);

// A title-bar tool button drawn from ":/res/res/win/titlebar/<image>.png" and its state forms.
QString TitleBarButtonStyle(const QString& objectName, const QString& image, double width, double height);

// The title bar's menu bar: fixed size, items drawn from the title-bar images.
QString TitleBarMenuStyle(const QString& objectName, const QString& image, double width, double height);

// The application style sheet with every "SIZE_<n>px" length replaced by n x g_dScale in Qt's
// 'g' form (1.5px at scale 1.5, 12px at scale 1).
QString ScaledStyleSheet(const QString& sheet);
// The compiled-in "tidewell_win.qss", scaled; empty when it cannot be read.
QString LoadApplicationStyleSheet();
