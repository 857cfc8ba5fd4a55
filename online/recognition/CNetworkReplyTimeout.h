#pragma once

#include <QObject>

class QNetworkReply;

// Watchdog for one network reply: aborts the reply when it is still running after a fixed time,
// so every request ends even when the server never answers. The abort finishes the reply with
// QNetworkReply::OperationCanceledError and the request's own failure path runs.
//
// Ownership: a child of the reply it watches, destroyed with it (which also cancels the timer).
// Threading: lives on the reply's thread and is served by that thread's event loop.
class CNetworkReplyTimeout : public QObject
{
    Q_OBJECT

public:
    // reply must not be null. Nothing is armed when the reply has already finished.
    CNetworkReplyTimeout(QNetworkReply* reply, int msec);

public slots:
    void onTimeout();
};
