#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

namespace tidewell::test
{

// Points HOME and the XDG folders at a fresh temporary folder for the lifetime of the object,
// so QStandardPaths (documents, music, application data) resolves inside it. The previous
// environment is restored on destruction.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    // A path below the temporary home; parent folders are created.
    QString file(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, std::pair<bool, QByteArray>> m_saved;
    void set(const char* name, const QString& value);
};

} // namespace tidewell::test
