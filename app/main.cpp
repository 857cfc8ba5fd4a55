// Start-up of the program: scale, settings and folders, the interface language, identity, the
// single-instance lock, the look, then the main window.
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AppVersion.h"
#include "LanguageDirection.h"
#include "MainUI.h"
#include "ScaledStyle.h"
#include "SingleInstance.h"
#include "StartUpRules.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStyleFactory>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        g_dScale = ScaleForScreenWidth(screen->geometry().width());

    // 80: no special folder, 81: a data folder cannot be made. No message either way.
    if (const int code = LoadAppSettings(); code != 0)
        return code;

    CAppSettings* settings = GetAppSettings();
    QString language = settings->GetLanguage();
    if (language.isEmpty())
    {
        language = StartLanguageForLocale(QLocale::system());
        settings->SetLanguage(language);
    }
    InstallTranslation(language, QCoreApplication::applicationDirPath() + QStringLiteral("/language"));

    FillAppStrings();
    QApplication::setOrganizationName(QStringLiteral("zavro"));
    QApplication::setOrganizationDomain(QStringLiteral("zavro.com"));
    QApplication::setApplicationName(QStringLiteral("Tidewell"));
    g_strVersion = GetAppVersion();
    QApplication::setApplicationVersion(g_strVersion);
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ScaledInt(12));
    QApplication::setFont(font);
    QApplication::setStyle(new CScaledStyle);
    app.setStyleSheet(LoadApplicationStyleSheet());

    // One running copy per user: a second start says so in the program's own look, then ends
    // with -1.
    CSingleInstance instance;
    if (!instance.Acquire())
        return -1;

    int result = 0;
    {
        auto window = std::make_unique<CMainUI>();
        ApplyLanguageDirection(window.get());
        window->show();
        if (window->IsUpdateDue())
            window->UpdataView();
        result = QApplication::exec();
    }
    if (CAppSettings* current = GetAppSettings())
        current->SaveSettings();
    ReleaseAppSettings();
    CloseUILog();
    return result;
}
