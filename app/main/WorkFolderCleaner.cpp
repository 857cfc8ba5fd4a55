#include "WorkFolderCleaner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
const QString kAsideMark = QStringLiteral(".emptying-");
} // namespace

CWorkFolderCleaner::CWorkFolderCleaner(QObject* parent) : QObject(parent), m_thread([this] { Run(); }) {}

CWorkFolderCleaner::~CWorkFolderCleaner()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void CWorkFolderCleaner::Empty(const QStringList& folders)
{
    std::deque<Job> jobs;
    const QString stamp = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                          QString::number(QDateTime::currentMSecsSinceEpoch());
    for (const QString& given : folders)
    {
        if (given.isEmpty())
            continue;
        const QString folder = QDir::cleanPath(given);
        const QFileInfo info(folder);
        // Folders an earlier session set aside and never finished.
        const QDir parent = info.dir();
        for (const QString& name : parent.entryList({info.fileName() + kAsideMark + QLatin1Char('*')},
                                                    QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
            jobs.push_back({parent.filePath(name), true});
        if (!info.isDir() || info.isSymLink())
            continue;
        const QString aside = folder + kAsideMark + stamp;
        if (QDir().rename(folder, aside) && QDir().mkpath(folder))
            jobs.push_back({aside, true});
        else
            jobs.push_back({folder, false}); // cannot be renamed: its files go one by one
    }
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
        if (m_jobs.empty())
            return; // quitting with nothing left
        const Job job = m_jobs.front();
        m_jobs.pop_front();
        m_working = true;
        lock.unlock();
        Remove(job);
        lock.lock();
        m_working = false;
        if (m_jobs.empty())
            QMetaObject::invokeMethod(this, &CWorkFolderCleaner::Emptied, Qt::QueuedConnection);
    }
}

void CWorkFolderCleaner::Remove(const Job& job)
{
    if (job.wholeFolder)
    {
        // Links inside are removed as links, never followed.
        QDir(job.path).removeRecursively();
        return;
    }
    const QDir dir(job.path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
}
