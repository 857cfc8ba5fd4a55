#pragma once

#include <QFile>
#include <QString>

#include <memory>

// The music manager's log "MM.log": one line per message, each with a timestamp. It is the back
// end's only diagnostic. Opened once by the manager; a file above 10 MiB is started afresh, both
// when it is opened and when a write would carry it past the limit. Every use holds
// g_manageLogMutex, so the import, analysis, save and caller threads may all write.
class CManageLog
{
public:
    static constexpr qint64 kMaxBytes = 0xa00000;

    CManageLog() = default;
    ~CManageLog();
    CManageLog(const CManageLog&) = delete;
    CManageLog& operator=(const CManageLog&) = delete;

    // 1 opened (or already open), 0 for an empty folder or a file that cannot be opened.
    int Open(const QString& folder);
    // Appends "yyyy-MM-dd hh:mm:ss.zzz text". False when the log is not open or the write failed.
    bool Write(const QString& text);
    void Close();
    QString Path() const;

private:
    std::unique_ptr<QFile> m_file;
};
