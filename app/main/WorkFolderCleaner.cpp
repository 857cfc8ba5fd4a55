#include "WorkFolderCleaner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace
{
const QString kAsideMark = QStringLiteral(".emptying-");

// What stays in a folder being emptied: a sub-folder, and a link to one (a recycle folder kept on
// another disk) or to nothing (that disk not there now). A link is moved as the link it is.
bool StaysInFolder(const QFileInfo& entry)
{
    if (entry.isSymLink())
        return entry.isDir() || !entry.exists();
    return entry.isDir();
}

// A mount point as /proc/self/mountinfo spells it: space, tab, newline and backslash are octal
// escapes there.
QByteArray UnescapedMountPath(const QByteArray& field)
{
    QByteArray path;
    for (qsizetype i = 0; i < field.size(); ++i)
    {
        if (field[i] == '\\' && i + 3 < field.size())
        {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok)
            {
                path += char(code);
                i += 3;
                continue;
            }
        }
        path += field[i];
    }
    return path;
}

// Whether a file system is mounted (or a folder bound) directly inside `folder`: such a
// sub-folder cannot be renamed, so it could never come back from a folder set aside. The mount
// table says so at once, however many files the folder holds.
bool HoldsAMountPoint(const QString& folder)
{
    const QByteArray own = QFile::encodeName(QFileInfo(folder).canonicalFilePath());
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (own.isEmpty() || !table.open(QIODevice::ReadOnly))
        return false;
    // Each line: id, parent id, major:minor, root, mount point, ...
    for (const QByteArray& line : table.readAll().split('\n'))
    {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray point = UnescapedMountPath(fields[4]);
        const qsizetype slash = point.lastIndexOf('/');
        if (slash > 0 && point.left(slash) == own)
            return true;
    }
    return false;
}

// Now, on the clock file times are taken from: a file made from now on has a change time no
// earlier than this.
qint64 NowForFileTimes()
{
    struct timespec now
    {
    };
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The file was there before `before` (NowForFileTimes): its status last changed earlier. A link
// is judged as itself.
bool MadeBefore(const QString& file, qint64 before)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(file).constData(), &info) == 0 &&
           qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec < before;
}
} // namespace

CWorkFolderCleaner::CWorkFolderCleaner(QObject* parent, std::chrono::milliseconds closeBudget)
    : QObject(parent), m_closeBudget(closeBudget), m_thread([this] { Run(); })
{
}

CWorkFolderCleaner::~CWorkFolderCleaner()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_deadline = (std::chrono::steady_clock::now() + m_closeBudget).time_since_epoch().count();
    }
    m_wake.notify_all();
    m_thread.join();
}

QString CWorkFolderCleaner::AsideStamp()
{
    return kAsideMark + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
           QString::number(QDateTime::currentMSecsSinceEpoch());
}

void CWorkFolderCleaner::Empty(const QStringList& folders)
{
    std::deque<Job> jobs;
    const QString stamp = AsideStamp();
    for (const QString& given : folders)
    {
        if (given.isEmpty())
            continue;
        const QString folder = QDir::cleanPath(given);
        const QFileInfo info(folder);
        const bool usable = info.isDir() && !info.isSymLink();
        // Folders an earlier session set aside and never finished.
        const size_t earlier = jobs.size();
        AddSetAside(folder, Job::Folder, jobs);
        if (usable)
            for (size_t i = earlier; i < jobs.size(); ++i)
                MoveSubfoldersBack(jobs[i].path, folder);
        if (!usable)
            continue;
        // A folder that holds a mount point stays where it is (the mount could not come back
        // with the others), and so does one that cannot be renamed: its files go one by one,
        // those that were there before now, so a run that starts at once keeps what it writes.
        const QString aside = folder + stamp;
        if (!HoldsAMountPoint(folder) && QDir().rename(folder, aside) && QDir().mkpath(folder))
        {
            MoveSubfoldersBack(aside, folder);
            jobs.push_back({aside, Job::Folder});
        }
        else
        {
            jobs.push_back({folder, Job::FolderFiles, NowForFileTimes()});
        }
    }
    Queue(jobs);
}

QStringList CWorkFolderCleaner::Discard(const QStringList& files)
{
    QStringList failed;
    std::deque<Job> jobs;
    const QString stamp = AsideStamp();
    for (const QString& given : files)
    {
        if (given.isEmpty())
            continue;
        const QString file = QDir::cleanPath(given);
        AddSetAside(file, Job::File, jobs);
        const QFileInfo info(file);
        if (!info.exists() && !info.isSymLink())
            continue;
        // Never deleted by its own name on the worker: that name may already belong to a new file.
        const QString aside = file + stamp;
        if (QFile::rename(file, aside))
            jobs.push_back({aside, Job::File});
        else if (!QFile::remove(file))
            failed << file;
    }
    Queue(jobs);
    return failed;
}

void CWorkFolderCleaner::DiscardLeftovers(const QStringList& files)
{
    std::deque<Job> jobs;
    for (const QString& file : files)
        if (!file.isEmpty())
            AddSetAside(QDir::cleanPath(file), Job::File, jobs);
    Queue(jobs);
}

void CWorkFolderCleaner::AddSetAside(const QString& path, Job::Kind kind, std::deque<Job>& jobs)
{
    const QFileInfo info(path);
    const QDir parent = info.dir();
    const QDir::Filters filters = kind == Job::Folder ? QDir::Dirs | QDir::Hidden | QDir::NoSymLinks
                                                      : QDir::Files | QDir::Hidden | QDir::System;
    for (const QString& name : parent.entryList({info.fileName() + kAsideMark + QLatin1Char('*')}, filters))
        jobs.push_back({parent.filePath(name), kind});
}

void CWorkFolderCleaner::Queue(std::deque<Job>& jobs)
{
    if (jobs.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        for (Job& job : jobs)
            m_jobs.push_back(std::move(job));
    }
    m_wake.notify_all();
}

bool CWorkFolderCleaner::IsBusy() const
{
    std::lock_guard lock(m_mutex);
    return m_working || !m_jobs.empty();
}

void CWorkFolderCleaner::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;)
    {
        m_wake.wait(lock, [this] { return m_quit || !m_jobs.empty(); });
        if (m_jobs.empty() || OutOfTime())
            return; // quitting with nothing left, or out of time: the rest stays set aside
        const Job job = m_jobs.front();
        m_jobs.pop_front();
        m_working = true;
        lock.unlock();
        const bool done = Remove(job);
        lock.lock();
        if (!done)
            return;
        m_working = false;
        if (m_jobs.empty())
            QMetaObject::invokeMethod(this, &CWorkFolderCleaner::Emptied, Qt::QueuedConnection);
    }
}

bool CWorkFolderCleaner::OutOfTime() const
{
    const auto deadline = m_deadline.load();
    return deadline != 0 && std::chrono::steady_clock::now().time_since_epoch().count() > deadline;
}

bool CWorkFolderCleaner::Remove(const Job& job) const
{
    if (job.kind == Job::Folder)
        return RemoveSetAside(job.path);
    if (job.kind == Job::File)
    {
        QFile::remove(job.path);
        return true;
    }
    QDirIterator files(job.path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (files.hasNext())
    {
        if (OutOfTime())
            return false;
        const QString file = files.next();
        if (!StaysInFolder(files.fileInfo()) && MadeBefore(file, job.before))
            QFile::remove(file);
    }
    return true;
}

void CWorkFolderCleaner::MoveSubfoldersBack(const QString& aside, const QString& folder)
{
    QDirIterator entries(aside, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext())
    {
        const QString entry = entries.next();
        if (StaysInFolder(entries.fileInfo()))
            ::rename(QFile::encodeName(entry).constData(),
                     QFile::encodeName(QDir(folder).filePath(entries.fileName())).constData());
    }
}

bool CWorkFolderCleaner::RemoveSetAside(const QString& path) const
{
    // One entry at a time, read as it goes, so that a closing program's worker stops between two
    // (listing 20 000 pictures first would take longer than the closing window may wait). Links
    // are removed as links, never followed; a sub-folder that could not go back stays, and the
    // set-aside folder with it.
    QDirIterator entries(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext())
    {
        if (OutOfTime())
            return false;
        const QString entry = entries.next();
        if (StaysInFolder(entries.fileInfo()))
            continue;
        if (!QFile::remove(entry))
        {
            // A read-only file in a folder of ours still goes.
            QFile::setPermissions(entry, QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(entry);
        }
    }
    QDir().rmdir(path);
    return true;
}
