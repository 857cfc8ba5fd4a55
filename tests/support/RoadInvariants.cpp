#include "RoadInvariants.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <sqlite3.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tidewell::test
{

namespace
{

// The problem and state bits of the working database's Absence and State columns.
constexpr int kUnrecognized = 0x100;
constexpr int kRemovalApplied = 0x200;
constexpr int kArtist = 0x400;
constexpr int kAlbum = 0x800;
constexpr int kFileMissing = 0x10000;
constexpr int kArtwork = 0x8000000;
// In the State word: an Apply wrote the field for a problem the analysis found, which the page
// still lists, fixed.
constexpr std::pair<int, int> kAppliedMarks[] = {{0x2, kArtist}, {0x4, kAlbum}, {0x8, kArtwork}};

constexpr char kRecordPrefix[] = ".tidewell-removal-";
const char* const kRecycleFolder = "Zavro_Recycle Bin";

struct MadeLink
{
    QByteArray path, target;
    LinkKind kind;
};

std::vector<MadeLink>& madeLinks()
{
    static std::vector<MadeLink> links;
    return links;
}

// The files library entries were made without.
QSet<QByteArray>& madeMissing()
{
    static QSet<QByteArray> paths;
    return paths;
}

std::optional<struct stat> statOf(const QByteArray& path, bool follow)
{
    struct stat st
    {
    };
    if ((follow ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st)) != 0)
        return std::nullopt;
    return st;
}

// The names in a folder, byte for byte, without "." and "..".
QList<QByteArray> namesIn(const QByteArray& folder)
{
    QList<QByteArray> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get()))
    {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    return names;
}

// Our temporary copies are files; a work folder set aside to be emptied is a folder.
bool isOurTemporary(const QByteArray& name, mode_t mode)
{
    return (S_ISREG(mode) && (name.startsWith(".tidewell-edit-") || name.startsWith(".tidewell-copy-") ||
                              name.endsWith("-journal"))) ||
           name.contains(".emptying-");
}

// The copies and records of one day folder of a recycle folder.
void CheckDayFolder(const QByteArray& day, QStringList& faults)
{
    const QList<QByteArray> names = namesIn(day);
    const QSet<QByteArray> present(names.begin(), names.end());
    for (const QByteArray& name : names)
    {
        const QByteArray path = day + '/' + name;
        const std::optional<struct stat> entry = statOf(path, false);
        if (!entry || isOurTemporary(name, entry->st_mode))
            continue; // told by the walk
        if (!name.startsWith(kRecordPrefix))
        {
            const QByteArray record =
                kRecordPrefix + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex();
            if (!present.contains(record))
                faults << QStringLiteral("removed copy without its record: %1").arg(QFile::decodeName(path));
            continue;
        }
        QFile file(QFile::decodeName(path));
        const QJsonObject json =
            file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
        const QByteArray copy =
            QByteArray::fromBase64(json.value(QStringLiteral("name")).toString().toLatin1());
        if (copy.isEmpty() || !present.contains(copy))
            faults << QStringLiteral("removal record without its copy: %1 (names \"%2\")")
                          .arg(QFile::decodeName(path), QFile::decodeName(copy));
    }
}

// Walks `folder` without following links: our temporaries, and the recycle folders in it.
void Walk(const QByteArray& folder, const QByteArray& database, QSet<QByteArray>& seen, QStringList& faults)
{
    const std::optional<struct stat> st = statOf(folder, false);
    if (!st || !S_ISDIR(st->st_mode) || seen.contains(folder))
        return;
    seen.insert(folder);
    const bool recycle = folder.endsWith(QByteArray("/") + kRecycleFolder);
    for (const QByteArray& name : namesIn(folder))
    {
        const QByteArray path = folder + '/' + name;
        const std::optional<struct stat> entry = statOf(path, false);
        if (!entry)
            continue;
        // The working database keeps its journal while the program holds its transaction open.
        if (isOurTemporary(name, entry->st_mode) && path != database + "-journal")
            faults << QStringLiteral("temporary left behind: %1").arg(QFile::decodeName(path));
        if (!S_ISDIR(entry->st_mode))
            continue;
        if (recycle)
            CheckDayFolder(path, faults);
        Walk(path, database, seen, faults);
    }
}

// The text of an XML string element: its entities, named and numbered, resolved.
QString xmlText(const QString& text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|lt|gt|quot|apos|amp);"));
    static const QHash<QString, QString> named{
        {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"amp", "&"}};
    QString out;
    qsizetype at = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        out += text.mid(at, match.capturedStart() - at);
        out += name.startsWith('#')
                   ? QString(QChar(name.startsWith(QLatin1String("#x")) ? name.mid(2).toUInt(nullptr, 16)
                                                                        : name.mid(1).toUInt()))
                   : named.value(name);
        at = match.capturedEnd();
    }
    return out + text.mid(at);
}

// A library's file URL as a local path, in bytes.
QByteArray localPath(const QString& location)
{
    QByteArray url = location.toUtf8();
    if (!url.startsWith("file://"))
        return {};
    url = url.mid(7);
    if (url.startsWith("localhost/"))
        url = url.mid(9);
    return QByteArray::fromPercentEncoding(url);
}

struct Database
{
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db{nullptr, sqlite3_close};

    explicit Database(const QString& path)
    {
        sqlite3* raw = nullptr;
        if (QFileInfo::exists(path) && sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                                       SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
            sqlite3_busy_timeout(raw, 10000);
        db.reset(raw);
    }

    // Runs `sql`, handing each row to `row`; false when the statement could not run.
    bool Rows(const char* sql, const std::function<void(sqlite3_stmt*)>& row) const
    {
        sqlite3_stmt* raw = nullptr;
        if (!db || sqlite3_prepare_v2(db.get(), sql, -1, &raw, nullptr) != SQLITE_OK)
            return false;
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
            row(raw);
        return rc == SQLITE_DONE;
    }
};

QByteArray columnBytes(sqlite3_stmt* stmt, int column)
{
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)),
                      sqlite3_column_bytes(stmt, column));
}

// The persistent IDs the working database holds as missing files.
QSet<QByteArray> missingInDatabase(const QString& database)
{
    QSet<QByteArray> missing;
    Database(database).Rows("select PersistentID, Absence from TracksTable",
                            [&](sqlite3_stmt* row)
                            {
                                if (sqlite3_column_int(row, 1) & kFileMissing)
                                    missing.insert(columnBytes(row, 0).toUpper());
                            });
    return missing;
}

void CheckLibrary(const QString& library, const QSet<QByteArray>& missing, QStringList& faults)
{
    QFile file(library);
    if (!file.open(QIODevice::ReadOnly))
        return; // a road that never had a library, or removed it
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression track(QStringLiteral("<key>Track ID</key>.*?</dict>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression id(
        QStringLiteral("<key>Persistent ID</key>\\s*<string>([^<]*)</string>"));
    static const QRegularExpression location(
        QStringLiteral("<key>Location</key>\\s*<string>([^<]*)</string>"));
    for (auto it = track.globalMatch(text); it.hasNext();)
    {
        const QString entry = it.next().captured(0);
        const QByteArray path = localPath(xmlText(location.match(entry).captured(1)));
        const std::optional<struct stat> st = statOf(path, true);
        if (path.isEmpty() || (st && S_ISREG(st->st_mode)))
            continue;
        const QByteArray pid = id.match(entry).captured(1).toUtf8().toUpper();
        if (!missing.contains(pid) && !madeMissing().contains(path))
            faults << QStringLiteral("library entry %1 without its file: %2")
                          .arg(QString::fromUtf8(pid), QFile::decodeName(path));
    }
}

void CheckLinks(QStringList& faults)
{
    for (const MadeLink& link : madeLinks())
    {
        const std::optional<struct stat> self = statOf(link.path, false);
        const QString name = QFile::decodeName(link.path);
        if (!self)
            continue; // the road's own clean-up took it away
        if (link.kind == LinkKind::Hard)
        {
            const std::optional<struct stat> target = statOf(link.target, false);
            if (!target || target->st_dev != self->st_dev || target->st_ino != self->st_ino)
                faults << QStringLiteral("hard link %1 no longer names the file of %2")
                              .arg(name, QFile::decodeName(link.target));
            continue;
        }
        QByteArray written(4096, '\0');
        const ssize_t size = ::readlink(link.path.constData(), written.data(), written.size());
        if (!S_ISLNK(self->st_mode) || size < 0 || written.left(size) != link.target)
            faults
                << QStringLiteral("%1 is no longer a link to %2").arg(name, QFile::decodeName(link.target));
    }
}

} // namespace

void noteLibraryEntry(const std::string& location)
{
    const QByteArray path = localPath(QString::fromStdString(location));
    if (!path.isEmpty() && !statOf(path, true))
        madeMissing().insert(path);
}

bool makeLink(const QString& target, const QString& path, LinkKind kind)
{
    const QByteArray at = QFile::encodeName(path);
    QByteArray to = QFile::encodeName(target);
    if (kind == LinkKind::RelativeSymbolic)
        to = QFile::encodeName(QFileInfo(path).absoluteDir().relativeFilePath(target));
    const int rc = kind == LinkKind::Hard ? ::link(to.constData(), at.constData())
                                          : ::symlink(to.constData(), at.constData());
    if (rc != 0)
        return false;
    madeLinks().push_back({at, to, kind});
    if (kind == LinkKind::Hard)
        madeLinks().back().target = QFile::encodeName(target);
    return true;
}

QString spellPath(const QString& path, Spelling spelling)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    switch (spelling)
    {
    case Spelling::Plain:
        return path;
    case Spelling::DoubleSlash:
        return folder + QStringLiteral("//") + info.fileName();
    case Spelling::DotSlash:
        return folder + QStringLiteral("/./") + info.fileName();
    case Spelling::LinkedFolder:
    {
        const QString linked = folder + QStringLiteral("-link");
        if (!QFileInfo(linked).isSymLink() && !makeLink(folder, linked, LinkKind::Symbolic))
            return {};
        return linked + QLatin1Char('/') + info.fileName();
    }
    }
    return path;
}

QStringList RoadFaults(const RoadPlaces& places)
{
    QStringList faults;
    QSet<QByteArray> seen;
    QStringList folders = places.folders;
    folders << QDir::homePath();
    for (const QString& library : places.libraries)
        folders << QFileInfo(library).absolutePath();
    if (!places.database.isEmpty())
        folders << QFileInfo(places.database).absolutePath();
    for (const QString& folder : folders)
        Walk(QFile::encodeName(QDir::cleanPath(folder)), QFile::encodeName(QDir::cleanPath(places.database)),
             seen, faults);

    const QSet<QByteArray> missing = missingInDatabase(places.database);
    for (const QString& library : places.libraries)
        CheckLibrary(library, missing, faults);
    CheckLinks(faults);
    faults.removeDuplicates();
    return faults;
}

std::optional<PageCounts> PageFromDatabase(const QString& database, int mask)
{
    const Database db(database);
    int total = 0;
    db.Rows("select Value from LibraryInfo where Key = 'TrackTotal'",
            [&](sqlite3_stmt* row) { total = sqlite3_column_int(row, 0); });
    PageCounts page;
    int open = 0;
    int tracks = 0;
    const bool read =
        db.Rows("select Absence, State, Artist, Album, ArtPath, length(ArtData) from TracksTable",
                [&](sqlite3_stmt* row)
                {
                    ++tracks;
                    const int state = sqlite3_column_int(row, 1);
                    int stored = sqlite3_column_int(row, 0);
                    for (const auto& [mark, problem] : kAppliedMarks)
                        stored |= (state & mark) ? problem : 0;
                    const int absence = stored & mask;
                    // A missing file is that problem alone, and none where the page does not show it.
                    if (stored & kFileMissing)
                    {
                        if (absence & kFileMissing)
                        {
                            ++page.rows[kFileMissing];
                            open += (state & kRemovalApplied) ? 0 : 1;
                        }
                        return;
                    }
                    if (state & kUnrecognized)
                        ++page.rows[kUnrecognized];
                    const auto empty = [&](int column) { return sqlite3_column_bytes(row, column) == 0; };
                    for (const auto& [bit, stillOpen] :
                         {std::pair{kArtist, empty(2)}, {kAlbum, empty(3)}, {kArtwork, empty(4) && empty(5)}})
                    {
                        if (!(absence & bit))
                            continue;
                        // An unrecognized song is listed there too once that field has a value.
                        if (!(state & kUnrecognized) || !stillOpen)
                            ++page.rows[bit];
                        open += stillOpen ? 1 : 0;
                    }
                });
    if (!read)
        return std::nullopt;
    total = std::max(total, tracks);
    page.score = total > 0 ? 10000.0 - 2500.0 * open / total : 10000.0;
    return page;
}

} // namespace tidewell::test
