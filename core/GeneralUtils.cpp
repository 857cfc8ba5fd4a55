#include "GeneralUtils.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
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
    // file manager that answers, the containing folder is opened instead. The call is not
    // waited for: a file manager that is slow to start must not freeze the window.
    const QUrl folder = QUrl::fromLocalFile(info.absolutePath());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                           "org.freedesktop.FileManager1", "ShowItems");
        call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
        // The watcher deletes itself once the answer or the time-out has come.
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000));
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                         [folder](QDBusPendingCallWatcher* done)
                         {
                             if (done->isError())
                                 QDesktopServices::openUrl(folder);
                             done->deleteLater();
                         });
        return true;
    }
    QDesktopServices::openUrl(folder);
    return true;
}
