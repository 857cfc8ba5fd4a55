#include "DatabaseCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace
{

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

constexpr const char* kJournalSuffixes[] = {"-journal", "-wal", "-shm"};

bool SameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// A temporary file name beside target that nobody else uses; the file is created empty.
QString MakeTemporaryBeside(const QString& target)
{
    QTemporaryFile temp(QFileInfo(target).absolutePath() + QStringLiteral("/.tidewell-copy-XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open())
        return QString();
    return temp.fileName();
}

bool RenameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

int BackupDatabaseFile(const QString& source, const QString& target)
{
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return -1;
    if (SameFile(source, target))
        return -6;

    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(source).constData(), &raw, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
    {
        sqlite3_close_v2(raw);
        return -2;
    }
    DbHandle src(raw);
    sqlite3_busy_timeout(src.get(), 5000);
    // Reading the schema proves the file is a database at all.
    if (sqlite3_exec(src.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
        return -2;

    const QString temp = MakeTemporaryBeside(target);
    if (temp.isEmpty())
        return -3;
    raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(temp).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
    {
        sqlite3_close_v2(raw);
        QFile::remove(temp);
        return -3;
    }
    DbHandle dst(raw);

    int rc = SQLITE_ERROR;
    if (sqlite3_backup* backup = sqlite3_backup_init(dst.get(), "main", src.get(), "main"))
    {
        // A writer elsewhere may hold its lock for a while: retry for up to about 30 seconds.
        for (int attempt = 0; attempt < 600; ++attempt)
        {
            rc = sqlite3_backup_step(backup, -1);
            if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        sqlite3_backup_finish(backup);
    }
    if (rc == SQLITE_DONE)
        rc = sqlite3_errcode(dst.get()) == SQLITE_OK ? SQLITE_DONE : SQLITE_ERROR;
    dst.reset();
    src.reset();
    if (rc != SQLITE_DONE)
    {
        QFile::remove(temp);
        return -4;
    }
    // The copy is a database of its own: no journal of the old target may be replayed into it.
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(target + QLatin1String(suffix));
    if (!RenameOver(temp, target))
    {
        QFile::remove(temp);
        return -5;
    }
    return 0;
}

QString PlaceProjectAsDatabase(const QString& project, const QString& database)
{
    if (SameFile(project, database))
        return QString();
    if (!QFileInfo(project).isFile())
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    const QString temp = MakeTemporaryBeside(database);
    if (temp.isEmpty())
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    QFile::remove(temp);
    if (!QFile::copy(project, temp))
    {
        QFile::remove(temp);
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    }
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(database + QLatin1String(suffix));
    if (!RenameOver(temp, database))
    {
        QFile::remove(temp);
        return QStringLiteral("LoadSaveResult QFile.remove failed:%1").arg(database);
    }
    return QString();
}

QStringList RemoveDatabaseFiles(const QString& database)
{
    QStringList failed;
    QStringList paths{database};
    for (const char* suffix : kJournalSuffixes)
        paths << database + QLatin1String(suffix);
    for (const QString& path : paths)
        if (QFileInfo::exists(path) && !QFile::remove(path))
            failed << path;
    return failed;
}
