#include "DesktopHandOver.h"

#include "CWarnMessage.h"
#include "OwnDirectionDelegate.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

bool CDesktopHandOver::OpenAddress(QWidget* parent, const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    const bool mail = scheme == QLatin1String("mailto");
    if (!mail && scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    if (QDesktopServices::openUrl(url))
        return true;
    // The address keeps its own direction in a right-to-left text.
    const QString text = mail ? tr("No email program could be opened. Please write to:\n%1")
                                    .arg(COwnDirectionDelegate::Isolated(url.path()))
                              : tr("No web browser could be opened. Please visit:\n%1")
                                    .arg(COwnDirectionDelegate::Isolated(url.toString()));
    CWarnMessage::ShowMessage(parent, QString(), text, 0, QString(), QString(), QString(), 0);
    return false;
}

bool CDesktopHandOver::OpenFolder(QWidget* parent, const QString& folder)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return true;
    CWarnMessage::ShowMessage(parent, QString(),
                              tr("No file manager could be opened. The folder is:\n%1")
                                  .arg(COwnDirectionDelegate::Isolated(QDir::toNativeSeparators(folder))),
                              0, QString(), QString(), QString(), 0);
    return false;
}
