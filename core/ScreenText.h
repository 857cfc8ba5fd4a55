#pragma once

#include <QString>

// The most of one text that a row, a header or a tip shows. Qt lays a label's whole text out to
// measure and elide it, so a tag of megabytes would stall the window for seconds or minutes; no
// screen shows more than this many characters or lines of one text anyway.
constexpr int kScreenTextLimit = 1000;
constexpr int kScreenTextLines = 40;

// The text as shown: whole when it fits in the limits above, else its start up to them with an
// ellipsis. Never splits a surrogate pair. The data behind a view keeps the whole text: pass only
// what is displayed (item text, header label, tool tip) through this. Any thread.
QString ScreenText(const QString& text);
