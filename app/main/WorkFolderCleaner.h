#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Empties the window's work folders (pictures and copied songs) without making the GUI thread
// wait for thousands of deletions. Only the files directly inside a folder go: its sub-folders,
// the recycle folder inside the Picture folder among them, stay with everything they hold, and
// so does a link to a folder elsewhere (or to one not there now), as the link it is. Each folder
// is first renamed aside and made again, and its sub-folders and folder links are moved back
// into it, a few quick steps, so a run that starts at once writes into the folder and its files
// are never among those deleted; the files of the renamed folder are then removed on a worker
// thread. A folder holding a mount point (which cannot be renamed) is never set aside: the files
// that were in it when it was handed over are removed from it where it is.
// Folders set aside by an earlier session that ended before its worker did are handled the same
// way: their sub-folders go back when they can, and a set-aside folder's sub-folder that cannot
// is never deleted.
//
// Threading: Empty() on the GUI thread; the deletions on the cleaner's own thread; Emptied() is
// emitted on the GUI thread, queued. The destructor (closing the program) lets the worker go on
// for closeBudget at most: tens of thousands of pictures would keep the closing window for
// seconds. What is left stays set aside, and the next start's Empty() removes it.
class CWorkFolderCleaner : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kCloseBudget{20};

    explicit CWorkFolderCleaner(QObject* parent = nullptr,
                                std::chrono::milliseconds closeBudget = kCloseBudget);
    ~CWorkFolderCleaner() override;

    void Empty(const QStringList& folders);
    // Removes these files the same way: each is renamed aside in its folder at once, so the path
    // is free for a file made anew straight after (the next load's database), and the renamed
    // file is deleted on the cleaner's thread. A file that cannot be renamed is deleted here.
    // Returns the files that could be neither renamed nor deleted.
    QStringList Discard(const QStringList& files);
    // Removes what an earlier session set aside from these files and never deleted; the files
    // themselves stay.
    void DiscardLeftovers(const QStringList& files);
    // True while handed work is not yet done.
    bool IsBusy() const;

signals:
    // Every folder handed over so far has been emptied.
    void Emptied();

private:
    struct Job
    {
        enum Kind
        {
            Folder,      // a folder set aside
            FolderFiles, // only the files of a folder in use
            File,        // a file set aside
        };
        QString path;
        Kind kind = Folder;
        // FolderFiles: only files whose status changed before this time (ns since the epoch) go.
        qint64 before = 0;
    };
    static QString AsideStamp();
    // Queues what an earlier session set aside of this folder (kind Folder) or file (kind File).
    static void AddSetAside(const QString& path, Job::Kind kind, std::deque<Job>& jobs);
    void Queue(std::deque<Job>& jobs);
    void Run();
    // False when the time left to a closing program ran out before the job was done.
    bool Remove(const Job& job) const;
    // The files (and links) directly inside a set-aside folder, then the folder when it is empty.
    bool RemoveSetAside(const QString& path) const;
    // Moves the sub-folders of a set-aside folder back into the folder it was.
    static void MoveSubfoldersBack(const QString& aside, const QString& folder);
    bool OutOfTime() const;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_working = false;
    bool m_quit = false;
    const std::chrono::milliseconds m_closeBudget;
    // Steady-clock time past which a closing program's worker stops; zero while not closing.
    std::atomic<std::chrono::steady_clock::rep> m_deadline{0};
    std::thread m_thread;
};
