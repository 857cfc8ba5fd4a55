#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

// One running copy per user: a lock file in the runtime folder, held for the program's life. A
// start that finds it held tells the user, then ends. GUI thread.
class CSingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit CSingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this start holds the lock now. Otherwise the user is told that a copy already
    // runs (a message box, answered through CMessageSeam in tests) and false is answered.
    bool Acquire();

    static QString DefaultLockPath();

private:
    QLockFile m_lock;
};
