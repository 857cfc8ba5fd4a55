#pragma once

#include <mutex>
#include <string>

// The update log: a plain text file, one time-stamped entry per event of the update client.
// Thread-safe; entries are appended and the file is opened only while writing.
class UpdateLog
{
public:
    // The default file: <application data>/Zavro/Tidewell/update.log.
    UpdateLog();
    explicit UpdateLog(std::string path);

    void setPath(std::string path);
    std::string path() const;

    // printf-style entry of any length (replies are logged whole).
    void write(const char* format, ...) __attribute__((format(printf, 2, 3)));

    static std::string defaultPath();

private:
    mutable std::mutex m_mutex;
    std::string m_path;
};
