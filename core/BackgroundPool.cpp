#include "BackgroundPool.h"

#include <QCoreApplication>
#include <QThreadPool>

QThreadPool* BackgroundPool()
{
    static QThreadPool* const pool = []
    {
        auto* made = new QThreadPool(QCoreApplication::instance());
        made->setObjectName(QStringLiteral("BackgroundPool"));
        return made;
    }();
    return pool;
}
