#include "WorkFolderCleaner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace
{
const QString kAsideMark = QStringLiteral(".emptying-");
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
        const QString aside = folder + stamp;
        if (QDir().rename(folder, aside) && QDir().mkpath(folder))
        {
            MoveSubfoldersBack(aside, folder);
            jobs.push_back({aside, Job::Folder});
        }
        else
        {
            jobs.push_back({folder, Job::FolderFiles}); // cannot be renamed: its files go one by one
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
    QDirIterator files(job.path, QDir::Files | QDir::Hidden | QDir::System);
    while (files.hasNext())
    {
        if (OutOfTime())
            return false;
        QFile::remove(files.next());
    }
    return true;
}

void CWorkFolderCleaner::MoveSubfoldersBack(const QString& aside, const QString& folder)
{
    const QDir from(aside);
    for (const QString& name :
         from.entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot))
        QDir().rename(from.filePath(name), QDir(folder).filePath(name));
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
        const QFileInfo info = entries.fileInfo();
        if (info.isDir() && !info.isSymLink())
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
