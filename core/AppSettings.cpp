#include "AppSettings.h"

#include "AppGlobals.h"
#include "GeneralUtils.h"
#include "SpecialFolders.h"

#include <QDate>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace
{

// Match-degree bits of the "Duplicate" mask (high, medium, low).
constexpr int kDegreeHigh = 0x10;
constexpr int kDegreeMedium = 0x20;
constexpr int kDegreeLow = 0x40;
constexpr int kDegreeBits = kDegreeHigh | kDegreeMedium | kDegreeLow;

constexpr int kDefaultGenernal = 0x8010c00;
constexpr int kDefaultDuplicate = 0x31020c20;
constexpr int kDefaultReplace = 0x1000c00;
constexpr int kDefaultClearDays = 7;
constexpr int kDefaultUpdateDays = 7;
// The days between automatic update checks, as the preferences offer them.
constexpr int kMinUpdateDays = 1;
constexpr int kMaxUpdateDays = 99;

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

std::unique_ptr<CAppSettings> g_settings;
std::function<void(int)> g_exitHandler;

// Ini values are text; a value with an unquoted comma comes back as a list, which is joined again.
QString ReadText(const QSettings& ini, const QString& key, const QString& fallback = QString())
{
    const QVariant value = ini.value(key, fallback);
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// A missing key gives the default; text that is not a decimal number gives 0.
int ReadInt(const QSettings& ini, const QString& key, int fallback)
{
    if (!ini.contains(key))
        return fallback;
    bool ok = false;
    const int value = ReadText(ini, key).trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

CAppSettings::CAppSettings() = default;

CAppSettings::~CAppSettings() = default;

int CAppSettings::InitDataFolders()
{
    QString documents;
    if (GetSpecialFolderPath(&documents, SpecialFolderDocuments, g_strAppRoot) != SpecialFolderOk)
        return kExitNoSpecialFolder;
    m_pictureFolder = documents + QStringLiteral("/Picture");
    m_musicFolder = documents + QStringLiteral("/Music");
    if (!CreateDirPath(m_pictureFolder) || !CreateDirPath(m_musicFolder) ||
        !CreateDirPath(MakeRecycleFolderPath()))
        return kExitCannotCreateFolder;

    QString data;
    if (GetSpecialFolderPath(&data, SpecialFolderAppData, g_strAppRoot) != SpecialFolderOk)
        return kExitNoSpecialFolder;
    m_dataFolder = data;
    if (!CreateDirPath(m_dataFolder))
        return kExitCannotCreateFolder;
    return 0;
}

void CAppSettings::LoadIni()
{
    m_ini = std::make_unique<QSettings>(m_dataFolder + QStringLiteral("/merrow.ini"), QSettings::IniFormat);
    QSettings& ini = *m_ini;
    bool repaired = false;

    m_proxyEnabled = ini.value(QStringLiteral("b_proxy"), false).toBool() ? 1 : 0;
    m_proxyType = ReadInt(ini, QStringLiteral("Proxy_type"), 0);
    m_proxyHost = ReadText(ini, QStringLiteral("Proxy_host"));
    m_proxyPort = ReadInt(ini, QStringLiteral("Proxy_prot"), 0);
    m_proxyUser = ReadText(ini, QStringLiteral("Proxy_name"));
    m_proxyPassword = ReadText(ini, QStringLiteral("Proxy_pass"));
    m_msgDshow = ReadInt(ini, QStringLiteral("Msg_Dshow"), 0);
    m_autoUpdate = ReadInt(ini, QStringLiteral("Auto_update"), 1);
    // An earlier version could store 0, which made every start check for updates.
    m_updateDays = std::clamp(ReadInt(ini, QStringLiteral("Update_Days"), kDefaultUpdateDays), kMinUpdateDays,
                              kMaxUpdateDays);
    m_updateYear = ReadInt(ini, QStringLiteral("Update_year"), -1);
    m_updateMonth = ReadInt(ini, QStringLiteral("Update_month"), -1);
    m_updateDay = ReadInt(ini, QStringLiteral("Update_day"), -1);
    m_genernal = ReadInt(ini, QStringLiteral("Genernal"), kDefaultGenernal);
    m_duplicate = ReadInt(ini, QStringLiteral("Duplicate"), kDefaultDuplicate);
    m_replace = ReadInt(ini, QStringLiteral("Replace"), kDefaultReplace);

    m_historyOpt = ReadInt(ini, QStringLiteral("HistoryOpt"), 0);
    if (m_historyOpt < 0 || m_historyOpt > 3)
    {
        m_historyOpt = 0;
        ini.setValue(QStringLiteral("HistoryOpt"), m_historyOpt);
        repaired = true;
    }
    m_clearDays = ReadInt(ini, QStringLiteral("ClearDays"), kDefaultClearDays);
    if (m_clearDays < 1)
    {
        m_clearDays = kDefaultClearDays;
        ini.setValue(QStringLiteral("ClearDays"), m_clearDays);
        repaired = true;
    }

    // An incomplete last-check date counts as "checked today"; the next SaveSettings stores it.
    const QDate today = QDate::currentDate();
    if (m_updateYear == -1 || m_updateMonth == -1 || m_updateDay == -1)
    {
        m_updateYear = today.year();
        m_updateMonth = today.month();
        m_updateDay = today.day();
    }

    const QString todayText = today.toString(kDateFormat);
    m_clearDate = ReadText(ini, QStringLiteral("ClearDate"), todayText);
    if (!QDate::fromString(m_clearDate, kDateFormat).isValid())
    {
        m_clearDate = todayText;
        ini.setValue(QStringLiteral("ClearDate"), m_clearDate);
        repaired = true;
    }

    m_openPath = ReadText(ini, QStringLiteral("OpenPath"));
    m_lastProjectFolder = ReadText(ini, QStringLiteral("LastProjectFolder"));
    m_language = ReadText(ini, QStringLiteral("Language"));

    // Repairs reach the disk now rather than at the first idle moment of an event loop that a
    // failing start-up may never reach.
    if (repaired)
        ini.sync();
}

void CAppSettings::SaveSettings()
{
    std::shared_lock lock(m_lock);
    QSettings& ini = *m_ini;
    ini.setValue(QStringLiteral("b_proxy"), m_proxyEnabled ? 1 : 0);
    ini.setValue(QStringLiteral("Proxy_type"), m_proxyType);
    ini.setValue(QStringLiteral("Proxy_host"), m_proxyHost);
    ini.setValue(QStringLiteral("Proxy_prot"), m_proxyPort);
    ini.setValue(QStringLiteral("Proxy_name"), m_proxyUser);
    ini.setValue(QStringLiteral("Proxy_pass"), m_proxyPassword);
    ini.setValue(QStringLiteral("Msg_Dshow"), m_msgDshow);
    ini.setValue(QStringLiteral("Auto_update"), m_autoUpdate);
    ini.setValue(QStringLiteral("Update_Days"), m_updateDays);
    ini.setValue(QStringLiteral("Update_year"), m_updateYear);
    ini.setValue(QStringLiteral("Update_month"), m_updateMonth);
    ini.setValue(QStringLiteral("Update_day"), m_updateDay);
    ini.setValue(QStringLiteral("Open_url"), m_openUrl);
    ini.setValue(QStringLiteral("Genernal"), m_genernal);
    ini.setValue(QStringLiteral("Duplicate"), m_duplicate);
    ini.setValue(QStringLiteral("Replace"), m_replace);
    ini.setValue(QStringLiteral("HistoryOpt"), m_historyOpt);
    ini.setValue(QStringLiteral("ClearDays"), m_clearDays);
    ini.setValue(QStringLiteral("ClearDate"), m_clearDate);
    ini.setValue(QStringLiteral("OpenPath"), m_openPath);
    ini.setValue(QStringLiteral("LastProjectFolder"), m_lastProjectFolder);
    ini.setValue(QStringLiteral("Language"), m_language);
}

bool CAppSettings::CopyForReport(const QString& targetPath)
{
    m_ini->sync();
    QFile source(m_ini->fileName());
    QByteArray text;
    if (source.open(QIODevice::ReadOnly))
        text = source.readAll();

    QByteArray cleaned;
    for (const QByteArray& line : text.split('\n'))
    {
        if (line.trimmed().startsWith("Proxy_pass"))
            continue;
        cleaned += line;
        cleaned += '\n';
    }
    cleaned.chop(1);

    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    target.write(cleaned);
    return target.commit();
}

QString CAppSettings::GetIniPath() const
{
    return m_ini->fileName();
}

void CAppSettings::SetLastProjectFolder(const QString& folder)
{
    std::unique_lock lock(m_lock);
    if (folder == m_lastProjectFolder)
        return;
    m_lastProjectFolder = folder;
    // On disk before the save begins: a kill during the save must still find the folder.
    m_ini->setValue(QStringLiteral("LastProjectFolder"), folder);
    m_ini->sync();
}

QString CAppSettings::MakeRecycleFolderPath()
{
    std::unique_lock lock(m_lock);
    QString folder = m_pictureFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    folder += QStringLiteral("Zavro_Recycle Bin");
    m_recycleFolder = folder;
    return folder;
}

#define SETTINGS_GETTER(Type, Name, member)                                                                  \
    Type CAppSettings::Get##Name() const                                                                     \
    {                                                                                                        \
        std::shared_lock lock(m_lock);                                                                       \
        return member;                                                                                       \
    }

SETTINGS_GETTER(QString, PictureFolder, m_pictureFolder)
SETTINGS_GETTER(QString, MusicFolder, m_musicFolder)
SETTINGS_GETTER(QString, DataFolder, m_dataFolder)
SETTINGS_GETTER(QString, RecycleFolder, m_recycleFolder)
SETTINGS_GETTER(QString, LastProjectFolder, m_lastProjectFolder)
SETTINGS_GETTER(int, ProxyEnabled, m_proxyEnabled)
SETTINGS_GETTER(int, ProxyType, m_proxyType)
SETTINGS_GETTER(QString, ProxyHost, m_proxyHost)
SETTINGS_GETTER(int, ProxyPort, m_proxyPort)
SETTINGS_GETTER(QString, ProxyUser, m_proxyUser)
SETTINGS_GETTER(QString, ProxyPassword, m_proxyPassword)
SETTINGS_GETTER(int, MsgDshow, m_msgDshow)
SETTINGS_GETTER(int, AutoUpdate, m_autoUpdate)
SETTINGS_GETTER(int, UpdateDays, m_updateDays)
SETTINGS_GETTER(int, Genernal, m_genernal)
SETTINGS_GETTER(int, Duplicate, m_duplicate)
SETTINGS_GETTER(int, Replace, m_replace)
SETTINGS_GETTER(int, ClearDays, m_clearDays)
SETTINGS_GETTER(QString, Language, m_language)
#undef SETTINGS_GETTER

#define SETTINGS_SETTER(Type, Name, member)                                                                  \
    void CAppSettings::Set##Name(Type value)                                                                 \
    {                                                                                                        \
        std::unique_lock lock(m_lock);                                                                       \
        member = value;                                                                                      \
    }

SETTINGS_SETTER(const QString&, PictureFolder, m_pictureFolder)
SETTINGS_SETTER(const QString&, MusicFolder, m_musicFolder)
SETTINGS_SETTER(const QString&, DataFolder, m_dataFolder)
SETTINGS_SETTER(int, ProxyEnabled, m_proxyEnabled)
SETTINGS_SETTER(int, ProxyType, m_proxyType)
SETTINGS_SETTER(const QString&, ProxyHost, m_proxyHost)
SETTINGS_SETTER(int, ProxyPort, m_proxyPort)
SETTINGS_SETTER(const QString&, ProxyUser, m_proxyUser)
SETTINGS_SETTER(const QString&, ProxyPassword, m_proxyPassword)
SETTINGS_SETTER(int, MsgDshow, m_msgDshow)
SETTINGS_SETTER(int, AutoUpdate, m_autoUpdate)
SETTINGS_SETTER(int, UpdateDays, m_updateDays)
SETTINGS_SETTER(int, Genernal, m_genernal)
SETTINGS_SETTER(int, Replace, m_replace)
SETTINGS_SETTER(int, ClearDays, m_clearDays)
SETTINGS_SETTER(const QString&, Language, m_language)
#undef SETTINGS_SETTER

int CAppSettings::GetUpdateDate(int& year, int& month, int& day) const
{
    std::shared_lock lock(m_lock);
    year = m_updateYear;
    month = m_updateMonth;
    day = m_updateDay;
    return 0;
}

void CAppSettings::SetUpdateDate(int year, int month, int day)
{
    std::unique_lock lock(m_lock);
    m_updateYear = year;
    m_updateMonth = month;
    m_updateDay = day;
}

void CAppSettings::SetDuplicate(int mask)
{
    std::unique_lock lock(m_lock);
    if ((mask & kDegreeBits) == 0)
        mask |= m_duplicate & kDegreeBits;
    m_duplicate = mask;
}

int CAppSettings::GetMatchDegree() const
{
    std::shared_lock lock(m_lock);
    if (m_duplicate & kDegreeHigh)
        return kDegreeHigh;
    if (m_duplicate & kDegreeMedium)
        return kDegreeMedium;
    if (m_duplicate & kDegreeLow)
        return kDegreeLow;
    // A mask saved without a degree: the degree of the default mask.
    return kDefaultDuplicate & kDegreeBits;
}

void CAppSettings::SetMatchDegree(int degree)
{
    if (degree != kDegreeHigh && degree != kDegreeMedium)
        degree = kDegreeLow;
    std::unique_lock lock(m_lock);
    m_duplicate = (m_duplicate & ~kDegreeBits) | degree;
}

int LoadAppSettings()
{
    if (g_settings)
        return 0;
    g_strAppRoot = QStringLiteral("Zavro/Tidewell");
    std::unique_ptr<CAppSettings> settings(new CAppSettings);
    if (const int code = settings->InitDataFolders())
        return code;
    g_strDBPath = settings->m_dataFolder + QStringLiteral("/MusicLibrary.db");
    settings->LoadIni();
    g_settings = std::move(settings);
    return 0;
}

CAppSettings* GetAppSettings()
{
    if (!g_settings)
    {
        if (const int code = LoadAppSettings())
        {
            if (g_exitHandler)
                g_exitHandler(code);
            else
                std::exit(code);
            return nullptr;
        }
    }
    return g_settings.get();
}

void SetAppSettingsExitHandler(std::function<void(int)> handler)
{
    g_exitHandler = std::move(handler);
}

void ReleaseAppSettings()
{
    g_settings.reset();
}

QString RedactSecrets(const QString& text)
{
    // The pointer only changes on the GUI thread while no worker runs (start-up and close).
    if (!g_settings)
        return text;
    const QString password = g_settings->GetProxyPassword();
    if (password.isEmpty())
        return text;
    QString redacted = text;
    redacted.replace(password, QStringLiteral("****"));
    return redacted;
}
