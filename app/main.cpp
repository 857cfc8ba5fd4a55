// Start-up of the program: settings and folders, scale, strings, the single-instance lock, the
// look, then the main window.
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AppVersion.h"
#include "CFramelessWindow.h"
#include "LanguageDirection.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLockFile>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {

// One running copy per user: a second start ends at once with -1 and no message.
QString LockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tidewell.lock");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        g_dScale = ScaleForScreenWidth(screen->geometry().width());

    // 80: no special folder, 81: a data folder cannot be made. No message either way.
    if (const int code = LoadAppSettings(); code != 0)
        return code;

    FillAppStrings();
    QApplication::setOrganizationName(QStringLiteral("Zavro"));
    QApplication::setOrganizationDomain(QStringLiteral("zavro.example"));
    QApplication::setApplicationName(QStringLiteral("Tidewell"));
    g_strVersion = GetAppVersion();
    QApplication::setApplicationVersion(g_strVersion);
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    QLockFile instanceLock(LockPath());
    instanceLock.setStaleLockTime(0);
    if (!instanceLock.tryLock(0))
        return -1;

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ScaledInt(12));
    QApplication::setFont(font);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setStyleSheet(LoadApplicationStyleSheet());

    CFramelessWindow window;
    window.SetTitle(QObject::tr("Tidewell"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* label = new QLabel(QObject::tr("Tidewell %1").arg(g_strVersion));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window.SetCentralWidget(content);
    window.resize(ScaledInt(1000), ScaledInt(680));
    ApplyLanguageDirection(&window);
    window.show();

    const int result = QApplication::exec();
    CloseUILog();
    if (CAppSettings* settings = GetAppSettings())
        settings->SaveSettings();
    ReleaseAppSettings();
    return result;
}
