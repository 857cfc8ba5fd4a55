#include "TempHome.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell::test
{

TempHome::TempHome()
{
    const QString root = m_dir.path();
    QDir(root).mkpath(".config");
    QDir(root).mkpath(".local/share");
    QDir(root).mkpath(".cache");
    QDir(root).mkpath("run");
    QFile::setPermissions(root + "/run",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    set("HOME", root);
    set("XDG_CONFIG_HOME", root + "/.config");
    set("XDG_DATA_HOME", root + "/.local/share");
    set("XDG_CACHE_HOME", root + "/.cache");
    set("XDG_RUNTIME_DIR", root + "/run");
    set("TIDEWELL_ITUNES_LIBRARY", QString());
}

TempHome::~TempHome()
{
    for (const auto& [name, value] : m_saved)
    {
        if (value.first)
            qputenv(name.constData(), value.second);
        else
            qunsetenv(name.constData());
    }
}

void TempHome::set(const char* name, const QString& value)
{
    if (!m_saved.count(name))
        m_saved[name] = {qEnvironmentVariableIsSet(name), qgetenv(name)};
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, value.toUtf8());
}

QString TempHome::file(const QString& relative) const
{
    const QString full = m_dir.path() + '/' + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    return full;
}

} // namespace tidewell::test
