#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Packs one report's own archive, "<data folder>/reports/report-<date>-<time>[-n].7z", a name no
// other report shares, in a folder nothing of the program empties: the iTunes library file the host uses,
// then the data folder's "*.log", "*.ini" and "*.dat" files, newest first. The logs the program
// keeps open and the settings file go in as temporary "Gorvane_" copies (the settings copy
// without the proxy password). The archiver, `7z a <archive> <files...>`, runs as an
// asynchronous process so the GUI thread never waits on it; done() comes once, whatever the
// archiver did (missing, failed or fine). Lives on the GUI thread.
class CBugReportPackage : public QObject
{
    Q_OBJECT

public:
    explicit CBugReportPackage(QObject* parent = nullptr);
    // A running archiver is killed and its unfinished archive removed; the copies are removed.
    ~CBugReportPackage() override;

    // Chooses the archive's name, removes leftover copies, makes the copies and starts the archiver.
    // Connect to done() first: it comes from within Start when the archiver cannot start.
    void Start();
    bool IsDone() const { return m_bDone; }
    // After done(): the archiver ran to its end without an error and the archive is there.
    bool Succeeded() const { return m_bSucceeded; }
    QString ArchivePath() const { return m_strArchive; }
    // The archiver's arguments as started: "a", the archive, the files.
    QStringList Arguments() const { return m_arguments; }
    // Removes the temporary copies. Only after done(): the archiver reads them.
    void RemoveCopies();

    // Where every report's archive is kept until it was mailed, or for mailing by hand.
    static QString ReportsFolder();
    // Ends the name of what a report left unsent at a close keeps of itself beside its archive
    // (the subject and the description) until the next start has told the user.
    static QString UnsentSuffix() { return QStringLiteral(".unsent.txt"); }

    // The prefix of the temporary copies in the data folder.
    static QString CopyPrefix() { return QStringLiteral("Gorvane_"); }

signals:
    void done();

private:
    void Finish();

    QProcess* m_pProcess = nullptr; // child
    QString m_strArchive;
    QStringList m_arguments;
    QStringList m_copies;
    bool m_bDone = false;
    bool m_bSucceeded = false;
};
