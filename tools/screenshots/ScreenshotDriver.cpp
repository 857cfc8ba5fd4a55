// tidewell_screens OUTDIR LANGUAGE: starts the program's windows as the program does (scale from
// the screen, settings in a private home, the language's translation, style sheet), then runs every
// registered scene on a fresh main window and saves its pictures under OUTDIR.
#include "ScreenshotScene.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "AppVersion.h"
#include "CMessageSeam.h"
#include "LanguageDirection.h"
#include "MainUI.h"
#include "ScaledStyle.h"
#include "StartUpRules.h"
#include "StyleTemplates.h"
#include "TempHome.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace screens
{

namespace
{

std::map<std::string, SceneFunction>& Scenes()
{
    static std::map<std::string, SceneFunction> scenes;
    return scenes;
}

} // namespace

SceneRegistrar::SceneRegistrar(const char* key, SceneFunction function)
{
    Scenes()[key] = function;
}

SceneContext::SceneContext(CMainUI* window, QString outDir, QString home)
    : m_window(window), m_outDir(std::move(outDir)), m_home(std::move(home))
{
}

QString SceneContext::Folder(const QString& relative) const
{
    const QString path = m_home + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

void SceneContext::Shot(const QString& name, QWidget* widget) const
{
    QWidget* target = widget ? widget : m_window;
    Settle(400);
    QPixmap picture;
    if (QScreen* screen = target->screen())
        picture = screen->grabWindow(0, target->frameGeometry().x(), target->frameGeometry().y(),
                                     target->frameGeometry().width(), target->frameGeometry().height());
    if (picture.isNull() || picture.toImage().allGray())
        picture = target->grab();
    const QString file = m_outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (picture.save(file))
        std::printf("saved %s\n", qPrintable(file));
    else
        std::printf("FAILED to save %s\n", qPrintable(file));
}

bool SceneContext::WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    return QTest::qWaitFor(done, timeoutMs);
}

void SceneContext::Settle(int ms)
{
    QTest::qWait(ms);
}

} // namespace screens

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: tidewell_screens OUTDIR LANGUAGE [SCENE-PREFIX]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString language = QString::fromLocal8Bit(argv[2]);
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QDir().mkpath(outDir);

    tidewell::test::TempHome home;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        g_dScale = ScaleForScreenWidth(screen->geometry().width());
    if (LoadAppSettings() != 0)
        return 3;
    GetAppSettings()->SetLanguage(language);
    InstallTranslation(language, QCoreApplication::applicationDirPath() + QStringLiteral("/language"));
    FillAppStrings();
    g_strVersion = GetAppVersion();
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ScaledInt(12));
    QApplication::setFont(font);
    QApplication::setStyle(new CScaledStyle);
    app.setStyleSheet(LoadApplicationStyleSheet());

    // Questions the scenes do not shoot answer themselves with their first button.
    CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });

    int failures = 0;
    for (const auto& [key, scene] : screens::Scenes())
    {
        if (!only.isEmpty() && !QString::fromStdString(key).startsWith(only))
            continue;
        auto window = std::make_unique<CMainUI>();
        ApplyLanguageDirection(window.get());
        window->move(20, 20);
        window->show();
        window->raise();
        screens::SceneContext context(window.get(), outDir, home.path());
        screens::SceneContext::Settle(300);
        scene(context);
        window->close();
        window.reset();
        screens::SceneContext::Settle(100);
    }
    ReleaseAppSettings();
    return failures;
}
