#pragma once

class QWidget;

// Lets the widget's style draw its style-sheet background and border (QStyle::PE_Widget), so a
// plain QWidget subclass honours the rules the application sheet gives its class or object name.
// Call from paintEvent.
void PaintStyledBackground(QWidget* widget);

// The look shared by the frameless window and dialog bases: the widget's shape becomes a rounded
// rectangle (radius 6 px, a mask, so the corners are cut off by the window system), then the
// style-sheet background is drawn. Call from paintEvent.
void PaintRoundedWindow(QWidget* widget);

// Whether the window system shows what lies behind the transparent parts of a translucent
// window. False only on X11 without a compositing manager, where those parts come out black.
// GUI thread.
bool TranslucencyComposited();
