#pragma once

#include <QtGlobal>

#include <mutex>
#include <string>

// The update log: a plain text file, one time-stamped entry per event of the update client.
// Thread-safe; entries are appended and the file is opened only while writing. It stays small:
// an entry is cut at kMaxEntryBytes, and a file grown past kMaxFileBytes keeps its newer half.
class UpdateLog
{
public:
    static constexpr size_t kMaxEntryBytes = 2048;
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    // The default file: <application data>/Zavro/Tidewell/update.log.
    UpdateLog();
    explicit UpdateLog(std::string path);

    void setPath(std::string path);
    std::string path() const;

    // printf-style entry; what passes kMaxEntryBytes is left out, and the entry says how much.
    void write(const char* format, ...) __attribute__((format(printf, 2, 3)));

    static std::string defaultPath();

private:
    // Called with the lock held, before an entry is added.
    void keepNewerHalf(const QString& path);

    mutable std::mutex m_mutex;
    std::string m_path;
};
