#pragma once

#include <QCoreApplication>
#include <QString>

class QUrl;
class QWidget;

// Hands a web page, a mail address or a folder to the desktop. When the desktop cannot take it
// (no browser, no mail program, no file manager) the user is told so, with the address or the
// folder to open by hand, instead of a click that does nothing. GUI thread.
class CDesktopHandOver
{
    Q_DECLARE_TR_FUNCTIONS(CDesktopHandOver)

public:
    // An http, https or mailto address; anything else is never handed over. False when nothing
    // took it.
    static bool OpenAddress(QWidget* parent, const QUrl& url);
    static bool OpenFolder(QWidget* parent, const QString& folder);
};
