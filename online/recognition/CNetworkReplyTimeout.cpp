#include "CNetworkReplyTimeout.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

CNetworkReplyTimeout::CNetworkReplyTimeout(QNetworkReply* reply, int msec) : QObject(reply)
{
    Q_ASSERT(reply);
    if (reply->isRunning())
        QTimer::singleShot(msec, Qt::PreciseTimer, this, &CNetworkReplyTimeout::onTimeout);
}

void CNetworkReplyTimeout::onTimeout()
{
    auto* reply = qobject_cast<QNetworkReply*>(parent());
    if (!reply || !reply->isRunning())
        return;
    qDebug() << "Timeout";
    reply->abort();
}
