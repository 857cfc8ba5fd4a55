#include "BugReportPackage.h"

#include "AppSettings.h"
#include "CMusicLink.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

// Written to while the program runs; packed through a copy so the archiver reads a still file.
bool IsOpenLog(const QString& name)
{
    return name == QLatin1String("MM.log") || name == QLatin1String("musicinfo.log") ||
           name == QLatin1String("UI.log");
}

} // namespace

CBugReportPackage::CBugReportPackage(QObject* parent) : QObject(parent) {}

CBugReportPackage::~CBugReportPackage()
{
    if (m_pProcess && m_pProcess->state() != QProcess::NotRunning)
    {
        m_pProcess->disconnect(this);
        m_pProcess->kill();
        m_pProcess->waitForFinished(2000);
        QFile::remove(m_strArchive);
    }
    RemoveCopies();
}

QString CBugReportPackage::ReportsFolder()
{
    CAppSettings* settings = GetAppSettings();
    return settings ? settings->GetDataFolder() + QStringLiteral("/reports") : QString();
}

void CBugReportPackage::Start()
{
    CAppSettings* settings = GetAppSettings();
    const QString dataFolder = settings ? settings->GetDataFolder() : QString();
    // "7z a" adds to an existing archive, so the name is one no earlier report has used.
    const QString folder = ReportsFolder();
    QDir().mkpath(folder);
    const QString stem = folder + QStringLiteral("/report-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // The name is free when neither an archive nor a kept description uses it.
    const auto taken = [](const QString& candidate)
    {
        return QFileInfo::exists(candidate + QStringLiteral(".7z")) ||
               QFileInfo::exists(candidate + QStringLiteral(".txt")) ||
               QFileInfo::exists(candidate + UnsentSuffix());
    };
    QString unique = stem;
    for (int n = 2; taken(unique); ++n)
        unique = stem + QStringLiteral("-%1").arg(n);
    m_strArchive = unique + QStringLiteral(".7z");

    m_arguments = {QStringLiteral("a"), m_strArchive};
    // Only what exists is handed over, so a missing library file cannot fail the whole archive.
    const QString library = CMusicLink::DefaultLibraryPath();
    if (QFileInfo(library).isFile())
        m_arguments << library;

    QDir data(dataFolder);
    if (!dataFolder.isEmpty())
    {
        // Copies left behind by an earlier run would otherwise be packed as if they were current.
        for (const QString& name : data.entryList({CopyPrefix() + QLatin1Char('*')}, QDir::Files))
            QFile::remove(data.filePath(name));
    }
    // The settings hold the proxy password: a report only ever carries a copy without it. The
    // copy is made first because making it also writes pending settings to the file.
    const QString iniName = settings ? QFileInfo(settings->GetIniPath()).fileName() : QString();
    QString settingsCopy;
    if (settings && !dataFolder.isEmpty())
    {
        settingsCopy = data.filePath(CopyPrefix() + iniName);
        if (settings->CopyForReport(settingsCopy))
            m_copies << settingsCopy;
        else
            settingsCopy.clear();
    }
    const QStringList names =
        dataFolder.isEmpty()
            ? QStringList()
            : data.entryList({QStringLiteral("*.log"), QStringLiteral("*.ini"), QStringLiteral("*.dat")},
                             QDir::Files, QDir::Time);
    for (const QString& name : names)
    {
        if (name.startsWith(CopyPrefix()))
            continue;
        const QString path = data.filePath(name);
        if (IsOpenLog(name))
        {
            const QString copy = data.filePath(CopyPrefix() + name);
            if (QFile::copy(path, copy))
            {
                m_copies << copy;
                m_arguments << copy;
            }
        }
        else if (name == iniName)
        {
            if (!settingsCopy.isEmpty())
                m_arguments << settingsCopy;
        }
        else
        {
            m_arguments << path;
        }
    }

    m_pProcess = new QProcess(this);
    m_pProcess->setProcessChannelMode(QProcess::MergedChannels);
    m_pProcess->setStandardOutputFile(QProcess::nullDevice());
    connect(m_pProcess, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status)
            {
                m_bSucceeded =
                    status == QProcess::NormalExit && exitCode == 0 && QFileInfo(m_strArchive).isFile();
                Finish();
            });
    connect(m_pProcess, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error)
            {
                if (error == QProcess::FailedToStart)
                    Finish();
            });
    m_pProcess->start(QStringLiteral("7z"), m_arguments);
}

void CBugReportPackage::Finish()
{
    if (m_bDone)
        return;
    m_bDone = true;
    emit done();
}

void CBugReportPackage::RemoveCopies()
{
    for (const QString& copy : std::as_const(m_copies))
        QFile::remove(copy);
    m_copies.clear();
}
