#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Empties the window's work folders (pictures and copied songs) without making the GUI thread
// wait for thousands of deletions. Each folder is first renamed aside and made again empty, which
// is one quick step, so a run that starts at once writes into an empty folder and its files are
// never among those deleted; the renamed folder is then removed on a worker thread. Folders set
// aside by an earlier session that ended before its worker did are removed the same way.
//
// Threading: Empty() on the GUI thread; the deletions on the cleaner's own thread; Emptied() is
// emitted on the GUI thread, queued. The destructor lets the worker finish what was handed to it,
// so closing the program still leaves nothing behind.
class CWorkFolderCleaner : public QObject
{
    Q_OBJECT

public:
    explicit CWorkFolderCleaner(QObject* parent = nullptr);
    ~CWorkFolderCleaner() override;

    void Empty(const QStringList& folders);
    // True while handed work is not yet done.
    bool IsBusy() const;

signals:
    // Every folder handed over so far has been emptied.
    void Emptied();

private:
    struct Job
    {
        QString path;
        bool wholeFolder = true; // a folder set aside; false: only the files of a folder in use
    };
    void Run();
    static void Remove(const Job& job);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_working = false;
    bool m_quit = false;
    std::thread m_thread;
};
