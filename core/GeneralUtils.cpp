#include "GeneralUtils.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString ToNativeSeparators(const QString& path)
{
    QString native = path;
    native.replace(QLatin1Char('/'), QDir::separator());
    return native;
}

bool CreateDirPath(const QString& path)
{
    const QString native = ToNativeSeparators(path);
    if (native.isEmpty())
        return false;
    if (QFileInfo(native).isDir())
        return true;
    return QDir().mkpath(native);
}

bool ShowInExplorer(const QString& path)
{
    const QString native = ToNativeSeparators(path);
    const QFileInfo info(native);
    if (native.isEmpty() || !info.exists())
        return false;

    if (info.isDir())
    {
        QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
        return true;
    }

    // The freedesktop file-manager interface selects the file; without a session bus or a
    // file manager that answers, the containing folder is opened instead.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                           "org.freedesktop.FileManager1", "ShowItems");
        call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absolutePath()));
    return true;
}
