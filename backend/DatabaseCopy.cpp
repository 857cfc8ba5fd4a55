#include "DatabaseCopy.h"

#include "AtomicFileEdit.h"
#include "MusicManageTypes.h"
#include "NativePath.h"
#include "RecycleBin.h"
#include "RegularFile.h"
#include "TracksTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include <sys/stat.h>

namespace
{

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

constexpr const char* kJournalSuffixes[] = {"-journal", "-wal", "-shm"};

// Whether two paths reach one file (a link, a second hard link, another spelling).
bool SameFile(const QString& a, const QString& b)
{
    return isSameFile(PathToNative(a).toStdString(), PathToNative(b).toStdString());
}

// The file a copy is renamed over, so that the write reaches the file itself: through a link, the
// file it names (the link stays a link), with the permissions it has when it exists.
struct CopyTarget
{
    QString path;
    std::optional<mode_t> mode;
};

// Nothing when no rename may replace what `target` names (a link that leads nowhere, a file with
// more than one name: see AtomicFileEdit::replacementFor).
std::optional<CopyTarget> CopyTargetOf(const QString& target)
{
    const auto found = AtomicFileEdit::replacementFor(PathToNative(target).toStdString());
    if (!found)
        return std::nullopt;
    return CopyTarget{PathFromNative(QByteArray::fromStdString(found->path)), found->mode};
}

// A temporary file name beside target that nobody else uses; the file is created empty, for us
// alone.
QString MakeTemporaryBeside(const QString& target)
{
    QTemporaryFile temp(QFileInfo(target).absolutePath() + QStringLiteral("/.tidewell-copy-XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open())
        return QString();
    return temp.fileName();
}

// Puts a complete database copy in place of the target: an existing file keeps its permissions,
// and its journals go first, since the copy is a database of its own that none of them may be
// replayed into.
bool PlaceCopy(const QString& copy, const CopyTarget& target)
{
    if (target.mode && ::chmod(PathToNative(copy).constData(), *target.mode) != 0)
        return false;
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(target.path + QLatin1String(suffix));
    return std::rename(PathToNative(copy).constData(), PathToNative(target.path).constData()) == 0;
}

// Opening upgrades a table of 14 or 18 columns (the older generations) by adding the columns the
// later ones brought; the names it adds, by the count it starts from.
std::set<std::string> ColumnsAfterUpgrade(std::set<std::string> columns)
{
    static const char* const kFrom14[] = {"Year", "Genre", "Bitrate", "TrashPath"};
    static const char* const kFrom18[] = {"NameOld", "ArtistOld", "AlbumOld", "YearOld", "GenreOld"};
    const size_t count = columns.size();
    if (count == 14)
        columns.insert(std::begin(kFrom14), std::end(kFrom14));
    if (count == 14 || count == 18)
        columns.insert(std::begin(kFrom18), std::end(kFrom18));
    return columns;
}

// The column names of TracksTable when it is a table; nothing when it is missing or the file
// cannot be read.
bool ReadTrackColumns(sqlite3* db, std::set<std::string>& columns)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT type FROM sqlite_master WHERE name = 'TracksTable'", -1, &raw,
                           nullptr) != SQLITE_OK)
        return false;
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> kind(raw, &sqlite3_finalize);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return false;
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    if (!type || std::strcmp(type, "table") != 0)
        return false;
    raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA table_info(TracksTable)", -1, &raw, nullptr) != SQLITE_OK)
        return false;
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> info(raw, &sqlite3_finalize);
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        if (const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(raw, 1)))
            columns.insert(name);
    return rc == SQLITE_DONE;
}

// What the program never writes and a file from outside may carry: a trigger can make every
// later write fail or rewrite rows, and a virtual table answers to a module instead of the file.
// Empty when there is none, else what was found.
QString ForeignSchemaObject(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT type, name FROM sqlite_master WHERE type = 'trigger' OR "
                           "(type = 'table' AND sql LIKE 'CREATE VIRTUAL TABLE%') LIMIT 1",
                           -1, &raw, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(raw, &sqlite3_finalize);
    const int rc = sqlite3_step(raw);
    if (rc == SQLITE_DONE)
        return QString();
    if (rc != SQLITE_ROW)
        return QString::fromUtf8(sqlite3_errmsg(db));
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(raw, 1));
    const QString what = QString::fromUtf8(type ? type : "") == QLatin1String("trigger")
                             ? QStringLiteral("trigger")
                             : QStringLiteral("virtual table");
    return QStringLiteral("%1 %2").arg(what, QString::fromUtf8(name ? name : ""));
}

// One integer a pragma answers; -1 when it does not.
sqlite3_int64 PragmaValue(sqlite3* db, const char* pragma)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, pragma, -1, &raw, nullptr) != SQLITE_OK)
        return -1;
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(raw, &sqlite3_finalize);
    return sqlite3_step(raw) == SQLITE_ROW ? sqlite3_column_int64(raw, 0) : -1;
}

// SQLite's own check of the file: whole pages (a file cut short reads its last page as zeros
// otherwise) and every b-tree page well formed. Empty when sound, else the first complaint.
QString DamagedFile(sqlite3* db, const QString& path)
{
    const sqlite3_int64 pageSize = PragmaValue(db, "PRAGMA page_size");
    const sqlite3_int64 pages = PragmaValue(db, "PRAGMA page_count");
    if (pageSize <= 0 || pages < 0 || QFileInfo(path).size() != pageSize * pages)
        return QStringLiteral("the file is not whole pages");
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &raw, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(raw, &sqlite3_finalize);
    const int rc = sqlite3_step(raw);
    if (rc != SQLITE_ROW)
        return QString::fromUtf8(sqlite3_errmsg(db));
    const auto* answer = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    if (!answer || std::strcmp(answer, "ok") != 0)
        return QString::fromUtf8(answer ? answer : "quick_check answered nothing");
    return QString();
}

// Clears the folders of the songs the database names of the copies an edit left there when its
// run was killed (AtomicFileEdit::sweepLeftovers); no other folder is looked at.
void SweepEditLeftovers(const QString& path)
{
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
    {
        sqlite3_close_v2(raw);
        return;
    }
    const DbHandle db(raw);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT DISTINCT Location FROM TracksTable", -1, &stmt, nullptr) !=
        SQLITE_OK)
        return;
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(stmt, &sqlite3_finalize);
    std::set<std::string> folders;
    while (sqlite3_step(stmt) == SQLITE_ROW)
    {
        // A location is the file's name in the system's own bytes.
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, 0));
        const std::string location(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(stmt, 0)));
        if (location.size() > 1 && location.front() == '/')
            folders.insert(location.substr(0, location.rfind('/') + 1));
    }
    for (const std::string& folder : folders)
        AtomicFileEdit::sweepLeftovers(folder);
}

} // namespace

QString CheckProjectDatabase(const QString& path)
{
    const auto fail = [&path](const QString& why)
    { return QStringLiteral("LoadSaveResult invalid project:%1 (%2)").arg(path, why); };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("not a regular file"));
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DbHandle db(raw);
    if (opened != SQLITE_OK)
        return fail(QStringLiteral("cannot open"));

    // The program writes plain tables only: anything else is refused before a row is read.
    if (const QString foreign = ForeignSchemaObject(db.get()); !foreign.isEmpty())
        return fail(foreign);

    std::set<std::string> columns;
    if (!ReadTrackColumns(db.get(), columns))
        return fail(QStringLiteral("no TracksTable: %1").arg(QString::fromUtf8(sqlite3_errmsg(db.get()))));
    columns = ColumnsAfterUpgrade(std::move(columns));
    // Every column but the last (no generation adds "Purchased", and the loader reads it as empty).
    for (int i = 0; i < 23; ++i)
        if (!columns.count(tracks_db::kColumns[i]))
            return fail(QStringLiteral("no column %1").arg(QLatin1String(tracks_db::kColumns[i])));

    // The loader refuses a row whose persistent id is not 1 to 16 hex digits; a file with no
    // other row would load as nothing.
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.get(),
                           "SELECT 1 FROM TracksTable WHERE typeof(PersistentID) IN ('text', 'integer') "
                           "AND length(PersistentID) BETWEEN 1 AND 16 "
                           "AND NOT PersistentID GLOB '*[^0-9A-Fa-f]*' LIMIT 1",
                           -1, &stmt, nullptr) != SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(db.get())));
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(stmt, &sqlite3_finalize);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE)
        return fail(QStringLiteral("no track with a valid persistent id"));
    if (rc != SQLITE_ROW)
        return fail(QString::fromUtf8(sqlite3_errmsg(db.get())));
    // Last, as it reads every page: a large file of the wrong shape is refused by the schema
    // alone, and only a project that passed the cheap checks pays for a whole read.
    if (const QString damaged = DamagedFile(db.get(), path); !damaged.isEmpty())
        return fail(damaged);
    return QString();
}

namespace
{

// Rolls back the write a run that ended in the middle of it left (a hot journal, which only a
// connection that may write can replay; the loader's first read would do the same). True when the
// database is marked settled.
bool ReplayLeftJournal(const QString& path)
{
    bool settled = false;
    if (!QFileInfo(path).isFile())
        return false;
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK)
    {
        sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(raw, "SELECT Value FROM LibraryInfo WHERE Key = ?1", -1, &stmt, nullptr) ==
            SQLITE_OK)
        {
            sqlite3_bind_text(stmt, 1, kResultSettledKey, -1, SQLITE_STATIC);
            settled = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 1;
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(raw);
    return settled;
}

} // namespace

QString CheckLeftDatabase(const QString& path)
{
    const bool settled = ReplayLeftJournal(path);
    QString invalid = CheckProjectDatabase(path);
    if (settled)
        return QStringLiteral("LeftDatabase settled: %1 was applied or saved as a whole").arg(path);
    return invalid;
}

bool ClearLeftovers(const LeftoverPlaces& places)
{
    static constexpr char kCopyPrefix[] = ".tidewell-copy-";
    const auto folderOf = [](const QString& file)
    { return PathToNative(QFileInfo(file).absolutePath() + u'/'); };
    if (!places.database.isEmpty())
    {
        ReplayLeftJournal(places.database);
        SweepEditLeftovers(places.database);
    }
    for (const QString& file : places.besideFiles)
    {
        if (file.isEmpty())
            continue;
        AtomicFileEdit::sweepLeftovers(folderOf(file).toStdString());
        // A library file that is a link is written beside the file it names.
        const QString target = QFileInfo(file).canonicalFilePath();
        if (!target.isEmpty())
            AtomicFileEdit::sweepLeftovers(folderOf(target).toStdString());
    }
    for (const QString& folder : places.folders)
        if (!folder.isEmpty())
            AtomicFileEdit::removeOurLeftovers(PathToNative(QDir(folder).absolutePath() + u'/').toStdString(),
                                               kCopyPrefix);
    return CRecycleBin::ClearLeftovers(places.recycleRoot);
}

int BackupDatabaseFile(const QString& source, const QString& target)
{
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return -1;
    if (SameFile(source, target))
        return -6;
    const std::optional<CopyTarget> itself = CopyTargetOf(target);
    if (!itself)
        return -5;

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

    const QString temp = MakeTemporaryBeside(itself->path);
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
    if (!PlaceCopy(temp, *itself))
    {
        QFile::remove(temp);
        return -5;
    }
    return 0;
}

int WriteProjectRows(const QString& target, const QList<ProjectRow>& rows, int libraryTotal)
{
    if (target.isEmpty() || rows.isEmpty())
        return -1;
    const std::optional<CopyTarget> itself = CopyTargetOf(target);
    if (!itself)
        return -5;
    const QString temp = MakeTemporaryBeside(itself->path);
    if (temp.isEmpty())
        return -3;
    DbHandle db;
    // Closed first (statements still open make it a zombie, freed with them), then removed.
    const auto discard = [&temp, &db](int result)
    {
        db.reset();
        for (const QString& path : DatabaseFiles(temp))
            QFile::remove(path);
        return result;
    };
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(temp).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    db.reset(raw);
    if (opened != SQLITE_OK)
        return discard(-3);
    const auto exec = [&db](const char* sql)
    { return sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK; };
    if (!exec("begin transaction") || !exec(tracks_db::kCreateTable) ||
        !exec("create index TracksTablePidType on TracksTable(PersistentID, Type)") ||
        !exec("create table LibraryInfo(Key text primary key, Value integer)"))
        return discard(-4);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), "insert into LibraryInfo(Key, Value) values('TrackTotal', ?1)", -1,
                           &stmt, nullptr) != SQLITE_OK)
        return discard(-4);
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> total(stmt, &sqlite3_finalize);
    sqlite3_bind_int(stmt, 1, std::max(libraryTotal, static_cast<int>(rows.size())));
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return discard(-4);
    stmt = nullptr;
    if (sqlite3_prepare_v2(
            db.get(),
            "insert into TracksTable(TrackID, PersistentID, Name, TotalTime, Artist, Album, Size, "
            "Location, Absence, State, RepeatID, Type, Year, Genre, Bitrate, TrashPath, "
            "Purchased) values(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, "
            "?15, ?16, ?17)",
            -1, &stmt, nullptr) != SQLITE_OK)
        return discard(-4);
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> insert(stmt, &sqlite3_finalize);
    for (int i = 0; i < rows.size(); ++i)
    {
        const ProjectRow& row = rows.at(i);
        const MusicInfo& info = row.info;
        // Ids as the file import gives them (decimal, which the loader's hex form accepts).
        const QByteArray texts[] = {
            QByteArray::number(i + 65535), info.Name.toUtf8(),           info.TotalTime.toUtf8(),
            info.Artist.toUtf8(),          info.Album.toUtf8(),          info.Size.toUtf8(),
            PathToNative(info.Location),   info.Year.toUtf8(),           info.Genre.toUtf8(),
            info.Bitrate.toUtf8(),         PathToNative(info.TrashPath), info.Purchased.toUtf8()};
        const int textSlots[] = {2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16, 17};
        sqlite3_reset(stmt);
        sqlite3_bind_int(stmt, 1, i + 10000);
        for (size_t k = 0; k < std::size(textSlots); ++k)
            sqlite3_bind_text(stmt, textSlots[k], texts[k].constData(), static_cast<int>(texts[k].size()),
                              SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 9, row.absence);
        sqlite3_bind_int(stmt, 10, row.state);
        sqlite3_bind_int64(stmt, 11, row.repeatId);
        sqlite3_bind_int(stmt, 12, row.type);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            return discard(-4);
    }
    insert.reset();
    total.reset();
    if (!exec("commit transaction"))
        return discard(-4);
    db.reset();
    if (!PlaceCopy(temp, *itself))
        return discard(-5);
    return 0;
}

QString PlaceProjectAsDatabase(const QString& project, const QString& database)
{
    if (SameFile(project, database))
        return CheckProjectDatabase(project);
    if (!QFileInfo(project).isFile())
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    const std::optional<CopyTarget> itself = CopyTargetOf(database);
    if (!itself)
        return QStringLiteral("LoadSaveResult QFile.remove failed:%1").arg(database);
    const QString temp = MakeTemporaryBeside(itself->path);
    if (temp.isEmpty())
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    QFile::remove(temp);
    if (!QFile::copy(project, temp))
    {
        QFile::remove(temp);
        return QStringLiteral("LoadSaveResult file.copy failed:%1 to %2").arg(project, database);
    }
    // The copy is what gets loaded, so the copy is what is checked.
    if (const QString invalid = CheckProjectDatabase(temp); !invalid.isEmpty())
    {
        QFile::remove(temp);
        for (const char* suffix : kJournalSuffixes)
            QFile::remove(temp + QLatin1String(suffix));
        return invalid;
    }
    if (!PlaceCopy(temp, *itself))
    {
        QFile::remove(temp);
        return QStringLiteral("LoadSaveResult QFile.remove failed:%1").arg(database);
    }
    return QString();
}

QStringList DatabaseFiles(const QString& database)
{
    QStringList paths{database};
    for (const char* suffix : kJournalSuffixes)
        paths << database + QLatin1String(suffix);
    return paths;
}

QStringList RemoveDatabaseFiles(const QString& database)
{
    QStringList failed;
    for (const QString& path : DatabaseFiles(database))
        if (QFileInfo::exists(path) && !QFile::remove(path))
            failed << path;
    return failed;
}
