#include "UpdateCheck.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "CurlSession.h"
#include "UILog.h"
#include "VersionCompare.h"
#include "WhatsNew.h"

#include <QDate>
#include <QDebug>
#include <QRegularExpression>
#include <QThread>
#include <QWidget>

namespace
{

struct ProxySettings
{
    int type = CurlSession::ProxyNone;
    std::string host;
    int port = 0;
    std::string user;
    std::string password;
};

// HTTP proxy only when "b_proxy" is 1; "Proxy_type" is not used by the update check.
ProxySettings ReadProxy()
{
    ProxySettings proxy;
    const CAppSettings* settings = GetAppSettings();
    if (!settings)
        return proxy;
    proxy.type = settings->GetProxyEnabled() == 1 ? CurlSession::ProxyHttp : CurlSession::ProxyNone;
    proxy.host = settings->GetProxyHost().toStdString();
    proxy.port = settings->GetProxyPort();
    proxy.user = settings->GetProxyUser().toStdString();
    proxy.password = settings->GetProxyPassword().toStdString();
    return proxy;
}

bool IsDottedVersion(const QString& version)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d+(\\.\\d+)*$"));
    return pattern.match(version).hasMatch();
}

} // namespace

CUpdateCheck::CUpdateCheck(QWidget* window) : QObject(window), m_pWindow(window) {}

CUpdateCheck::~CUpdateCheck()
{
    if (m_pThread)
    {
        m_pThread->disconnect(this);
        if (m_session)
            m_session->abort();
        m_pThread->wait();
    }
}

void CUpdateCheck::Abandon()
{
    m_bAbandoned = true;
    if (m_session)
        m_session->abort();
}

void CUpdateCheck::Check()
{
    if (m_pThread || m_bAbandoned)
        return;

    m_info = ProductUpdateInfo();
    m_info.productCode = kProductCode;
    m_info.currentVersion = g_strVersion.toStdString();
    const CAppSettings* settings = GetAppSettings();
    const QString language = settings ? settings->GetLanguage() : QString();
    m_info.language = (language.isEmpty() ? QStringLiteral("en") : language).toStdString();

    const ProxySettings proxy = ReadProxy();
    m_session = std::make_shared<CurlSession>(&m_info);
    m_pThread = QThread::create(
        [session = m_session, proxy]
        {
            session->Init();
            session->setProxy(proxy.type, proxy.host, proxy.port, proxy.user, proxy.password);
            session->fetchUpdateInfo();
        });
    m_pThread->setParent(this);
    connect(m_pThread, &QThread::finished, this, &CUpdateCheck::Fetched);
    m_pThread->start();
}

void CUpdateCheck::Fetched()
{
    m_pThread->deleteLater();
    m_pThread = nullptr;
    m_session.reset();
    qDebug() << "iRet=" << m_info.state;
    qDebug() << "g_strVersion=" << g_strVersion
             << "   strNewVersion=" << QString::fromStdString(m_info.newVersion);
    if (m_bAbandoned)
        return;
    const int code = ResultOf(m_info, g_strVersion);
    ShowUpdateInfo(m_pWindow, code, m_info);
    emit checked(code);
}

int CUpdateCheck::ResultOf(const ProductUpdateInfo& info, const QString& currentVersion)
{
    switch (info.state)
    {
    case UpdateStateTransferFailed:
        return ResultNoConnection;
    case UpdateStateHttpStatus:
        return ResultHttpStatus;
    case UpdateStateBadReply:
    case UpdateStateNone: // each check starts from None: a reply came, but no product record
        return ResultUnreadable;
    case UpdateStateEmptyProduct:
        return ResultNoProduct;
    case UpdateStateNewer:
    case UpdateStateNewerMarked:
    case UpdateStateUpToDate:
        break;
    default:
        return ResultUnknown;
    }
    const QString newest = QString::fromStdString(info.newVersion).trimmed();
    if (!IsDottedVersion(newest))
        return ResultUnreadable;
    return tidewell::update::CompareVersions(newest.toStdString(), currentVersion.toStdString()) > 0
               ? ResultNewer
               : ResultNewest;
}

void CUpdateCheck::ShowUpdateInfo(QWidget* parent, int code, const ProductUpdateInfo& info)
{
    WhatsNew dialog(parent);
    dialog.SetTitle(g_strFullProductName);
    WriteUILog(QStringLiteral("UpdateInfo(%1) m_bUpdateType:%2").arg(code).arg(0));

    bool offerDownload = false;
    switch (code)
    {
    case ResultNewer:
    {
        const QString url = QString::fromStdString(info.downloadUrl);
        const QString newVersion = QString::fromStdString(info.newVersion);
        offerDownload = WhatsNew::IsOpenableDownloadUrl(url);
        // Without a web address to open the question would have no answer but Cancel.
        dialog.SetVersionText(
            offerDownload
                ? tr("A new version of %1 found! \nCurrent version: %2\nNew version: %3\n\nWould "
                     "you like to update "
                     "the product?")
                      .arg(g_strAppName, g_strVersion, newVersion)
                : tr("A new version of %1 found! \nCurrent version: %2\nNew version: %3\n\nThe update "
                     "server gave no web address to download it from.")
                      .arg(g_strAppName, g_strVersion, newVersion));
        dialog.SetWhatsNewText(QString::fromStdString(info.whatsNewText));
        dialog.SetDownloadUrl(url);
        break;
    }
    case ResultNewest:
        dialog.SetVersionText(tr("You are using the newest version."));
        break;
    case ResultNoProduct:
        dialog.SetVersionText(tr("Failed to find product record."));
        break;
    case ResultNoConnection:
        // The proxy is named only when the check went through one.
        if (ReadProxy().type != CurlSession::ProxyNone)
            dialog.SetVersionText(
                tr("Failed to connect the server. \nPlease check the validity of the proxy."));
        else
            dialog.SetVersionText(
                tr("Failed to connect the server. \nPlease check your network connection."));
        break;
    case ResultHttpStatus:
        dialog.SetVersionText(tr("The update server did not send the update information (HTTP status %1).")
                                  .arg(info.httpStatus));
        break;
    case ResultUnreadable:
        dialog.SetVersionText(tr("The update server's answer could not be read as update information."));
        break;
    case 0:
        break;
    default:
        dialog.SetVersionText(tr("Unknown error."));
        break;
    }
    // The button is set up after its mode, which would otherwise rename it; an address that is
    // no web page gets no button at all.
    dialog.SetButtonMode(code == ResultNewer && !offerDownload ? ResultNewest : code);
    if (offerDownload)
        dialog.SetButtonText(tr("Download"));
    dialog.exec();
}

bool IsUpdateDueOn(int autoUpdate, int days, int year, int month, int day, const QDate& today)
{
    if (autoUpdate <= 0)
        return false;
    if (autoUpdate == 2)
        return true;
    if (year <= 0 || today.year() < year)
        return true;
    const QDate last(year, month, day);
    if (!last.isValid())
        return true;
    const qint64 passed = last.daysTo(today);
    return passed < 0 || passed >= days;
}

bool CUpdateCheck::IsUpdateDue(CAppSettings& settings, const QDate& today)
{
    int year = 0;
    int month = 0;
    int day = 0;
    settings.GetUpdateDate(year, month, day);
    const bool due =
        IsUpdateDueOn(settings.GetAutoUpdate(), settings.GetUpdateDays(), year, month, day, today);
    if (due)
    {
        settings.SetUpdateDate(today.year(), today.month(), today.day());
        settings.SaveSettings();
    }
    return due;
}
